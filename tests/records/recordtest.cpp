#include "records/daycount.h"
#include "records/record.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Records;

class RecordTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortStringBytes();
    void shortStringIsCutToItsField();
    void shortStringIsCutOnACharacterBoundary();
    void windows1252StringsOfOlderFilesRead();
    void damagedLengthIsClamped();
    void damagedLengthInventsNoCharacters();
    void integersAreLittleEndian();
    void anyNonZeroByteIsTrue();
    void doubleBytes();
    void dayCount_data();
    void dayCount();
};

void RecordTest::shortStringBytes()
{
    Record record = Record::fromBytes(QByteArray(8, char(0xAA)), 8);
    record.setString(1, 5, u"é€"_s);
    QCOMPARE(record.bytes(), QByteArray("\xaa\x05\xc3\xa9\xe2\x82\xac\xaa", 8));
    QCOMPARE(record.string(1, 5), u"é€"_s);
    record.setString(1, 5, u"Ω"_s);
    QCOMPARE(record.bytes(), QByteArray("\xaa\x02\xce\xa9\x00\x00\x00\xaa", 8));
    QCOMPARE(record.string(1, 5), u"Ω"_s);
}

void RecordTest::shortStringIsCutToItsField()
{
    Record record(5);
    record.setString(0, 3, u"abcdef"_s);
    QCOMPARE(record.bytes(), QByteArray("\x03" "abc\x00", 5));
    QCOMPARE(record.string(0, 3), u"abc"_s);
}

void RecordTest::shortStringIsCutOnACharacterBoundary()
{
    // The field's bytes are counted, not the characters, and no character is cut in two.
    Record record(6);
    record.setString(0, 4, u"aé€"_s);
    QCOMPARE(record.bytes(), QByteArray("\x03" "a\xc3\xa9\x00\x00", 6));
    QCOMPARE(record.string(0, 4), u"aé"_s);
    record.setString(0, 4, u"Привет"_s);
    QCOMPARE(record.bytes(), QByteArray("\x04\xd0\x9f\xd1\x80\x00", 6));
    QCOMPARE(record.string(0, 4), u"Пр"_s);
}

void RecordTest::windows1252StringsOfOlderFilesRead()
{
    const Record record = Record::fromBytes(QByteArray("\x06" "Caf\xe9 \x80", 7), 7);
    QCOMPARE(record.string(0, 6), u"Café €"_s);
}

void RecordTest::damagedLengthIsClamped()
{
    // A length byte larger than the field must not read the next field's bytes as text.
    const Record record = Record::fromBytes(QByteArray("\xff" "ab" "XYZ", 6), 6);
    QCOMPARE(record.string(0, 2), u"ab"_s);
}

void RecordTest::damagedLengthInventsNoCharacters()
{
    // The bytes a writer leaves past a text are zero: they never read as characters.
    const Record record = Record::fromBytes(QByteArray("\xff" "a\x00\x00" "\xff\x00\x00\x00", 8), 8);
    QCOMPARE(record.string(0, 3), u"a"_s);
    QCOMPARE(record.string(4, 3), u""_s);
}

void RecordTest::integersAreLittleEndian()
{
    Record record(8);
    record.setInt32(0, -2);
    record.setInt32(4, 0x01020304);
    QCOMPARE(record.bytes(), QByteArray("\xfe\xff\xff\xff\x04\x03\x02\x01", 8));
    QCOMPARE(record.int32(0), -2);
    QCOMPARE(record.int32(4), 0x01020304);
}

void RecordTest::anyNonZeroByteIsTrue()
{
    Record record = Record::fromBytes(QByteArray("\x00\x07", 2), 2);
    QVERIFY(!record.boolean(0));
    QVERIFY(record.boolean(1));
    record.setBoolean(0, true);
    QCOMPARE(record.byte(0), quint8(1));
}

void RecordTest::doubleBytes()
{
    Record record(8);
    record.setFloat64(0, 1.5);
    QCOMPARE(record.bytes(), QByteArray("\x00\x00\x00\x00\x00\x00\xf8\x3f", 8));
}

void RecordTest::dayCount_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("days");
    QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("noon of day two") << QDateTime(QDate(1900, 1, 1), QTime(12, 0)) << 2.5;
    QTest::newRow("before the epoch") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
    QTest::newRow("christmas 2023") << QDateTime(QDate(2023, 12, 24), QTime(18, 0)) << 45284.75;
}

void RecordTest::dayCount()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(double, days);
    QCOMPARE(DayCount::fromDateTime(dateTime), days);
    QCOMPARE(DayCount::toDateTime(days), dateTime);
}

QTEST_GUILESS_MAIN(RecordTest)
#include "recordtest.moc"
