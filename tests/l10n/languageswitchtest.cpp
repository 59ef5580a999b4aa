#include "l10n/language.h"

#include "l10n/text.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace L10n::LanguageCode;

class LanguageSwitchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void detectsDutchBySunday_data();
    void detectsDutchBySunday();
    void applyResolvesAndSwitches_data();
    void applyResolvesAndSwitches();
    void endingRemovesTheTranslation();
};

void LanguageSwitchTest::detectsDutchBySunday_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("expected");
    QTest::newRow("nl_NL") << QLocale(u"nl_NL"_s) << int(Dutch);
    QTest::newRow("nl_BE") << QLocale(u"nl_BE"_s) << int(Dutch);
    QTest::newRow("en_GB") << QLocale(u"en_GB"_s) << int(English);
    QTest::newRow("de_DE") << QLocale(u"de_DE"_s) << int(English);
    QTest::newRow("fy_NL") << QLocale(u"fy_NL"_s) << int(English);
    QTest::newRow("C") << QLocale::c() << int(English);
}

void LanguageSwitchTest::detectsDutchBySunday()
{
    QFETCH(QLocale, locale);
    QFETCH(int, expected);
    QCOMPARE(L10n::detectLocalLanguage(locale), expected);
}

void LanguageSwitchTest::applyResolvesAndSwitches_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("local");
    QTest::addColumn<int>("active");
    QTest::addColumn<QString>("caption");
    QTest::newRow("not chosen on a Dutch system") << int(NotChosen) << int(Dutch) << int(Dutch) << u"Huidige titel"_s;
    QTest::newRow("not chosen elsewhere") << int(NotChosen) << int(English) << int(English) << u"Current title"_s;
    QTest::newRow("Dutch chosen") << int(Dutch) << int(English) << int(Dutch) << u"Huidige titel"_s;
    QTest::newRow("English chosen") << int(English) << int(Dutch) << int(English) << u"Current title"_s;
    QTest::newRow("unknown language") << 7 << int(Dutch) << int(English) << u"Current title"_s;
}

void LanguageSwitchTest::applyResolvesAndSwitches()
{
    QFETCH(int, stored);
    QFETCH(int, local);
    QFETCH(int, active);
    QFETCH(QString, caption);
    L10n::LanguageSwitch language;
    // Start from the other language, so that every row switches.
    language.apply(active == Dutch ? English : Dutch, English);
    QCOMPARE(language.apply(stored, local), active);
    QCOMPARE(language.active(), active);
    QCOMPARE(language.blockOffset(), active == Dutch ? 1000 : 0);
    QCOMPARE(L10n::text(40, "Current title"), caption);
}

void LanguageSwitchTest::endingRemovesTheTranslation()
{
    {
        L10n::LanguageSwitch language;
        language.apply(Dutch, English);
        QCOMPARE(L10n::text(243, "Prefix"), u"Voorvoegsel"_s);
    }
    QCOMPARE(L10n::text(243, "Prefix"), u"Prefix"_s);
    // A position without a translation shows its English text in Dutch too.
    L10n::LanguageSwitch language;
    language.apply(Dutch, English);
    QCOMPARE(L10n::text(1, "Untranslated"), u"Untranslated"_s);
}

QTEST_GUILESS_MAIN(LanguageSwitchTest)
#include "languageswitchtest.moc"
