#include "compose/titlecomposer.h"

#include "settings/sessionsettingsrec.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;

namespace {

// Fixed element values with the warnings a test asks for.
class FixedValues final : public ElementValues
{
public:
    QString numberText(const ComposeInput &, qint32 *warning) override
    {
        if (numberWarning)
            *warning = numberWarning;
        return number;
    }
    QString dateTimeText(const ComposeInput &, qint32 *warning) override
    {
        ++dateCalls;
        if (dateWarning)
            *warning = dateWarning;
        return dateTime;
    }

    QString number;
    QString dateTime;
    qint32 numberWarning = 0;
    qint32 dateWarning = 0;
    int dateCalls = 0;
};

struct Case
{
    Settings::SessionSettingsRec settings;
    ComposeInput input;
    QString number;
    QString dateTime;
};

Settings::SessionSettingsRec separated(int separator)
{
    Settings::SessionSettingsRec rec;
    rec.elementSeparator = separator;
    rec.useDate = true;
    return rec;
}

ComposeInput picture(const QString &title, const QString &freeText, const QString &prefix = {},
                     const QString &suffix = {})
{
    ComposeInput input;
    input.currentTitle = title;
    input.freeText = freeText;
    input.picturePrefix = prefix;
    input.pictureSuffix = suffix;
    return input;
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TitleComposerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compose_data();
    void compose();
    void warnings_data();
    void warnings();
    void withoutElementValues();
    void damagedSettingsStillComposeEveryElement();
};

void TitleComposerTest::compose_data()
{
    QTest::addColumn<Case>("testCase");
    QTest::addColumn<QString>("expected");

    QTest::newRow("free text only keeps the extension's case")
        << Case{separated(1), picture(u"IMG_0001.JPG"_s, u"Beach"_s), {}, {}} << u"Beach.JPG"_s;
    {
        Case c{separated(1), picture(u"IMG_0007.jpg"_s, u"Beach"_s), u"007"_s, {}};
        c.settings.usePrefix = true;
        c.settings.prefix = u"Hol"_s;
        QTest::newRow("prefix, number and free text") << c << u"Hol-007-Beach.jpg"_s;
    }
    {
        Case c{separated(3), picture(u"a.png"_s, u"Beach"_s), u"12"_s, u"2023-05-01"_s};
        c.settings.usePrefix = true;
        c.settings.prefix = u"Hol"_s;
        QTest::newRow("no separator concatenates") << c << u"Hol2023-05-0112Beach.png"_s;
    }
    QTest::newRow("picture prefix around an empty free text")
        << Case{separated(2), picture(u"x.jpg"_s, {}, u"A"_s), {}, {}} << u"A_.jpg"_s;
    QTest::newRow("picture prefix after the number")
        << Case{separated(2), picture(u"x.jpg"_s, {}, u"A"_s), u"12"_s, {}} << u"12_A_.jpg"_s;
    QTest::newRow("picture prefix and suffix")
        << Case{separated(0), picture(u"x.jpg"_s, u"Beach"_s, u"At"_s, u"2"_s), {}, {}} << u"At Beach 2.jpg"_s;
    QTest::newRow("no dot, no extension")
        << Case{separated(0), picture(u"README"_s, u"Beach"_s), {}, {}} << u"Beach"_s;
    {
        // Texts that came in some way other than typing: the title is still a plain file name.
        Case c{separated(0), picture(u"a.jpg"_s, u"../../etc/x\ny"_s, u"a\u0000b"_s), {}, {}};
        c.input.exifText = u"Make-C:\\a\tb"_s;
        QTest::newRow("no '/', illegal character or control code") << c << u"ab ....etcxy Make-Cab.jpg"_s;
    }
    QTest::newRow("nothing but the extension")
        << Case{separated(0), picture(u"a.jpg"_s, {}), {}, {}} << u".jpg"_s;
    {
        Case c{separated(0), picture(u"a.jpg"_s, u"Beach"_s), {}, {}};
        c.settings.prefix = u"Hol"_s;
        c.settings.suffix = u"End"_s;
        QTest::newRow("switched-off texts do not count") << c << u"Beach.jpg"_s;
    }
    {
        Case c{separated(1), picture(u"a.jpg"_s, u"Beach"_s), u"7"_s, u"2023"_s};
        c.settings.usePrefix = c.settings.useSuffix = true;
        c.settings.prefix = u"P"_s;
        c.settings.suffix = u"S"_s;
        c.input.exifText = u"E"_s;
        c.settings.elementOrder = u"SEFNDP"_s;
        QTest::newRow("reversed order") << c << u"S-E-Beach-7-2023-P.jpg"_s;
        c.settings.elementOrder = u"PDNFES"_s;
        QTest::newRow("default order puts EXIF before the suffix") << c << u"P-2023-7-Beach-E-S.jpg"_s;
    }
    {
        Case c{separated(0), picture(u"a.jpg"_s, u"Beach"_s), {}, u"2023"_s};
        c.settings.useDate = false;
        QTest::newRow("date element switched off") << c << u"Beach.jpg"_s;
        c.settings.useTime = true;
        QTest::newRow("time alone asks for the date/time text") << c << u"2023 Beach.jpg"_s;
    }
    {
        Case c{separated(0), picture(u"IMG_1.JpG"_s, u"Beach"_s), {}, {}};
        c.settings.extensionCase = 1;
        QTest::newRow("extension in lower case") << c << u"Beach.jpg"_s;
        c.settings.extensionCase = 2;
        QTest::newRow("extension in upper case") << c << u"Beach.JPG"_s;
        c.settings.extensionCase = 7;
        QTest::newRow("damaged case setting keeps the extension") << c << u"Beach.JpG"_s;
        c.input.currentTitle = u"README"_s;
        c.settings.extensionCase = 2;
        QTest::newRow("no extension to change") << c << u"Beach"_s;
    }
}

void TitleComposerTest::compose()
{
    QFETCH(Case, testCase);
    QFETCH(QString, expected);
    FixedValues values;
    values.number = testCase.number;
    values.dateTime = testCase.dateTime;
    const TitleComposer composer(testCase.settings, &values);
    const RMakeTitle result = composer.compose(testCase.input);
    QCOMPARE(result.RMTitle, expected);
    QCOMPARE(result.RMWarning, 0);
}

void TitleComposerTest::warnings_data()
{
    QTest::addColumn<qint32>("numberWarning");
    QTest::addColumn<qint32>("dateWarning");
    QTest::addColumn<bool>("dateOn");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("none") << 0 << 0 << true << 0;
    QTest::newRow("number") << 2 << 0 << true << 2;
    QTest::newRow("date") << 0 << 4 << true << 4;
    QTest::newRow("number wins over date") << 3 << 4 << true << 3;
    QTest::newRow("date element off") << 0 << 4 << false << 0;
}

void TitleComposerTest::warnings()
{
    QFETCH(qint32, numberWarning);
    QFETCH(qint32, dateWarning);
    QFETCH(bool, dateOn);
    QFETCH(qint32, expected);
    FixedValues values;
    values.numberWarning = numberWarning;
    values.dateWarning = dateWarning;
    Settings::SessionSettingsRec settings;
    settings.useDate = dateOn;
    const TitleComposer composer(settings, &values);
    QCOMPARE(composer.compose(picture(u"a.jpg"_s, u"x"_s)).RMWarning, expected);
    QCOMPARE(values.dateCalls, dateOn ? 1 : 0);
}

void TitleComposerTest::withoutElementValues()
{
    Settings::SessionSettingsRec settings;
    settings.useDate = true;
    settings.usePrefix = true;
    settings.prefix = u"Hol"_s;
    const TitleComposer composer(settings);
    QCOMPARE(composer.compose(picture(u"a.JPG"_s, u"Beach"_s)), (RMakeTitle{u"Hol Beach.JPG"_s, 0}));
}

void TitleComposerTest::damagedSettingsStillComposeEveryElement()
{
    Settings::SessionSettingsRec settings;
    // A separator index outside the four counts as a space; a letter that is no element and a
    // missing one leave no element out.
    settings.elementSeparator = 9;
    settings.elementOrder = u"FXPP"_s;
    settings.usePrefix = settings.useSuffix = true;
    settings.prefix = u"P"_s;
    settings.suffix = u"S"_s;
    FixedValues values;
    values.number = u"7"_s;
    const TitleComposer composer(settings, &values);
    QCOMPARE(composer.compose(picture(u"a.jpg"_s, u"Beach"_s)).RMTitle, u"Beach P 7 S.jpg"_s);
}

QTEST_GUILESS_MAIN(TitleComposerTest)
#include "titlecomposertest.moc"
