#include "storage/folderproposal.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class FolderProposalTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void proposal_data();
    void proposal();
    void wordCounts();
};

void FolderProposalTest::proposal_data()
{
    QTest::addColumn<QStringList>("freeTexts");
    QTest::addColumn<QStringList>("affixes");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("usePrefix");
    QTest::addColumn<int>("minChar");
    QTest::addColumn<bool>("filterDigit");
    QTest::addColumn<QString>("expected");

    const QStringList towers{u"Eiffel tower"_s, u"eiffel Tower at night"_s, u"Tower bridge"_s};
    QTest::newRow("most used first, ties in first-seen order")
        << towers << QStringList() << QString() << false << 4 << false << u"Tower, Eiffel, night, bridge"_s;
    QTest::newRow("shorter minimum lets short words in")
        << towers << QStringList() << QString() << false << 2 << false << u"Tower, Eiffel, at, night, bridge"_s;
    QTest::newRow("prefix and per-picture affixes by use")
        << towers << QStringList{u"Day1"_s, u"2007"_s, u"2007"_s} << u" Paris "_s << true << 4 << false
        << u"Paris,2007,Day1,Tower, Eiffel, night, bridge"_s;
    QTest::newRow("prefix switched off") << QStringList() << QStringList() << u"Paris"_s << false << 4 << false
                                         << QString();
    QTest::newRow("digits filtered") << QStringList{u"Paris2007 2007 paris!"_s} << QStringList() << QString()
                                     << false << 4 << true << u"Paris"_s;
    QTest::newRow("digits kept") << QStringList{u"Paris2007 2007"_s} << QStringList() << QString() << false << 4
                                 << false << u"Paris2007, 2007"_s;
    QTest::newRow("accented ending is a letter")
        << QStringList{u"café. café3"_s} << QStringList() << QString() << false << 4 << true << u"café"_s;
    QTest::newRow("accented words in any case are one")
        << QStringList{u"ÉTÉ Été été"_s} << QStringList() << QString() << false << 3 << false << u"ÉTÉ"_s;
    QTest::newRow("punctuation around words")
        << QStringList{u"...rome,;  rome: Rome"_s} << QStringList() << QString() << false << 4 << false
        << u"rome"_s;
    QTest::newRow("more than five words")
        << QStringList{u"aaaa bbbb cccc dddd eeee ffff ffff"_s} << QStringList() << QString() << false << 4 << false
        << u"ffff, aaaa, bbbb, cccc, dddd"_s;
    QTest::newRow("minimum too high") << towers << QStringList() << QString() << false << 20 << false << QString();
}

void FolderProposalTest::proposal()
{
    QFETCH(QStringList, freeTexts);
    QFETCH(QStringList, affixes);
    QFETCH(QString, prefix);
    QFETCH(bool, usePrefix);
    QFETCH(int, minChar);
    QFETCH(bool, filterDigit);
    QFETCH(QString, expected);
    FolderProposalInput input;
    input.freeTexts = freeTexts;
    input.pictureAffixes = affixes;
    input.prefix = prefix;
    input.usePrefix = usePrefix;
    input.suffix = u"unused"_s;
    input.minChar = minChar;
    input.filterDigit = filterDigit;
    QCOMPARE(proposeFolderDescription(input), expected);
}

void FolderProposalTest::wordCounts()
{
    const QList<WoordStripRec> words = countWords({u"Eiffel tower"_s, u"eiffel Tower at night"_s}, 4, false);
    QCOMPARE(words.size(), 3);
    QCOMPARE(words.at(0), (WoordStripRec{u"Eiffel"_s, u"eiffel"_s, 2, 1, 1}));
    QCOMPARE(words.at(1), (WoordStripRec{u"tower"_s, u"tower"_s, 2, 1, 1}));
    // Equal counts: the first letter is upper case unless lower case won.
    QCOMPARE(topWords(words), u"Eiffel, Tower, night"_s);
}

QTEST_GUILESS_MAIN(FolderProposalTest)
#include "folderproposaltest.moc"
