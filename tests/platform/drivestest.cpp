#include "platform/drives.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Inside a chroot or a container the mount table does not show the file systems; the drives
// must still answer for the folders that are plainly there.
class DrivesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readinessWithoutMountTable_data();
    void readinessWithoutMountTable();
    void drivesWithoutMountTable();

private:
    static QStorageInfo unseen(const QString &) { return {}; }
};

void DrivesTest::readinessWithoutMountTable_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("ready");
    QTest::newRow("existing folder") << u"pics"_s << true << true;
    QTest::newRow("missing folder below one") << u"pics/new/deeper"_s << true << true;
    QTest::newRow("relative path") << u"pics"_s << false << false;
}

void DrivesTest::readinessWithoutMountTable()
{
    QFETCH(QString, relative);
    QFETCH(bool, absolute);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"pics"_s));
    const QString path = absolute ? dir.filePath(relative) : relative;
    QTEST(Platform::isDriveReady(path, unseen), "ready");
    QTEST(Platform::isDriveReady(path), "ready");
}

void DrivesTest::drivesWithoutMountTable()
{
    QTemporaryDir dir;
    const Platform::SystemDrives drives(unseen);
    QCOMPARE(drives.type(dir.path()), Platform::DriveType::Fixed);
    QCOMPARE(drives.root(dir.path()), u"/"_s);
    QVERIFY(drives.freeBytes(dir.path()) > 0);
    QVERIFY(drives.maxNameLength(drives.root(dir.path())) >= 9);
}

QTEST_GUILESS_MAIN(DrivesTest)
#include "drivestest.moc"
