#include "dictionary/textbuild.h"
#include "dictionary/textlines.h"

#include "storefixture.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Dictionary;

class TextBuildTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clipPart_data();
    void clipPart();
    void titlesOfLine_data();
    void titlesOfLine();
    void buildReplacesOrAdds();
};

void TextBuildTest::clipPart_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("clip");
    QTest::addColumn<QString>("part");
    QTest::newRow("fits") << u"Beach at dawn"_s << 50 << u"Beach at dawn"_s;
    QTest::newRow("last space within the clip") << u"aaaa bbbb cccc"_s << 10 << u"aaaa bbbb"_s;
    QTest::newRow("space right after the clip") << u"aaaa bbbbb cccc"_s << 10 << u"aaaa"_s;
    QTest::newRow("space just past the clip") << u"aaaa bbbb cccc"_s << 9 << u"aaaa"_s;
    QTest::newRow("no space cuts") << QString(60, u'x') << 50 << QString(50, u'x');
    QTest::newRow("trailing spaces go") << u"aaaa  bbbb"_s << 6 << u"aaaa"_s;
}

void TextBuildTest::clipPart()
{
    QFETCH(QString, line);
    QFETCH(int, clip);
    QFETCH(QString, part);
    QCOMPARE(ClipPart(line, clip), part);
}

void TextBuildTest::titlesOfLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("titles");
    // 120 characters of words: two parts end at their last space within 50, the third has the rest.
    const QString words = u"Walking along the quiet harbour of the old town we "_s
                          + u"saw fishing boats coming home with their catch of the day "_s + u"before dusk"_s;
    QCOMPARE(words.size(), 120);
    QTest::newRow("120 characters") << words
                                    << QStringList{u"Walking along the quiet harbour of the old town."_s,
                                                   u"we saw fishing boats coming home with their catch."_s,
                                                   u"of the day before dusk."_s};
    QTest::newRow("long word cut at 50") << QString(60, u'w') << QStringList{QString(50, u'w') + u'.',
                                                                              QString(10, u'w') + u'.'};
    QTest::newRow("asterisk becomes a space") << u"a*b"_s << QStringList{u"a b."_s};
    QTest::newRow("angle brackets stay") << u"<a> \"q\" | c:\\d/e?"_s << QStringList{u"<a> q c d e."_s};
    QTest::newRow("above Latin-1 and controls") << u"\tCaf\u00e9\u20ac\u0001 ok "_s << QStringList{u"Caf\u00e9 ok."_s};
    QTest::newRow("dot inside kept") << u"St. Ives harbour"_s << QStringList{u"St. Ives harbour."_s};
    QTest::newRow("final dot not doubled") << u"Sunset."_s << QStringList{u"Sunset."_s};
    QTest::newRow("blank") << u"  \u00a0 "_s << QStringList{};
}

void TextBuildTest::titlesOfLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, titles);
    QCOMPARE(TitlesOfLine(line, 50), titles);
}

void TextBuildTest::buildReplacesOrAdds()
{
    StoreFixture fixture;
    QVERIFY(writeFile(fixture.staticFile(), dictionaryRecord(u"Old title"_s, u"F"_s)));
    QVERIFY(fixture.load(DicIndex::Static));
    QStringList progress;
    connect(&fixture.store, &DictionaryStore::progressShown, this,
            [&progress](const QString &text) { progress.append(text); });

    BuildFromText(fixture.store, {u"St. Ives harbour"_s, u"a*b"_s, QString()}, BuildMode::Replace, 50);
    // The dot inside stays; the '.' added as extension goes.
    QCOMPARE(readFile(fixture.staticFile()),
             dictionaryRecord(u"St. Ives harbour"_s, u"C"_s) + dictionaryRecord(u"a b"_s, u"C"_s));
    QCOMPARE(fixture.store.contextTable(DicIndex::Static).size(), 2);
    QVERIFY(!fixture.entries(DicIndex::Static).contains(u"Old title"_s));
    QCOMPARE(progress.last(), QString());

    // The same title again after a Replace build is taken: a new build forgets the last title.
    BuildFromText(fixture.store, {u"a b"_s, u"Tent"_s}, BuildMode::Add, 50);
    QCOMPARE(readFile(fixture.staticFile()),
             dictionaryRecord(u"St. Ives harbour"_s, u"C"_s) + dictionaryRecord(u"a b"_s, u"C"_s)
                 + dictionaryRecord(u"a b"_s, u"C"_s) + dictionaryRecord(u"Tent"_s, u"C"_s));
    QVERIFY(fixture.entries(DicIndex::Static).contains(u"Tent"_s));
    QCOMPARE(fixture.store.contextTable(DicIndex::Static).size(), 3);
}

QTEST_GUILESS_MAIN(TextBuildTest)
#include "textbuildtest.moc"
