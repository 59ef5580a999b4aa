#include "l10n/catalog.h"

#include "l10n/language.h"
#include "l10n/text.h"

#include <QTest>

using namespace Qt::StringLiterals;
using L10n::Catalog;

class CatalogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languagesStartAtBlockBases();
    void stringsByOffsetAndPosition();
    void standardCaptionsAreASet_data();
    void standardCaptionsAreASet();
};

void CatalogTest::languagesStartAtBlockBases()
{
    const QList<L10n::LanguageEntry> languages = Catalog::builtIn().languages();
    QCOMPARE(languages.size(), 1);
    QCOMPARE(languages.first().name, u"Dutch"_s);
    QCOMPARE(languages.first().blockBase, 1000);
    QCOMPARE(languages.first().code, u"nl"_s);
    // A code without a translation file ends the list.
    QCOMPARE(Catalog({u"nl"_s, u"xx"_s, u"nl"_s}).languages().size(), 1);
    QVERIFY(Catalog({u"xx"_s}).languages().isEmpty());
}

void CatalogTest::stringsByOffsetAndPosition()
{
    const Catalog &catalog = Catalog::builtIn();
    QCOMPARE(catalog.string(1000, 40), u"Huidige titel"_s);
    QCOMPARE(catalog.string(1000, 394), u"Foto titels sorteren fase 2"_s);
    QCOMPARE(catalog.string(1000, 777), u"&Verwijderen"_s);
    QCOMPARE(catalog.string(1000, 1), QString());
    QCOMPARE(catalog.string(2000, 40), QString());
    QCOMPARE(catalog.string(0, 40), QString());
    QCOMPARE(catalog.string(1040, 0), QString());
    // A position without a text is skipped: the list is one shorter than the positions asked for.
    QCOMPARE(catalog.strings(1000, {244, 1, 243}), QStringList({u"Achtervoegsel"_s, u"Voorvoegsel"_s}));
}

void CatalogTest::standardCaptionsAreASet_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("english");
    QTest::addColumn<QStringList>("dutch");
    QTest::newRow("captions") << 0 << QStringList{u"Warning"_s, u"Error"_s, u"Information"_s, u"Confirm"_s}
                              << QStringList{u"Waarschuwing"_s, u"Fout"_s, u"Informatie"_s, u"Bevestig"_s};
    QTest::newRow("buttons") << 4 << QStringList{u"&Yes"_s, u"&No"_s, u"OK"_s, u"Cancel"_s, u"&Help"_s, u"&Abort"_s,
                                            u"&Retry"_s, u"&Ignore"_s, u"&All"_s, u"N&o to All"_s, u"Yes to &All"_s}
                             << QStringList{u"&Ja"_s, u"&Nee"_s, u"OK"_s, u"Annuleer"_s, u"&Help"_s, u"&Abort"_s,
                                            u"&Opnieuw"_s, u"&Negeren"_s, u"&Alles"_s, u"N&ee voor Alles"_s,
                                            u"Ja voor &Alles"_s};
}

void CatalogTest::standardCaptionsAreASet()
{
    QFETCH(int, first);
    QFETCH(QStringList, english);
    QFETCH(QStringList, dutch);
    const auto captions = [first, &english] {
        QStringList shown;
        for (int i = 0; i < english.size(); ++i)
            shown.append(L10n::standard(L10n::Standard(first + i)));
        return shown;
    };
    L10n::LanguageSwitch language;
    QCOMPARE(captions(), english);
    language.apply(L10n::LanguageCode::Dutch, L10n::LanguageCode::English);
    QCOMPARE(captions(), dutch);
    language.apply(L10n::LanguageCode::English, L10n::LanguageCode::Dutch);
    QCOMPARE(captions(), english);
}

QTEST_GUILESS_MAIN(CatalogTest)
#include "catalogtest.moc"
