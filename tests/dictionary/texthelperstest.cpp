#include "dictionary/texthelpers.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Dictionary;

class TextHelpersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void foldText_data();
    void foldText();
    void foldEdgeLetter_data();
    void foldEdgeLetter();
    void trimSeparators();
    void cleanFileTitle_data();
    void cleanFileTitle();
    void lastWord_data();
    void lastWord();
    void findAllOccurrences();
};

void TextHelpersTest::foldText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"paris 2019"_s << u"paris 2019"_s;
    QTest::newRow("all 23 accents") << u"áàäâåéèëêíìïîóòöôøúùüûñç"_s << u"aaaaaeeeeiiiiooooouuuunc"_s;
    // Upper-case accents are not folded: the text is lower-cased first by the callers.
    QTest::newRow("upper case untouched") << u"É"_s << u"É"_s;
    QTest::newRow("other letters kept") << u"ßœ"_s << u"ßœ"_s;
}

void TextHelpersTest::foldText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(FoldText(text), expected);
}

void TextHelpersTest::foldEdgeLetter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("first");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << true << QString();
    QTest::newRow("lower-cases") << u"Paris"_s << true << u"paris"_s;
    QTest::newRow("accented first") << u"Élan"_s << true << u"elan"_s;
    QTest::newRow("only the edge") << u"éé"_s << true << u"eé"_s;
    QTest::newRow("accented last") << u"Café"_s << false << u"cafe"_s;
    QTest::newRow("not a letter") << u"-x"_s << true << u"-x"_s;
}

void TextHelpersTest::foldEdgeLetter()
{
    QFETCH(QString, text);
    QFETCH(bool, first);
    QFETCH(QString, expected);
    QCOMPARE(FoldEdgeLetter(text, first ? Edge::First : Edge::Last), expected);
}

void TextHelpersTest::trimSeparators()
{
    QCOMPARE(TrimSeparators(u" ;Paris, beach. "_s), u"Paris, beach"_s);
    QCOMPARE(TrimSeparators(u".,;: "_s), QString());
    QCOMPARE(TrimRightSpaces(u" a b  "_s), u" a b"_s);
}

void TextHelpersTest::cleanFileTitle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keepDot");
    QTest::addColumn<bool>("stripTail");
    QTest::addColumn<QString>("expected");
    QTest::newRow("extension") << u"Paris_2019-beach 001.jpg"_s << false << false << u"Paris_2019-beach 001"_s;
    QTest::newRow("keep dot") << u"Beach.jpg"_s << true << false << u"Beach."_s;
    QTest::newRow("strip tail") << u"Paris_2019-beach 001.jpg"_s << false << true << u"Paris_2019-beach"_s;
    QTest::newRow("accented tail kept") << u"Café 2.jpg"_s << false << true << u"Café"_s;
    QTest::newRow("no letter") << u"2019 001.jpg"_s << false << true << QString();
    QTest::newRow("dot before a folder") << u"a.b\\c"_s << false << false << u"a.b\\c"_s;
    QTest::newRow("no extension") << u"Sunset"_s << false << false << u"Sunset"_s;
}

void TextHelpersTest::cleanFileTitle()
{
    QFETCH(QString, text);
    QFETCH(bool, keepDot);
    QFETCH(bool, stripTail);
    QFETCH(QString, expected);
    QCOMPARE(CleanFileTitle(text, keepDot, stripTail), expected);
}

void TextHelpersTest::lastWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one word") << u"Paris"_s << u"Paris"_s;
    QTest::newRow("words") << u"Sunset at the beach"_s << u"beach"_s;
    QTest::newRow("trailing space") << u"Sunset "_s << QString();
}

void TextHelpersTest::lastWord()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(LastWord(text), expected);
}

void TextHelpersTest::findAllOccurrences()
{
    QCOMPARE(FindAllOccurrences(u"aaaa"_s, u"aa"_s), (QList<int>{0, 2}));
    QCOMPARE(FindAllOccurrences(u"paris in paris"_s, u"paris"_s), (QList<int>{0, 9}));
    QCOMPARE(FindAllOccurrences(u"paris"_s, QString()), QList<int>());
    QCOMPARE(FindAllOccurrences(u"paris"_s, u"rome"_s), QList<int>());
}

QTEST_GUILESS_MAIN(TextHelpersTest)
#include "texthelperstest.moc"
