#include "session/sgtitlerec.h"

#include "support/bytes.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

class SGTitleRecTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offsets();
    void fieldsAreCutToTheirMaximum();
    void oldRecordOffsets();
    void titleTextsAreReadClean();
};

void SGTitleRecTest::offsets()
{
    SGTitleRec rec;
    rec.STSelect = u">>i"_s;
    rec.STOld = u"IMG_0001.JPG"_s;
    rec.STNew = u"Sunset at the beach"_s;
    rec.STError = u"3"_s;
    rec.STSubjIndex = -1;
    rec.STStage2 = true;
    rec.STEditAll = true;
    rec.STVersion = u"4.4.0.0"_s;
    rec.STPrefix = u"pre"_s;
    rec.STSuffix = u"suf"_s;
    rec.STMarkDelete = true;

    const QByteArray b = rec.toBytes();
    QCOMPARE(b.size(), 900);
    QCOMPARE(shortStringAt(b, 0), QByteArray(">>i"));
    QCOMPARE(shortStringAt(b, 4), QByteArray("IMG_0001.JPG"));
    QCOMPARE(shortStringAt(b, 260), QByteArray("Sunset at the beach"));
    QCOMPARE(shortStringAt(b, 516), QByteArray("3"));
    QCOMPARE(b.mid(518, 2), QByteArray(2, '\0'));
    QCOMPARE(int32At(b, 520), -1);
    QCOMPARE(b.at(524), char(1));
    QCOMPARE(b.at(525), char(1));
    QCOMPARE(shortStringAt(b, 526), QByteArray("4.4.0.0"));
    QCOMPARE(shortStringAt(b, 537), QByteArray("pre"));
    QCOMPARE(shortStringAt(b, 588), QByteArray("suf"));
    // The reserved strings (the first one 22 characters long) are written empty.
    for (const int offset : {639, 662, 693, 724, 755, 786, 817})
        QCOMPARE(b.at(offset), char(0));
    QCOMPARE(b.at(848), char(1));
    QCOMPARE(b.mid(849), QByteArray(900 - 849, '\0'));
    QCOMPARE(SGTitleRec::fromBytes(b), rec);
}

void SGTitleRecTest::fieldsAreCutToTheirMaximum()
{
    SGTitleRec rec;
    rec.STSelect = u">>>>"_s;
    rec.STError = u"12"_s;
    rec.STPrefix = QString(60, u'p');
    rec.STResStr3 = QString(40, u'r');
    const QByteArray b = rec.toBytes();
    QCOMPARE(shortStringAt(b, 0), QByteArray(">>>"));
    QCOMPARE(shortStringAt(b, 516), QByteArray("1"));
    QCOMPARE(shortStringAt(b, 537), QByteArray(50, 'p'));
    QCOMPARE(shortStringAt(b, 639), QByteArray(22, 'r'));
    QCOMPARE(b.at(662), char(0));
}

void SGTitleRecTest::oldRecordOffsets()
{
    QByteArray b(520, '\0');
    b[0] = 1;
    b[1] = '>';
    b[4] = 5;
    b.replace(5, 5, "a.jpg");
    b[260] = 3;
    b.replace(261, 3, "sea");
    b[516] = 1;
    b[517] = '2';
    b[518] = 1;
    b[519] = 0;
    const SGTitleRecOld rec = SGTitleRecOld::fromBytes(b);
    QCOMPARE(rec.select, u">"_s);
    QCOMPARE(rec.oldTitle, u"a.jpg"_s);
    QCOMPARE(rec.newText, u"sea"_s);
    QCOMPARE(rec.error, u"2"_s);
    QVERIFY(rec.stage2);
    QVERIFY(!rec.editAll);
    QCOMPARE(rec.toBytes(), b);
}

void SGTitleRecTest::titleTextsAreReadClean()
{
    // Written by another program or damaged: what a title may not hold goes, as typing would
    // have removed it. The current title is a real name and stays as read.
    SGTitleRec rec;
    rec.STOld = u"a:b.jpg"_s;
    rec.STNew = u"../x/y\u0000z\nw"_s;
    rec.STPrefix = u"p<r>e|"_s;
    rec.STSuffix = u"s\\u*f?\"\t"_s;
    const SGTitleRec read = SGTitleRec::fromBytes(rec.toBytes());
    QCOMPARE(read.STOld, u"a:b.jpg"_s);
    QCOMPARE(read.STNew, u"..xyzw"_s);
    QCOMPARE(read.STPrefix, u"pre"_s);
    QCOMPARE(read.STSuffix, u"suf"_s);

    SGTitleRecOld old;
    old.newText = u"a/b"_s;
    QCOMPARE(SGTitleRecOld::fromBytes(old.toBytes()).newText, u"ab"_s);
}

QTEST_GUILESS_MAIN(SGTitleRecTest)
#include "sgtitlerectest.moc"
