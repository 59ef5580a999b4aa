// A retitling of 500 pictures with their voice files into new storage folders, on the same and on
// another file system, killed at random moments by SIGKILL; after each kill the interrupted run
// is completed or undone as the user answers, a completed one then undone from the menu, and
// every file must be back under its old name with its content, with no folder, temporary copy or
// unfinished journal of the run left behind. An undo killed on its way is recovered the same way.
// The test starts itself with "--run FOLDER STORAGE" or "--undo FOLDER STORAGE" for the run to
// kill.
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

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStorageInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <memory>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int pictureCount = 500;

QString pictureName(int index)
{
    return u"IMG_%1.jpg"_s.arg(index, 3, 10, QChar(u'0'));
}

// The retitling the parent kills: every picture to "Trip_NNN.jpg" in one of three new folders
// below the main storage folder storage.
int runRetitling(const QString &base, const QString &storage)
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
        title.Folder = storage + u"/2023/0"_s + QString::number(row % 3 + 1);
        title.FinalTitle_Row = row;
        pass.titles.append(title);
    }
    session.endRecordUpdates();
    session.ShowSelectedPictures(0);
    for (int month = 1; month <= 3; ++month)
        pass.newFolders.append(storage + u"/2023/0"_s + QString::number(month));
    pass.storageFolder = storage;
    std::puts("go");
    std::fflush(stdout);
    if (!retitler.beginJournal(pass))
        return 3;
    for (const QString &folder : std::as_const(pass.newFolders))
        files.makeFolder(folder);
    return retitler.Retitle(pass, true) ? 0 : 4;
}

// The undo the parent kills: the last retitling of the folder put back.
int runUndo(const QString &base)
{
    FakeDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session(dialogs, subjects);
    Settings::ProgramSettings settings(base + u"/PSMSet.dat"_s);
    Platform::SystemFileSystem files;
    session.setFolder(base + u"/Pictures"_s, u"4.4.0.0"_s);
    if (!session.FillSGTitle(false))
        return 2;
    Retitle::RetitleUndo undo(session, settings, dialogs, files, base + u"/work/"_s);
    const auto journal = undo.lastRetitling();
    const auto plan = journal ? undo.prepare(*journal) : std::nullopt;
    if (!plan)
        return 3;
    std::puts("go");
    std::fflush(stdout);
    return undo.undo(*plan) ? 0 : 4;
}

// Another file system for the storage folders, when the machine has one; empty otherwise.
QString otherFileSystem()
{
    const QString other = u"/dev/shm"_s;
    if (!QFileInfo(other).isDir() || !QFileInfo(other).isWritable()
        || QStorageInfo(other).device() == QStorageInfo(QDir::tempPath()).device())
        return {};
    return other;
}

// Every entry below folder, hidden ones included.
QStringList everything(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    return found;
}


} // namespace

class JournalKillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void killedRunsAreRecovered_data();
    void killedRunsAreRecovered();
    void killedUndoIsRecovered();

private:
    // Starts the run or the undo; true once it says it begins.
    bool start(QProcess &process, const QString &mode);
    // A whole run, for how long a run takes (ms).
    qint64 wholeRun(QProcess &process, const QString &mode);
    // What the user does at the next start: answers the question of an interrupted run, then
    // undoes from the menu what is left to undo. Then checks that everything is back.
    void recover(int answer, const QString &when);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_other;
    QString m_base;
    QString m_storage;
    QMap<QString, QByteArray> m_pictures;
    QRandomGenerator m_random{QRandomGenerator::global()->generate()};
};

void JournalKillTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_base = m_dir->path();
    QVERIFY(QDir().mkpath(m_base + u"/Pictures"_s));
    QVERIFY(QDir().mkpath(m_base + u"/work/Logs"_s));
    m_storage = m_base + u"/Storage"_s;
    QVERIFY(QDir().mkpath(m_storage));
    for (int i = 0; i < pictureCount; ++i) {
        QByteArray bytes(64, '\0');
        for (char &byte : bytes)
            byte = char(m_random.bounded(256));
        QVERIFY(writeFile(m_base + u"/Pictures/"_s + pictureName(i), bytes));
        QVERIFY(writeFile(m_base + u"/Pictures/"_s + pictureName(i).replace(u".jpg"_s, u".wav"_s), bytes + "voice"));
    }
    m_pictures = folderSnapshot(m_base + u"/Pictures"_s);
}

void JournalKillTest::cleanup()
{
    m_other.reset();
    m_dir.reset();
}

bool JournalKillTest::start(QProcess &process, const QString &mode)
{
    process.start(QCoreApplication::applicationFilePath(), {mode, m_base, m_storage});
    if (!process.waitForStarted())
        return false;
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(10000))
            return false;
    }
    return process.readLine().trimmed() == "go";
}

qint64 JournalKillTest::wholeRun(QProcess &process, const QString &mode)
{
    QElapsedTimer timer;
    if (!start(process, mode))
        return -1;
    timer.start();
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    return qMax<qint64>(timer.elapsed(), 1);
}

void JournalKillTest::recover(int answer, const QString &when)
{
    FakeDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession session(dialogs, subjects);
    Settings::ProgramSettings settings(m_base + u"/PSMSet.dat"_s);
    Platform::SystemFileSystem files;
    session.setFolder(m_base + u"/Pictures"_s, u"4.4.0.0"_s);
    QVERIFY(session.FillSGTitle(false));
    Retitle::RetitleUndo undo(session, settings, dialogs, files, m_base + u"/work/"_s);
    if (undo.interruptedRun()) {
        dialogs.answers.enqueue({answer, true, -1});
        undo.offerRecovery();
        QCOMPARE(dialogs.asked.size(), 1);
    }
    // What was kept, or a run killed after its end, is undone as any run.
    if (const auto journal = undo.lastRetitling()) {
        const auto plan = undo.prepare(*journal);
        QVERIFY(plan);
        QVERIFY(undo.undo(*plan));
    }
    QVERIFY2(!undo.interruptedRun(), qPrintable(when));
    QVERIFY2(!undo.lastRetitling(), qPrintable(when));
    QVERIFY2(folderSnapshot(m_base + u"/Pictures"_s) == m_pictures, qPrintable(when));
    QVERIFY2(everything(m_storage).isEmpty(), qPrintable(when + u": "_s + everything(m_storage).join(u' ')));
}

void JournalKillTest::killedRunsAreRecovered_data()
{
    QTest::addColumn<bool>("across");
    QTest::addColumn<int>("kills");
    QTest::newRow("same file system") << false << 30;
    QTest::newRow("another file system") << true << 10;
}

void JournalKillTest::killedRunsAreRecovered()
{
    QFETCH(bool, across);
    QFETCH(int, kills);
    if (across) {
        if (otherFileSystem().isEmpty())
            QSKIP("No second file system to move to");
        m_other = std::make_unique<QTemporaryDir>(otherFileSystem() + u"/mirelto-kill-XXXXXX"_s);
        QVERIFY(m_other->isValid());
        m_storage = m_other->path();
    }
    QProcess process;
    const qint64 duration = wholeRun(process, u"--run"_s);
    QVERIFY(duration > 0);
    QVERIFY(QFileInfo::exists(m_storage + u"/2023/02/Trip_001.wav"_s));
    recover(0, u"after the end"_s);

    for (int kill = 0; kill < kills; ++kill) {
        QVERIFY(start(process, u"--run"_s));
        const qint64 delay = m_random.bounded(duration + 1);
        QThread::msleep(quint64(delay));
        ::kill(pid_t(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(10000));
        // "Complete" and "Undo" in turn.
        recover(kill % 2, u"killed after %1 ms, answered %2"_s.arg(delay).arg(kill % 2));
    }
}

void JournalKillTest::killedUndoIsRecovered()
{
    QProcess process;
    QVERIFY(wholeRun(process, u"--run"_s) > 0);
    const qint64 duration = wholeRun(process, u"--undo"_s);
    QVERIFY(duration > 0);
    QCOMPARE(folderSnapshot(m_base + u"/Pictures"_s), m_pictures);
    for (int kill = 0; kill < 6; ++kill) {
        QVERIFY(wholeRun(process, u"--run"_s) > 0);
        QVERIFY(start(process, u"--undo"_s));
        const qint64 delay = m_random.bounded(duration + 1);
        QThread::msleep(quint64(delay));
        ::kill(pid_t(process.processId()), SIGKILL);
        QVERIFY(process.waitForFinished(10000));
        recover(kill % 2, u"undo killed after %1 ms, answered %2"_s.arg(delay).arg(kill % 2));
    }
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && QByteArrayView(argv[1]) == "--run")
        return runRetitling(QFile::decodeName(argv[2]), QFile::decodeName(argv[3]));
    if (argc == 4 && QByteArrayView(argv[1]) == "--undo")
        return runUndo(QFile::decodeName(argv[2]));
    JournalKillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "journalkilltest.moc"
