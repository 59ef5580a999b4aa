#include "ui/picturecaption.h"
#include "ui/themecolours.h"
#include "ui/themepalette.h"

#include "session/previewpicture.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

using namespace Ui;

// The window's own colours on the light Fusion palette and on a dark one, as a dark desktop
// theme gives it.
class ThemeColoursTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readableOnLightAndDark_data();
    void readableOnLightAndDark();
    void themesAreReadable();
    void mapLinkFollowsThemeChange();
};

static QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x90, 0x90, 0x90));
    palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ButtonText, Qt::white);
    return palette;
}

void ThemeColoursTest::readableOnLightAndDark_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("dark");
    QTest::newRow("fusion light") << QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette() << false;
    QTest::newRow("dark") << darkPalette() << true;
}

void ThemeColoursTest::readableOnLightAndDark()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, dark);
    QCOMPARE(ThemeColours::isDark(palette), dark);
    const QColor base = palette.color(QPalette::Base);
    for (const Tint tint : {Tint::Error, Tint::Information, Tint::Success, Tint::ActiveEntry, Tint::Skipped}) {
        const qreal ratio = ThemeColours::contrast(ThemeColours::text(tint, palette), base);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("tint %1: %2").arg(int(tint)).arg(ratio)));
    }
    const qreal marked = ThemeColours::contrast(palette.color(QPalette::Text),
                                                ThemeColours::highlight(Tint::Occurrence, palette));
    QVERIFY2(marked >= 4.5, qPrintable(QString::number(marked)));
    // The highlight must still stand out from the plain background.
    QVERIFY(ThemeColours::contrast(ThemeColours::highlight(Tint::Occurrence, palette), base) > 1.3);
}

// Every theme keeps its text readable, and the window's own colours readable on it.
void ThemeColoursTest::themesAreReadable()
{
    const QPalette desktop = QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
    QCOMPARE(themePalette(0, desktop), desktop);
    bool someDark = false;
    for (int theme = 1; theme < 7; ++theme) {
        const QPalette palette = themePalette(theme, desktop);
        const QString name = QString::number(theme);
        QVERIFY2(palette != desktop, qPrintable(name));
        QVERIFY2(ThemeColours::contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)) >= 7,
                 qPrintable(name));
        QVERIFY2(ThemeColours::contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)) >= 7,
                 qPrintable(name));
        QVERIFY2(ThemeColours::contrast(palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight))
                     >= 4.5,
                 qPrintable(name));
        for (const Tint tint : {Tint::Error, Tint::Information, Tint::Success, Tint::Skipped})
            QVERIFY2(ThemeColours::contrast(ThemeColours::text(tint, palette), palette.color(QPalette::Base)) >= 4.5,
                     qPrintable(name + u'/' + QString::number(int(tint))));
        someDark = someDark || ThemeColours::isDark(palette);
    }
    QVERIFY(someDark);
}

// A theme chosen while the program runs recolours the map link under the picture at once.
void ThemeColoursTest::mapLinkFollowsThemeChange()
{
    const QPalette desktop = QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
    QApplication::setPalette(desktop);
    PictureCaption caption(Qt::Vertical);
    Session::PreviewPicture picture;
    picture.path = QStringLiteral("/pics/a.jpg");
    picture.position = QStringLiteral("52 22 12.3 N,4 53 40 E");
    picture.mapLink = QUrl(QStringLiteral("https://maps.example/?q=52.37,4.89"));
    caption.setPicture(picture);
    caption.show();
    QVERIFY(caption.mapText().contains(desktop.color(QPalette::Link).name()));
    for (int theme = 1; theme < 7; ++theme) {
        const QPalette palette = themePalette(theme, desktop);
        if (!ThemeColours::isDark(palette))
            continue;
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const QColor link = palette.color(QPalette::Link);
        QVERIFY2(caption.mapText().contains(link.name()), qPrintable(caption.mapText()));
        QVERIFY(ThemeColours::contrast(link, palette.color(QPalette::Window)) >= 3);
    }
    QApplication::setPalette(desktop);
}

QTEST_MAIN(ThemeColoursTest)
#include "themecolourstest.moc"
