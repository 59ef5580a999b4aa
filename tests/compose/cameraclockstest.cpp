#include "compose/cameraclocks.h"
#include "compose/cameraclocksmodel.h"
#include "compose/picturedates.h"

#include "metadata/camerafacts.h"
#include "records/recordfile.h"
#include "session/picturerow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;
using namespace Compose;

namespace {

Session::PictureRow row(const QString &title, bool selected = true)
{
    Session::PictureRow picture;
    picture.currentTitle = title;
    picture.marker = selected ? u"X"_s : QString();
    return picture;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString readFileText(const QString &path)
{
    return QString::fromUtf8(bytesOf(path));
}

} // namespace

class CameraClocksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void offsetsSurviveTheFile();
    void failedSaveKeepsTheOldFile();
    void datesAreCorrectedPerCamera();
    void dialogListsCamerasOfTheSelection();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    // Facts by file name, as the pictures of a folder would give them.
    QHash<QString, Metadata::CameraFacts> m_facts;
    PictureDates::Reader reader()
    {
        return [this](const QString &path) { return m_facts.value(QFileInfo(path).fileName()); };
    }
};

void CameraClocksTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const Metadata::CameraFacts camera{u"2024-05-03 13:10:04"_s, u"NIKON CORPORATION"_s, u"NIKON D750"_s, u"3012345"_s,
                                       u"+01:00"_s};
    const Metadata::CameraFacts phone{u"2024-05-03 14:22:10"_s, u"Apple"_s, u"iPhone 13"_s, {}, u"+01:00"_s};
    m_facts = {{u"DSC_1.JPG"_s, camera}, {u"IMG_1.jpg"_s, phone}, {u"DSC_2.JPG"_s, camera}, {u"scan.png"_s, {}}};
    m_facts[u"DSC_2.JPG"_s].dateTaken = u"2024-05-04 23:59:00"_s;
    m_facts[u"DSC_2.JPG"_s].offsetTime = u"+03:00"_s;
}

void CameraClocksTest::offsetsSurviveTheFile()
{
    const QString path = m_dir->filePath(CameraClocks::fileName());
    CameraClocks clocks(path);
    QVERIFY(clocks.load());
    QVERIFY(clocks.isEmpty());
    const CameraId nikon{u"NIKON CORPORATION"_s, u"NIKON D750"_s, u"3012345"_s};
    const CameraId other{u"NIKON CORPORATION"_s, u"NIKON D750"_s, u"99"_s};
    const CameraId tabbed{u"Odd\tMake"_s, u"Caf\u00e9 1"_s, {}};
    clocks.setOffset(nikon, 4320);
    clocks.setOffset(tabbed, -86400);
    QCOMPARE(clocks.offset(other), 0);
    QVERIFY(clocks.save());

    CameraClocks again(path);
    QVERIFY(again.load());
    QCOMPARE(again.offset(nikon), 4320);
    QCOMPARE(again.offset(tabbed), -86400);
    QCOMPARE(again.offset(other), 0);
    // Setting no offset forgets the camera.
    again.setOffset(nikon, 0);
    QVERIFY(again.save());
    QVERIFY(!readFileText(path).contains(u"D750"_s));
    QVERIFY(readFileText(path).contains(u"Caf\u00e9"_s));
}

void CameraClocksTest::failedSaveKeepsTheOldFile()
{
    const QString path = m_dir->filePath(CameraClocks::fileName());
    CameraClocks clocks(path);
    clocks.setOffset({u"A"_s, u"B"_s, {}}, 60);
    QVERIFY(clocks.save());
    const QByteArray before = bytesOf(path);
    QVERIFY(!before.isEmpty());
    clocks.setOffset({u"A"_s, u"B"_s, {}}, 120);
    {
        const Records::SimulatedWriteFailure full(Records::WriteStep::Write, ENOSPC);
        QVERIFY(!clocks.save());
    }
    QCOMPARE(bytesOf(path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
}

void CameraClocksTest::datesAreCorrectedPerCamera()
{
    CameraClocks clocks;
    PictureDates dates(clocks, reader());
    const QString folder = m_dir->path() + u'/';
    QCOMPARE(dates.dateTaken(folder + u"DSC_1.JPG"_s), u"2024-05-03 13:10:04"_s);
    clocks.setOffset({u"NIKON CORPORATION"_s, u"NIKON D750"_s, u"3012345"_s}, 4320);
    QCOMPARE(dates.dateTaken(folder + u"DSC_1.JPG"_s), u"2024-05-03 14:22:04"_s);
    QCOMPARE(dates.dateTaken(folder + u"DSC_2.JPG"_s), u"2024-05-05 01:11:00"_s);
    QCOMPARE(dates.offset(folder + u"DSC_2.JPG"_s), 4320);
    QCOMPARE(dates.dateTaken(folder + u"IMG_1.jpg"_s), u"2024-05-03 14:22:10"_s);
    // A picture without a date taken has nothing to correct, whatever its camera.
    clocks.setOffset({}, 60);
    QCOMPARE(dates.dateTaken(folder + u"scan.png"_s), QString());
    QCOMPARE(dates.offset(folder + u"scan.png"_s), 0);
}

void CameraClocksTest::dialogListsCamerasOfTheSelection()
{
    CameraClocks clocks;
    PictureDates dates(clocks, reader());
    const QList<Session::PictureRow> rows = {row(u"DSC_1.JPG"_s), row(u"IMG_1.jpg"_s), row(u"DSC_2.JPG"_s),
                                             row(u"scan.png"_s, false)};
    CameraClocksModel model(clocks, dates, rows, m_dir->path());
    QCOMPARE(model.cameras().size(), 2);
    QCOMPARE(CameraClocksModel::cameraText(model.cameras().at(0).camera), u"NIKON D750 (serial number 3012345)"_s);
    QCOMPARE(CameraClocksModel::cameraText(model.cameras().at(1).camera), u"Apple iPhone 13"_s);
    QCOMPARE(CameraClocksModel::cameraText({}), u"Unknown camera"_s);
    QCOMPARE(model.summaryText(0), u"2 picture(s), 2024-05-03 13:10:04 \u2013 2024-05-04 23:59:00"_s);
    // One camera in two time zones is worth a look; the phone stayed in one.
    QCOMPARE(model.zonesText(0), u"Taken in different time zones: +01:00, +03:00"_s);
    QCOMPARE(model.zonesText(1), QString());

    // The camera's first picture was really taken at 14:22:04.
    QVERIFY(model.setOffsetFromPicture(0, 0, QDateTime(QDate(2024, 5, 3), QTime(14, 22, 4))));
    QCOMPARE(model.cameras().at(0).offset, 4320);
    QCOMPARE(model.correctedDate(0, 1), u"2024-05-05 01:11:00"_s);
    QVERIFY(!model.setOffsetText(1, u"soon"_s));
    QVERIFY(model.setOffsetText(1, u"-0:00:10"_s));
    // Nothing changes until the dialog's OK.
    QCOMPARE(clocks.offset(model.cameras().at(0).camera), 0);
    QVERIFY(model.apply());
    QCOMPARE(dates.dateTaken(m_dir->filePath(u"DSC_1.JPG"_s)), u"2024-05-03 14:22:04"_s);
    QCOMPARE(dates.dateTaken(m_dir->filePath(u"IMG_1.jpg"_s)), u"2024-05-03 14:22:00"_s);
    QVERIFY(!model.apply());
}

QTEST_GUILESS_MAIN(CameraClocksTest)
#include "cameraclockstest.moc"
