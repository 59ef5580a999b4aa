// A retitling of 500 pictures with their voice files into new storage folders, killed at random
// moments by SIGKILL; after each kill the interrupted run is undone from its journal and every
// file must be back under its old name with its content, and no folder of the run left behind.
// The test starts itself with "--run FOLDER" for the run to kill.
#include "retitle/retitler.h"
#include "retitle/retitleundo.h"
#include "retitle/testpassresult.h"

#include "platform/filesystem.h"
#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/foldersnapshot.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 500;
constexpr int kills = 50;

QString pictureName(int index)
{
    return u"IMG_%1.jpg"_s.arg(index, 3, 10, QChar(u'0'));
}

// The retitling the parent kills: every picture to "Trip_NNN.jpg" in one of three new folders.
int runRetitling(const QString &base)
{
    FakeDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session(dialogs, subjects);
    Settings::ProgramSettings settings(base + u"/PSMSet.dat"_s);
    Platform::SystemFileSystem files;
    Retitle::Retitler retitler(session, settings, dialogs, files, base + u"/work/Logs/"_s);
    retitler.setJournalFolder(base + u"/work/Journal"_s);
    session.setFolder(base + u"/Pictures"_s, u"4.4.0.0"_s);
    if (!session.FillSGTitle(false))
        return 2;
    Retitle::TestPassResult pass;
    pass.syncExtensions = {u"wav"_s};
    session.beginRecordUpdates();
    for (int row = 0; row < session.rowCount(); ++row) {
        Session::PictureRow &changed = session.rowForChange(row);
        changed.marker = Session::Marker::selected;
        changed.freeText = u"Trip"_s;
        session.UpdateFSGTitleRec(row, false, false);
        Retitle::Rtitle title;
        title.FinalTitle = u"Trip_"_s + changed.currentTitle.mid(4);
        title.Folder = base + u"/Storage/2023/0"_s + QString::number(row % 3 + 1);
        title.FinalTitle_Row = row;
        pass.titles.append(title);
    }
    session.endRecordUpdates();
    session.ShowSelectedPictures(0);
    for (int month = 1; month <= 3; ++month)
        pass.newFolders.append(base + u"/Storage/2023/0"_s + QString::number(month));
    std::puts("go");
    std::fflush(stdout);
    if (!retitler.beginJournal(pass))
        return 3;
    for (const QString &folder : std::as_const(pass.newFolders))
        files.makeFolder(folder);
    return retitler.Retitle(pass, true) ? 0 : 4;
}


} // namespace

class JournalKillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedRunsAreUndone();

private:
    // Starts the run; returns once it says it begins, or -1 when it did not.
    bool startRun(QProcess &process, const QString &base);
    void recover(const QString &base);
};

bool JournalKillTest::startRun(QProcess &process, const QString &base)
{
    process.start(QCoreApplication::applicationFilePath(), {u"--run"_s, base});
    if (!process.waitForStarted())
        return false;
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(10000))
            return false;
    }
    return process.readLine().trimmed() == "go";
}

void JournalKillTest::recover(const QString &base)
{
    FakeDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session(dialogs, subjects);
    Settings::ProgramSettings settings(base + u"/PSMSet.dat"_s);
    Platform::SystemFileSystem files;
    session.setFolder(base + u"/Pictures"_s, u"4.4.0.0"_s);
    QVERIFY(session.FillSGTitle(false));
    Retitle::RetitleUndo undo(session, settings, dialogs, files, base + u"/work/"_s);
    if (undo.interruptedRun()) {
        dialogs.answers.enqueue({1, true, -1});
        undo.offerRecovery();
        QCOMPARE(dialogs.asked.size(), 1);
    } else if (const auto journal = undo.lastRetitling()) {
        // Killed after its end: undone as any run.
        const auto plan = undo.prepare(*journal);
        QVERIFY(plan);
        QVERIFY(undo.undo(*plan));
    }
    QVERIFY(!undo.interruptedRun());
    QVERIFY(!undo.lastRetitling());
}

void JournalKillTest::killedRunsAreUndone()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.path();
    QVERIFY(QDir().mkpath(base + u"/Pictures"_s));
    QVERIFY(QDir().mkpath(base + u"/Storage"_s));
    QVERIFY(QDir().mkpath(base + u"/work/Logs"_s));
    QRandomGenerator random(QRandomGenerator::global()->generate());
    for (int i = 0; i < pictureCount; ++i) {
        QByteArray bytes(64, '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        QVERIFY(writeFile(base + u"/Pictures/"_s + pictureName(i), bytes));
        QVERIFY(writeFile(base + u"/Pictures/"_s + pictureName(i).replace(u".jpg"_s, u".wav"_s), bytes + "voice"));
    }
    const auto pictures = folderSnapshot(base + u"/Pictures"_s);

    // A whole run first, for how long a run takes.
    QProcess process;
    QElapsedTimer timer;
    QVERIFY(startRun(process, base));
    timer.start();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const qint64 duration = qMax<qint64>(timer.elapsed(), 1);
    QVERIFY(QFileInfo::exists(base + u"/Storage/2023/02/Trip_001.wav"_s));
    recover(base);
    QCOMPARE(folderSnapshot(base + u"/Pictures"_s), pictures);
    QVERIFY(QDir(base + u"/Storage"_s).isEmpty());

    for (int kill = 0; kill < kills; ++kill) {
        QVERIFY(startRun(process, base));
        const qint64 delay = random.bounded(duration + 1);
        QThread::msleep(quint64(delay));
        ::kill(pid_t(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(10000));
        recover(base);
        QVERIFY2(folderSnapshot(base + u"/Pictures"_s) == pictures, qPrintable(u"killed after %1 ms"_s.arg(delay)));
        QVERIFY2(QDir(base + u"/Storage"_s).isEmpty(), qPrintable(u"killed after %1 ms"_s.arg(delay)));
    }
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--run")
        return runRetitling(QFile::decodeName(argv[2]));
    JournalKillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "journalkilltest.moc"
