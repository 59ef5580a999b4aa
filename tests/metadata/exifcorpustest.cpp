#include "metadata/datetaken.h"
#include "metadata/exifelrec.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/orientation.h"
#include "metadata/valuetext.h"
#include "records/textcodec.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Metadata;

// The real camera files beside the clone, with what the reader must deliver for each: dates,
// orientation, GPS texts, make and model, and the full tag list. "exact" files must agree in
// every field; "lenient" ones (damaged or ambiguous) may leave fields empty but never give
// another value; "impl-defined" ones are where the reader goes beyond JPEG and TIFF.
class ExifCorpusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void corpusFile_data();
    void corpusFile();
    void fileAndMemoryReadsAgree_data();
    void fileAndMemoryReadsAgree();
    void cleanupTestCase();

private:
    // A tag is known by its number and name, as in the EXIF tag database.
    struct TagRow
    {
        int tag = 0;
        QString name;
        QString value;
        // The oracle cuts an ASCII value to its first 200 bytes, the program to 200 characters;
        // a value of UTF-8 text that the oracle cut is known only as far as the oracle kept it.
        bool knownInPart = false;

        bool matches(const QString &given) const { return knownInPart ? given.startsWith(value) : given == value; }
    };
    struct Actual
    {
        QHash<QString, QString> fields;
        QList<TagRow> tags;
    };

    void addFileRows();
    static Actual actualOf(const QString &path);

    QString m_corpus;
    QList<QString> m_columns;
    QHash<QString, QStringList> m_expected;
    QHash<QString, QList<TagRow>> m_expectedTags;
    QMap<QString, int> m_outcomes;
};

namespace {

constexpr int makeTag = 271;
constexpr int modelTag = 272;
constexpr quint16 firstWindowsTextTag = 40091;
constexpr quint16 lastWindowsTextTag = 40095;

// The files escape "\\", "\t", "\n", "\r" and, as "\xNN", control characters and, in ASCII
// values, bytes of 0x7F and above, whose characters depend on the code page. UCS-2 values are
// written as UTF-8.
QString unescaped(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\\' || i + 1 >= text.size()) {
            result.append(text.at(i));
            continue;
        }
        const QChar next = text.at(++i);
        if (next == u'x' && i + 2 < text.size()) {
            result.append(QChar(char16_t(text.mid(i + 1, 2).toUShort(nullptr, 16))));
            i += 2;
        } else {
            result.append(next == u't' ? u'\t' : next == u'n' ? u'\n' : next == u'r' ? u'\r' : next);
        }
    }
    return result;
}

// An ASCII value: its bytes as the program reads them (UTF-8, otherwise Windows-1252).
QString asciiField(const QString &text)
{
    return Records::TextCodec::decode(unescaped(text).toLatin1());
}

// The same for a value the oracle may have cut to 200 bytes, possibly inside a UTF-8 character:
// such a value is known up to its last whole character.
QString asciiValue(const QString &text, bool *knownInPart)
{
    QByteArray bytes = unescaped(text).toLatin1();
    *knownInPart = false;
    if (bytes.size() != maxValueTextLength)
        return Records::TextCodec::decode(bytes);
    for (int chopped = 0; chopped < 4 && !bytes.isEmpty(); ++chopped, bytes.chop(1)) {
        if (Records::TextCodec::isValidUtf8(bytes)) {
            const QString value = Records::TextCodec::decode(bytes);
            *knownInPart = value.size() < maxValueTextLength;
            return value;
        }
    }
    return asciiField(text);
}

QList<QStringList> readTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            rows.append(QString::fromUtf8(line).split(u'\t'));
    }
    return rows;
}

} // namespace

void ExifCorpusTest::initTestCase()
{
    m_corpus = qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/../shared/exif-corpus"_s;
    const QList<QStringList> expected = readTable(m_corpus + u"/expected.tsv"_s);
    if (expected.isEmpty())
        return;
    m_columns = expected.first();
    for (const QStringList &row : expected.sliced(1))
        m_expected.insert(row.first(), row);
    const QList<QStringList> tags = readTable(m_corpus + u"/expected-tags.tsv"_s);
    for (const QStringList &row : tags.sliced(1)) {
        // file, dir, tag, name, type, count, value_text, flags, file_check
        QCOMPARE(row.size(), 9);
        const int tag = row.at(2).toInt();
        const bool unicode = row.at(1) == u"IFD0"_s && tag >= firstWindowsTextTag && tag <= lastWindowsTextTag;
        TagRow expectedRow{tag, row.at(3), {}};
        expectedRow.value = unicode ? unescaped(row.at(6)) : asciiValue(row.at(6), &expectedRow.knownInPart);
        m_expectedTags[row.at(0)].append(expectedRow);
    }
}

void ExifCorpusTest::addFileRows()
{
    QTest::addColumn<QString>("file");
    if (m_expected.isEmpty())
        QSKIP("The EXIF corpus is not beside the source tree");
    QStringList files = m_expected.keys();
    files.sort();
    for (const QString &file : std::as_const(files))
        QTest::newRow(file.toUtf8().constData()) << file;
}

ExifCorpusTest::Actual ExifCorpusTest::actualOf(const QString &path)
{
    Actual actual;
    const ExifResult<ExifData> data = ExifReader::read(path);
    if (!data)
        return actual;
    actual.fields.insert(u"date_taken"_s, dateTakenText(*data));
    actual.fields.insert(u"orientation"_s, orientationText(*data));
    actual.fields.insert(u"gps_lat_raw"_s, coordinateText(*data, GpsCoordinate::Latitude));
    actual.fields.insert(u"gps_lon_raw"_s, coordinateText(*data, GpsCoordinate::Longitude));
    actual.fields.insert(u"position_text"_s, positionText(rawPositionText(*data)));
    actual.fields.insert(u"byte_order"_s, data->bigEndian ? u"MM"_s : u"II"_s);
    const TAExifEl list = tagList(*data);
    actual.fields.insert(u"exif_tag_count"_s, QString::number(list.size()));
    for (const ExifElRec &element : list) {
        actual.tags.append(TagRow{element.ElTagnbr, element.ElTag, element.ElValue});
        if (element.ElTagnbr == makeTag && element.ElTag == u"Make"_s)
            actual.fields.insert(u"make"_s, element.ElValue);
        if (element.ElTagnbr == modelTag && element.ElTag == u"Model"_s)
            actual.fields.insert(u"model"_s, element.ElValue);
    }
    return actual;
}

void ExifCorpusTest::corpusFile_data()
{
    addFileRows();
}

void ExifCorpusTest::corpusFile()
{
    QFETCH(QString, file);
    const QStringList expected = m_expected.value(file);
    const QString check = expected.at(m_columns.indexOf(u"check"_s));
    const Actual actual = actualOf(m_corpus + u"/files/"_s + file);
    const QList<TagRow> expectedTags = m_expectedTags.value(file);

    if (check == u"impl-defined"_s) {
        qInfo("%s gives date %s, orientation %s, position %s~%s, %lld tags", qPrintable(file),
              qPrintable(actual.fields.value(u"date_taken"_s)), qPrintable(actual.fields.value(u"orientation"_s)),
              qPrintable(actual.fields.value(u"gps_lat_raw"_s)), qPrintable(actual.fields.value(u"gps_lon_raw"_s)),
              qlonglong(actual.tags.size()));
        ++m_outcomes[actual.tags.isEmpty() ? u"impl-defined, nothing read"_s : u"impl-defined, read"_s];
        return;
    }

    const QStringList fields = {u"date_taken"_s, u"orientation"_s, u"gps_lat_raw"_s, u"gps_lon_raw"_s,
                                u"make"_s, u"model"_s, u"exif_tag_count"_s, u"position_text"_s};
    const bool lenient = check == u"lenient"_s;
    bool allGiven = true;
    for (const QString &field : fields) {
        QString wanted = expected.at(m_columns.indexOf(field));
        if (field == u"make"_s || field == u"model"_s)
            wanted = asciiField(wanted);
        QString given = actual.fields.value(field);
        if (field == u"exif_tag_count"_s && given.isEmpty())
            given = u"0"_s;
        if (lenient && given != wanted && (given.isEmpty() || (given == u"0"_s && field == u"exif_tag_count"_s))) {
            allGiven = false;
            continue;
        }
        QVERIFY2(given == wanted, qPrintable(field + u": got \""_s + given + u"\", want \""_s + wanted + u'"'));
    }
    const QString byteOrder = expected.at(m_columns.indexOf(u"byte_order"_s));
    if (!actual.fields.isEmpty() && !byteOrder.isEmpty())
        QCOMPARE(actual.fields.value(u"byte_order"_s), byteOrder);

    if (lenient) {
        // Every listed tag must be one the file has, with its value or none.
        QList<TagRow> unmatched = expectedTags;
        for (const TagRow &row : actual.tags) {
            const auto found = std::find_if(unmatched.begin(), unmatched.end(), [&](const TagRow &wanted) {
                return wanted.tag == row.tag && wanted.name == row.name;
            });
            QVERIFY2(found != unmatched.end(), qPrintable(u"unexpected tag "_s + row.name));
            QVERIFY2(row.value.isEmpty() || found->matches(row.value), qPrintable(row.name + u": "_s + row.value));
            unmatched.erase(found);
        }
        ++m_outcomes[allGiven ? u"lenient, all fields as expected"_s : u"lenient, some fields left empty"_s];
        return;
    }
    QCOMPARE(actual.tags.size(), expectedTags.size());
    for (qsizetype i = 0; i < expectedTags.size(); ++i) {
        const TagRow &given = actual.tags.at(i);
        const TagRow &wanted = expectedTags.at(i);
        QCOMPARE(given.tag, wanted.tag);
        QCOMPARE(given.name, wanted.name);
        if (wanted.knownInPart)
            QVERIFY2(wanted.matches(given.value), qPrintable(given.name + u": "_s + given.value));
        else
            QCOMPARE(given.value, wanted.value);
    }
    ++m_outcomes[u"exact, passed"_s];
}

void ExifCorpusTest::fileAndMemoryReadsAgree_data()
{
    addFileRows();
}

// The seed replay: the byte parser the fuzzer drives gives for each file in memory exactly
// what the bounded file reader gives.
void ExifCorpusTest::fileAndMemoryReadsAgree()
{
    QFETCH(QString, file);
    const QString path = m_corpus + u"/files/"_s + file;
    QFile picture(path);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray bytes = picture.readAll();
    const ExifResult<ExifData> fromFile = ExifReader::read(path);
    const ExifResult<ExifData> fromMemory = ExifReader::readBytes(bytes);
    // The fuzzer also reads every input as a bare TIFF structure.
    const ExifResult<ExifData> asTiff = ExifReader::readTiff(bytes);
    if (bytes.startsWith("II*") || bytes.startsWith("MM"))
        QCOMPARE(asTiff.has_value(), fromFile.has_value());
    QCOMPARE(fromMemory.has_value(), fromFile.has_value());
    if (fromFile)
        QVERIFY(*fromMemory == *fromFile);
    else
        QVERIFY(fromMemory.error() == fromFile.error());
}

void ExifCorpusTest::cleanupTestCase()
{
    for (auto it = m_outcomes.cbegin(); it != m_outcomes.cend(); ++it)
        qInfo("%s: %d", qPrintable(it.key()), it.value());
}

QTEST_GUILESS_MAIN(ExifCorpusTest)
#include "exifcorpustest.moc"
