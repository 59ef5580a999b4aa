#include "compose/exiftagdatabase.h"

#include "fixturepictures.h"

#include "metadata/picturemetadata.h"
#include "support/files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;
using Metadata::ExifElRec;
using Metadata::TAExifEl;
using Dir = Tools::ExifWriter::Directory;

namespace {

constexpr quint16 fNumber = 33437;
constexpr quint16 isoSpeed = 34855;

QByteArray cameraPicture(bool withIso, const QByteArray &make = "Canon")
{
    Tools::ExifWriter exif;
    exif.setAscii(Dir::Main, Tools::ExifTag::make, make);
    exif.setRationals(Dir::Exif, fNumber, {{28, 10}});
    if (withIso)
        exif.setShort(Dir::Exif, isoSpeed, 200);
    exif.setAscii(Dir::Exif, Tools::ExifTag::dateTimeOriginal, "2023:12:24 15:30:07");
    return FixturePictures::jpeg(exif);
}

ExifElRec selected(qint32 number, const QString &name, const QString &description)
{
    return ExifElRec{number, u"1"_s, name, description, QString()};
}

} // namespace

Q_DECLARE_METATYPE(Metadata::TAExifEl)

class ExifTagDatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void missingOrEmptyFileIsToBeBuilt();
    void roundTripIsByteExact();
    void failedWriteKeepsTheOldContent();
    void onlySelected();
    void tagText_data();
    void tagText();
    void tagsOfAllPictures();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void ExifTagDatabaseTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(FixturePictures::write(path(u"full.jpg"_s), cameraPicture(true)));
    QVERIFY(FixturePictures::write(path(u"noiso.jpg"_s), cameraPicture(false, "Nikon")));
    QVERIFY(FixturePictures::write(path(u"plain.jpg"_s), FixturePictures::emptyJpeg()));
}

void ExifTagDatabaseTest::cleanup()
{
    m_dir.reset();
}

void ExifTagDatabaseTest::missingOrEmptyFileIsToBeBuilt()
{
    ExifTagDatabase database(path(u"ExifEl.dat"_s));
    QVERIFY(database.InitFExifEl());
    QVERIFY(database.isToBeBuilt());
    QVERIFY(QFileInfo::exists(database.path()));
    QCOMPARE(QFileInfo(database.path()).size(), 0);

    ExifTagDatabase again(database.path());
    QVERIFY(again.InitFExifEl());
    QVERIFY(again.isToBeBuilt());

    QVERIFY(again.write({selected(fNumber, u"FNumber"_s, u"F"_s)}));
    ExifTagDatabase filled(database.path());
    QVERIFY(filled.InitFExifEl());
    QVERIFY(!filled.isToBeBuilt());

    // A file that is not a whole number of records cannot be read: start-up stops on it.
    QVERIFY(writeFile(path(u"damaged.dat"_s), QByteArray(700, 'x')));
    ExifTagDatabase damaged(path(u"damaged.dat"_s));
    QVERIFY(!damaged.InitFExifEl());
}

void ExifTagDatabaseTest::roundTripIsByteExact()
{
    ExifTagDatabase database(path(u"ExifEl.dat"_s));
    const TAExifEl tags = {ExifElRec{fNumber, u"1"_s, u"FNumber"_s, u"F"_s, u"28/10"_s},
                           ExifElRec{36867, u"0"_s, u"DateTimeOriginal"_s, u"Taken"_s, QString()},
                           ExifElRec{271, u"1"_s, QString(250, u'M'), u"Make"_s, QString()}};
    QVERIFY(database.write(tags));
    const QByteArray bytes = readFile(database.path());
    QCOMPARE(bytes.size(), 3 * ExifElRec::size);
    // The first record field by field: number, selection, name, description, and no value.
    QCOMPARE(QByteArray(bytes.constData(), 4), QByteArray("\x9D\x82\x00\x00", 4));
    QCOMPARE(bytes.mid(4, 2), QByteArray("\x01" "1"));
    QCOMPARE(bytes.mid(6, 8), QByteArray("\x07" "FNumber"));
    QCOMPARE(bytes.mid(207, 2), QByteArray("\x01" "F"));
    QCOMPARE(bytes.at(408), '\0');
    // A name longer than 200 characters is cut.
    QCOMPARE(quint8(bytes.at(2 * ExifElRec::size + 6)), 200);

    const auto read = database.GetAllExifFile(false);
    QVERIFY(read);
    QCOMPARE(read->size(), 3);
    QCOMPARE(read->at(0), (ExifElRec{fNumber, u"1"_s, u"FNumber"_s, u"F"_s, QString()}));
    QCOMPARE(read->at(2).ElTag, QString(200, u'M'));
    QVERIFY(database.write(*read));
    QCOMPARE(readFile(database.path()), bytes);
}

void ExifTagDatabaseTest::failedWriteKeepsTheOldContent()
{
    // The new content is written beside the file under a longer name, which a name near the
    // file system's limit leaves no room for.
    const QString longPath = path(QString(250, u'e'));
    ExifTagDatabase database(longPath);
    const QByteArray old = ExifElRec{fNumber, u"1"_s, u"FNumber"_s, u"F"_s, QString()}.toBytes();
    QVERIFY(writeFile(longPath, old));
    const auto written = database.write({selected(isoSpeed, u"ISOSpeedRatings"_s, u"ISO"_s)});
    QVERIFY(!written);
    QCOMPARE(written.error().path, longPath);
    QCOMPARE(readFile(longPath), old);
}

void ExifTagDatabaseTest::onlySelected()
{
    ExifTagDatabase database(path(u"ExifEl.dat"_s));
    QVERIFY(database.write({selected(fNumber, u"FNumber"_s, u"F"_s),
                            ExifElRec{271, u"0"_s, u"Make"_s, u"Make"_s, QString()},
                            selected(isoSpeed, u"ISOSpeedRatings"_s, u"ISO"_s)}));
    const auto chosen = database.GetAllExifFile(true);
    QVERIFY(chosen);
    QCOMPARE(chosen->size(), 2);
    QCOMPARE(chosen->at(0).ElTag, u"FNumber"_s);
    QCOMPARE(chosen->at(1).ElTag, u"ISOSpeedRatings"_s);
}

void ExifTagDatabaseTest::tagText_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<TAExifEl>("chosen");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<QString>("expected");
    const TAExifEl fAndIso = {selected(fNumber, u"FNumber"_s, u"FNumber"_s),
                              selected(isoSpeed, u"ISOSpeedRatings"_s, u"ISO"_s)};
    QTest::newRow("both found") << u"full.jpg"_s << fAndIso << false << u"FNumber-28-10,ISO-200"_s;
    QTest::newRow("missing, unmarked") << u"noiso.jpg"_s << fAndIso << false << u"FNumber-28-10"_s;
    QTest::newRow("missing, marked") << u"noiso.jpg"_s << fAndIso << true << u"FNumber-28-10,ISO-na"_s;
    const TAExifEl isoFirst = {fAndIso.at(1), fAndIso.at(0)};
    QTest::newRow("missing first, unmarked: no leading comma") << u"noiso.jpg"_s << isoFirst << false
                                                               << u"FNumber-28-10"_s;
    QTest::newRow("no EXIF, marked") << u"plain.jpg"_s << fAndIso << true << u"FNumber-na,ISO-na"_s;
    QTest::newRow("no EXIF, unmarked") << u"plain.jpg"_s << fAndIso << false << QString();
    QTest::newRow("value cleaned") << u"full.jpg"_s
                                   << TAExifEl{selected(36867, u"DateTimeOriginal"_s, u"DateTimeOriginal"_s)} << false
                                   << u"DateTimeOriginal-2023;12;24 15;30;07"_s;
    QTest::newRow("same number, other name") << u"full.jpg"_s << TAExifEl{selected(fNumber, u"Other"_s, u"O"_s)}
                                             << true << u"O-na"_s;
}

void ExifTagDatabaseTest::tagText()
{
    QFETCH(QString, picture);
    QFETCH(TAExifEl, chosen);
    QFETCH(bool, mark);
    QFETCH(QString, expected);
    QCOMPARE(ExifTagDatabase::tagText(chosen, Metadata::readTagList(path(picture)), mark), expected);

    // The element of a pass reads the selection from the database once.
    ExifTagDatabase database(path(u"ExifEl.dat"_s));
    QVERIFY(database.write(chosen));
    ExifTagElement element(database);
    element.startPass(true, mark);
    QCOMPARE(element.text(path(picture)), expected);
    element.startPass(false, mark);
    QCOMPARE(element.text(path(picture)), QString());
}

void ExifTagDatabaseTest::tagsOfAllPictures()
{
    const TAExifEl all = ExifTagDatabase::GetExifOfAllPics(
        {path(u"plain.jpg"_s), path(u"noiso.jpg"_s), path(u"full.jpg"_s), path(u"missing.jpg"_s)});
    QStringList names;
    for (const ExifElRec &tag : all) {
        names.append(tag.ElTag);
        QCOMPARE(tag.ElSelected, u"0"_s);
    }
    // Each tag once, in the order the pictures bring them; the values of the first picture.
    QCOMPARE(names.count(u"Make"_s), 1);
    QCOMPARE(names.count(u"FNumber"_s), 1);
    QCOMPARE(names.last(), u"ISOSpeedRatings"_s);
    QCOMPARE(all.at(names.indexOf(u"Make"_s)).ElValue, u"Nikon"_s);
    QCOMPARE(all.at(names.indexOf(u"DateTimeOriginal"_s)).ElUserTag, u"DateTimeOriginal"_s);
}

QTEST_GUILESS_MAIN(ExifTagDatabaseTest)
#include "exiftagdatabasetest.moc"
