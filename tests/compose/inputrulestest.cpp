#include "compose/inputrules.h"

#include "platform/dialogs.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;

class InputRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void illegalCharacters();
    void correctInput_data();
    void correctInput();
    void statusMessage();
    void storedPictureText_data();
    void storedPictureText();
};

void InputRulesTest::illegalCharacters()
{
    const QString illegal = u"/\\:*?\"<>|"_s;
    for (int code = 0; code < 0x300; ++code)
        QCOMPARE(isIllegalTitleChar(QChar(code)), illegal.contains(QChar(code)));
}

void InputRulesTest::correctInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");
    QTest::addColumn<bool>("refused");

    QTest::newRow("legal") << u"Trip 2023"_s << 9 << 30 << u"Trip 2023"_s << 9 << false;
    QTest::newRow("typed at the end") << u"a/"_s << 2 << 30 << u"a"_s << 1 << true;
    QTest::newRow("typed in the middle") << u"a?bc"_s << 2 << 30 << u"abc"_s << 1 << true;
    QTest::newRow("pasted run") << u"a<b>c|"_s << 6 << 30 << u"abc"_s << 3 << true;
    QTest::newRow("after the caret") << u"ab:c"_s << 1 << 30 << u"abc"_s << 1 << true;
    QTest::newRow("accents and control characters are legal") << u"é\t€"_s << 3 << 30 << u"é\t€"_s << 3 << false;
    QTest::newRow("cut to the maximum") << u"abcdef"_s << 6 << 4 << u"abcd"_s << 4 << false;
    QTest::newRow("no maximum") << u"abcdef"_s << 2 << -1 << u"abcdef"_s << 2 << false;
    // The maximum counts the bytes of UTF-8 a record field keeps, and no character is cut in two.
    QTest::newRow("cut to the bytes of the maximum") << u"Ωμέγα"_s << 5 << 5 << u"Ωμ"_s << 2 << false;
    QTest::newRow("caret out of range") << u"ab*"_s << 99 << 30 << u"ab"_s << 2 << true;
}

void InputRulesTest::correctInput()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);
    QFETCH(bool, refused);
    QCOMPARE(Compose::correctInput(text, caret, maxLength), (CorrectedInput{expected, expectedCaret, refused}));
}

void InputRulesTest::statusMessage()
{
    const Platform::StatusMessage message = illegalCharacterStatus();
    QCOMPARE(message.text,
             u"A file- or folder name cannot contain any of the following characters: / \\ : * ? \" < > |"_s);
    QVERIFY(message.error);
    QCOMPARE(message.seconds, 5);
    QCOMPARE(message.sound, Platform::Sound::Error);
}

void InputRulesTest::storedPictureText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("trimmed") << u" \tAt home \n"_s << u"At home"_s;
    QTest::newRow("blank") << u"  "_s << QString();
    QTest::newRow("cut") << QString(60, u'x') << QString(50, u'x');
    QTest::newRow("cut to 50 bytes of UTF-8") << u" "_s + QString(30, u'Ж') << QString(25, u'Ж');
    QTest::newRow("cut before a character that does not fit whole") << QString(49, u'x') + u"é"_s << QString(49, u'x');
    QTest::newRow("non-breaking space kept") << u"\u00A0a"_s << u"\u00A0a"_s;
}

void InputRulesTest::storedPictureText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Compose::storedPictureText(text), expected);
}

QTEST_GUILESS_MAIN(InputRulesTest)
#include "inputrulestest.moc"
