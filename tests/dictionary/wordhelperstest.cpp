#include "dictionary/wordhelpers.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Dictionary;

namespace QTest {
template<>
char *toString(const LineSelection &selection)
{
    const QByteArray text = QByteArray::number(selection.start) + ',' + QByteArray::number(selection.length);
    return qstrdup(text.constData());
}
} // namespace QTest

class WordHelpersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void illegalTitleChar();
    void selectWordAt_data();
    void selectWordAt();
    void toggleInitial_data();
    void toggleInitial();
    void removeWordAt_data();
    void removeWordAt();
    void moveWord_data();
    void moveWord();
    void nextWordStart_data();
    void nextWordStart();
    void prevWordEnd_data();
    void prevWordEnd();
};

void WordHelpersTest::illegalTitleChar()
{
    QString illegal;
    for (char16_t c = 0; c < 0x300; ++c) {
        if (IsIllegalTitleChar(QChar(c)))
            illegal.append(QChar(c));
    }
    QCOMPARE(illegal, u"\"*/:<>?\\|"_s);
}

void WordHelpersTest::selectWordAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("length");
    QTest::addColumn<LineSelection>("expected");
    QTest::newRow("inside a word") << u"aa bbb cc"_s << 4 << 0 << LineSelection{3, 3};
    QTest::newRow("at the end") << u"aa bbb"_s << 6 << 0 << LineSelection{3, 3};
    QTest::newRow("at the start") << u"aa bbb"_s << 0 << 0 << LineSelection{0, 2};
    QTest::newRow("behind a trailing space") << u"aa "_s << 3 << 0 << LineSelection{3, 0};
    QTest::newRow("empty text") << QString() << 0 << 0 << LineSelection{0, 0};
    QTest::newRow("selection takes the word before") << u"aa bb cc"_s << 6 << 2 << LineSelection{3, 5};
    QTest::newRow("and then the next") << u"aa bb cc"_s << 3 << 5 << LineSelection{0, 8};
    QTest::newRow("first word selected stays") << u"aa bb"_s << 0 << 2 << LineSelection{0, 2};
}

void WordHelpersTest::selectWordAt()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, length);
    QFETCH(LineSelection, expected);
    QCOMPARE(SelectWordAt(text, caret, length), expected);
}

void WordHelpersTest::toggleInitial_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside second word") << u"ab cd"_s << true << 4 << u"ab Cd"_s;
    QTest::newRow("behind the word") << u"ab cd"_s << true << 5 << u"ab Cd"_s;
    QTest::newRow("right after a space") << u"ab cd"_s << true << 3 << u"ab Cd"_s;
    QTest::newRow("caret 0") << u"ab cd"_s << true << 0 << u"Ab cd"_s;
    QTest::newRow("before the space") << u"ab cd"_s << true << 2 << u"Ab cd"_s;
    QTest::newRow("lower") << u"AB CD"_s << false << 4 << u"AB cD"_s;
    QTest::newRow("between two spaces") << u"ab  cd"_s << true << 3 << u"ab  cd"_s;
    QTest::newRow("behind a trailing space") << u"ab "_s << true << 3 << u"ab "_s;
    QTest::newRow("accented") << u"été"_s << true << 1 << u"Été"_s;
    QTest::newRow("empty") << QString() << true << 0 << QString();
}

void WordHelpersTest::toggleInitial()
{
    QFETCH(QString, text);
    QFETCH(bool, upper);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QCOMPARE(ToggleInitial(text, upper ? Initial::Upper : Initial::Lower, caret), expected);
}

void WordHelpersTest::removeWordAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::newRow("middle word takes the space before") << u"aa bb cc"_s << 5 << u" bb"_s << 3 << u"aa cc"_s;
    QTest::newRow("first word takes the space after") << u"aa bb cc"_s << 1 << u"aa "_s << 1 << u"bb cc"_s;
    QTest::newRow("caret 0") << u"aa bb"_s << 0 << u"aa "_s << 1 << u"bb"_s;
    QTest::newRow("last word") << u"aa bb cc"_s << 8 << u" cc"_s << 6 << u"aa bb"_s;
    QTest::newRow("only word") << u"aa"_s << 1 << u"aa"_s << 1 << QString();
    QTest::newRow("caret right after a space") << u"aa bb"_s << 3 << u" bb"_s << 3 << u"aa"_s;
    QTest::newRow("empty") << QString() << 0 << QString() << -1 << QString();
}

void WordHelpersTest::removeWordAt()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, removed);
    QFETCH(int, position);
    QFETCH(QString, title);
    const ResRemoveWord result = RemoveWordAt(text, caret);
    QCOMPARE(result.WordRemoved, removed);
    QCOMPARE(result.RemovedFromPosition, position);
    QCOMPARE(result.Title, title);
}

void WordHelpersTest::moveWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("newPosition");
    QTest::newRow("first word right") << u"aa bb cc"_s << 1 << true << u"bb aa cc"_s << 3;
    QTest::newRow("middle word right") << u"aa bb cc"_s << 4 << true << u"aa cc bb"_s << 6;
    QTest::newRow("last word left") << u"aa bb cc"_s << 7 << false << u"aa cc bb"_s << 3;
    QTest::newRow("middle word left to the front") << u"aa bb cc"_s << 4 << false << u"bb aa cc"_s << 0;
    QTest::newRow("left over two words") << u"aa bb cc dd"_s << 7 << false << u"aa cc bb dd"_s << 3;
    QTest::newRow("two words left") << u"aa bb"_s << 5 << false << u"bb aa"_s << 0;
    QTest::newRow("two words right") << u"aa bb"_s << 0 << true << u"bb aa"_s << 3;
    QTest::newRow("first word left stays") << u"aa bb cc"_s << 1 << false << u"aa bb cc"_s << 0;
    QTest::newRow("last word right stays") << u"aa bb cc"_s << 8 << true << u"aa bb cc"_s << 6;
}

void WordHelpersTest::moveWord()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(bool, forward);
    QFETCH(QString, expected);
    QFETCH(int, newPosition);
    const ResRemoveWord moved = MoveWord(RemoveWordAt(text, caret), forward ? Direction::Forward : Direction::Backward);
    QCOMPARE(moved.Title, expected);
    QCOMPARE(moved.NewPosition, newPosition);
}

void WordHelpersTest::nextWordStart_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("expected");
    QTest::newRow("forward from inside") << u"aa bb cc"_s << 1 << true << 3;
    QTest::newRow("forward from a space") << u"aa  bb"_s << 2 << true << 4;
    QTest::newRow("forward from the last word") << u"aa bb cc"_s << 7 << true << 0;
    QTest::newRow("forward from the end") << u"aa bb"_s << 5 << true << 0;
    QTest::newRow("forward before trailing spaces") << u"aa  "_s << 1 << true << 0;
    QTest::newRow("back from inside") << u"aa bb cc"_s << 4 << false << 3;
    QTest::newRow("back from a word start") << u"aa bb cc"_s << 3 << false << 0;
    QTest::newRow("back from 0 goes to the last word") << u"aa bb cc"_s << 0 << false << 6;
    QTest::newRow("back from 0 over trailing spaces") << u"aa bb  "_s << 0 << false << 3;
    QTest::newRow("back in an empty text") << QString() << 0 << false << 0;
}

void WordHelpersTest::nextWordStart()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(bool, forward);
    QFETCH(int, expected);
    QCOMPARE(NextWordStart(text, caret, forward ? Direction::Forward : Direction::Backward), expected);
}

void WordHelpersTest::prevWordEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("expected");
    QTest::newRow("behind a middle word") << u"aa bb cc"_s << 5 << 2;
    QTest::newRow("inside a word") << u"aa bbb cc"_s << 4 << 2;
    QTest::newRow("at a word start") << u"aa bb"_s << 3 << 2;
    QTest::newRow("behind the last word") << u"aa bb"_s << 5 << 2;
    QTest::newRow("in the first word") << u"aa bb"_s << 1 << 0;
    QTest::newRow("over several spaces") << u"aa   bb"_s << 7 << 2;
    QTest::newRow("caret 0") << u"aa"_s << 0 << 0;
}

void WordHelpersTest::prevWordEnd()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, expected);
    QCOMPARE(PrevWordEnd(caret, text), expected);
}

QTEST_GUILESS_MAIN(WordHelpersTest)
#include "wordhelperstest.moc"
