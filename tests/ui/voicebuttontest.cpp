#include "ui/voicebutton.h"

#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class VoiceButtonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheControl();
};

void VoiceButtonTest::showsTheControl()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"IMG_1.wav"_s), "not a wave"));
    const Platform::MoviePlayer opener{u"xdg-open"_s, u"/nonexistent/xdg-open"_s};
    Ui::VoiceButton button({false, std::nullopt, opener});
    QVERIFY(!button.isEnabled());
    QCOMPARE(button.toolTip(), u"No voice file available"_s);

    button.setPicture(dir.filePath(u"IMG_1.JPG"_s));
    QVERIFY(button.isEnabled());
    QCOMPARE(button.toolTip(), u"Voice file (wave) available but no sound card found"_s);
    QCOMPARE(button.control().icon(), Session::VoiceControl::Icon::MicrophoneCrossed);
    QVERIFY(!button.icon().pixmap(16, QIcon::Disabled).isNull());

    // The icons differ from each other in light and dark palettes alike.
    for (const QPalette &palette : {QPalette(Qt::white), QPalette(Qt::black)}) {
        const QImage microphone = Ui::VoiceButton::iconOf(Session::VoiceControl::Icon::Microphone, palette).pixmap(22).toImage();
        const QImage crossed =
            Ui::VoiceButton::iconOf(Session::VoiceControl::Icon::MicrophoneCrossed, palette).pixmap(22).toImage();
        QVERIFY(microphone != crossed);
    }
}

QTEST_MAIN(VoiceButtonTest)
#include "voicebuttontest.moc"
