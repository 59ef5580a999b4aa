#include "retitle/retitleundo.h"

#include "retitle/retitler.h"
#include "retitle/testpassresult.h"

#include "faultyfilesystem.h"

#include "platform/trash.h"
#include "session/picturesession.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/foldersnapshot.h"

#include "l10n/text.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace Retitle;

namespace {

// The faulty file system of the retitling tests, with the desktop's trash (redirected by the
// test to its own folder), so that trashed pictures can come back.
class TrashingFileSystem final : public Platform::FileSystem
{
public:
    bool exists(const QString &path) const override { return faulty.exists(path); }
    bool isFolder(const QString &path) const override { return faulty.isFolder(path); }
    QList<Platform::FolderEntry> entries(const QString &folder) const override { return faulty.entries(folder); }
    bool isDriveReady(const QString &path) const override { return faulty.isDriveReady(path); }
    Records::FileResult<void> move(const QString &from, const QString &to) override { return faulty.move(from, to); }
    Records::FileResult<void> trash(const QString &path) override { return Platform::moveToTrash(path); }
    bool makeFolder(const QString &path) override { return faulty.makeFolder(path); }
    Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path) override
    {
        return faulty.makeFolderBelow(top, path);
    }

    FaultyFileSystem faulty;
};


// Where another file system holds a folder of the tests; the test is skipped without one.
QString otherFileSystem()
{
    const QString other = u"/dev/shm"_s;
    if (!QFileInfo(other).isDir() || !QFileInfo(other).isWritable()
        || QStorageInfo(other).device() == QStorageInfo(QDir::tempPath()).device())
        return {};
    return other;
}

// Gives to the time stamps of from, to the nanosecond, as a copy to another file system does.
bool copyStamp(const QString &from, const QString &to)
{
    struct stat info;
    if (::stat(QFile::encodeName(from).constData(), &info) != 0)
        return false;
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(to).constData(), times, 0) == 0;
}

} // namespace

class RetitleUndoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void runsAreUndoneNewestFirstAndAnUndoCanBeUndone();
    void onlyWhatTheRunDidIsPutBack();
    void changedFilesStayWithTheirPicture();
    void undoAcrossFileSystems();
    void interruptedRunIsOffered_data();
    void interruptedRunIsOffered();
    void picturesWithTheirPairsAndSidecarsComeBack();
    void pairThatCannotFollowTakesItsPictureBack();
    void killedCopiesAreRemoved_data();
    void killedCopiesAreRemoved();
    void tamperedJournalTouchesNothingOutside();
    void interruptedUndoKeepsTheFilesByDefault();
    void foreignFileAtAnOldNameKeepsItsRow();
    void oddJournalsAreReadSafely();

private:
    QString picture(const QString &name) const { return m_pictures + u'/' + name; }
    void openSession(const QStringList &files);
    // Selects the rows of names (or marks them for deletion) and retitles them to "<prefix>_<name>".
    void retitle(const QStringList &names, const QString &prefix, const QString &folder = {},
                 const QStringList &deleted = {});
    bool undoLast();
    // Makes the journal look as a kill left it: cut after the first line end of cut, and
    // appended added.
    static bool killedAt(const QString &journalPath, const QByteArray &cut, const QByteArray &appended = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pictures;
    FakeDialogs m_dialogs;
    Session::NoSubjects m_subjects;
    std::unique_ptr<Session::PictureSession> m_session;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    std::unique_ptr<TrashingFileSystem> m_files;
    std::unique_ptr<Retitler> m_retitler;
    std::unique_ptr<RetitleUndo> m_undo;
    QString m_counter = u"7"_s;
};

void RetitleUndoTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(u"data"_s)));
    m_pictures = m_dir->filePath(u"Holiday"_s);
    QVERIFY(QDir().mkpath(m_pictures));
    m_dialogs = FakeDialogs();
    m_session = std::make_unique<Session::PictureSession>(m_dialogs, m_subjects);
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_settings->rec().PSTotalRetitled = 40;
    m_files = std::make_unique<TrashingFileSystem>();
    const QString work = m_dir->filePath(u"work/"_s);
    QVERIFY(QDir().mkpath(work + u"Logs"_s));
    m_retitler = std::make_unique<Retitler>(*m_session, *m_settings, m_dialogs, *m_files, work + u"Logs/"_s);
    m_retitler->setJournalFolder(work + u"Journal"_s);
    m_undo = std::make_unique<RetitleUndo>(*m_session, *m_settings, m_dialogs, *m_files, work);
    m_counter = u"7"_s;
    RetitleHooks hooks;
    hooks.counterStart = [this] { return m_counter; };
    hooks.updateCounter = [this] { m_counter = QString::number(m_counter.toInt() + 10); };
    m_retitler->setHooks(hooks);
    m_undo->setHooks({[this] { return m_counter; }, [this](const QString &start) { m_counter = start; }, {}});
}

void RetitleUndoTest::cleanup()
{
    m_undo.reset();
    m_retitler.reset();
    m_files.reset();
    m_session.reset();
    m_settings.reset();
    m_dir.reset();
    qunsetenv("XDG_DATA_HOME");
}

void RetitleUndoTest::openSession(const QStringList &files)
{
    for (const QString &name : files)
        QVERIFY(writeFile(picture(name), name.toUtf8()));
    m_session->setFolder(m_pictures, u"4.4.0.0"_s);
    QVERIFY(m_session->CreateFSGTitle());
    QVERIFY(m_session->FillSGTitle(false));
}

void RetitleUndoTest::retitle(const QStringList &names, const QString &prefix, const QString &folder,
                              const QStringList &deleted)
{
    TestPassResult pass;
    pass.syncExtensions = {u"wav"_s};
    const QString destination = folder.isEmpty() ? m_pictures : folder;
    if (!folder.isEmpty()) {
        pass.newFolders = {folder};
        // The main storage folder: the nearest folder above the destination that exists.
        pass.storageFolder = folder;
        while (!QFileInfo(pass.storageFolder).isDir())
            pass.storageFolder = QFileInfo(pass.storageFolder).path();
    }
    for (int row = 0; row < m_session->rowCount(); ++row) {
        const QString name = m_session->row(row).currentTitle;
        const bool deleting = deleted.contains(name);
        if (!names.contains(name) && !deleting)
            continue;
        Session::PictureRow &changed = m_session->rowForChange(row);
        changed.marker = Session::Marker::selected;
        changed.freeText = deleting ? Session::PictureSession::deletionMarkText() : u"text "_s + name;
        changed.markedForDeletion = deleting;
        QVERIFY(m_session->UpdateFSGTitleRec(row, false, false));
        if (deleting)
            continue;
        Rtitle title;
        title.FinalTitle = prefix + u'_' + name;
        title.Folder = destination;
        title.FinalTitle_Row = row;
        pass.titles.append(title);
    }
    m_session->ShowSelectedPictures(0);
    QVERIFY(m_retitler->beginJournal(pass));
    for (const QString &level : pass.newFolders)
        QVERIFY(QDir().mkpath(level));
    QVERIFY(m_retitler->Retitle(pass, !folder.isEmpty()));
}

bool RetitleUndoTest::undoLast()
{
    m_undo->refresh();
    const auto journal = m_undo->lastRetitling();
    const auto plan = journal ? m_undo->prepare(*journal) : std::nullopt;
    return plan && m_undo->undo(*plan);
}

void RetitleUndoTest::runsAreUndoneNewestFirstAndAnUndoCanBeUndone()
{
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s, u"C.jpg"_s, u"C.wav"_s});
    const auto original = folderSnapshot(m_dir->filePath(u"Holiday"_s));
    const QString storage = m_dir->filePath(u"Storage/2023/05"_s);
    retitle({u"A.jpg"_s}, u"Sea"_s, storage, {u"B.jpg"_s});
    const auto userFiles = [this] {
        auto files = folderSnapshot(m_pictures);
        files.insert(folderSnapshot(m_dir->filePath(u"Storage"_s)));
        return files;
    };
    const auto afterFirst = userFiles();
    retitle({u"C.jpg"_s}, u"Dune"_s);
    QVERIFY(QFileInfo::exists(storage + u"/Sea_A.jpg"_s));
    QVERIFY(QFileInfo::exists(storage + u"/Sea_A.wav"_s));
    QVERIFY(!QFileInfo::exists(picture(u"B.jpg"_s)));
    QVERIFY(QFileInfo::exists(picture(u"Dune_C.wav"_s)));
    QCOMPARE(m_settings->rec().PSTotalRetitled, 42);
    QCOMPARE(m_counter, u"27"_s);

    // The newest run first, with the counter and the total as it found them.
    QVERIFY(undoLast());
    QCOMPARE(userFiles(), afterFirst);
    QCOMPARE(m_settings->rec().PSTotalRetitled, 41);
    QCOMPARE(m_counter, u"17"_s);

    const auto journal = m_undo->lastRetitling();
    QVERIFY(journal);
    const auto plan = m_undo->prepare(*journal);
    QVERIFY(plan);
    QCOMPARE(plan->pictures, 2);
    QCOMPARE(plan->restoredFromTrash, 1);
    QCOMPARE(plan->folders, 3);
    const QList<ReportLine> report = m_undo->report(*plan);
    QVERIFY(std::any_of(report.begin(), report.end(), [](const ReportLine &line) {
        return line.isTitle && line.text.startsWith(u"A.jpg\t\u2190\t"_s) && line.text.endsWith(u"Sea_A.jpg"_s);
    }));
    QVERIFY(m_undo->undo(*plan));
    QCOMPARE(folderSnapshot(m_pictures), original);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(u"Storage"_s)));
    QVERIFY(!Platform::findTrashed(picture(u"B.jpg"_s)));
    QCOMPARE(m_settings->rec().PSTotalRetitled, 40);
    QCOMPARE(m_counter, u"7"_s);
    // The rows have their texts back; nothing is left to undo.
    const int row = [this] {
        for (int i = 0; i < m_session->rowCount(); ++i) {
            if (m_session->row(i).currentTitle == u"A.jpg"_s)
                return i;
        }
        return -1;
    }();
    QVERIFY(row >= 0);
    QCOMPARE(m_session->row(row).freeText, u"text A.jpg"_s);
    QCOMPARE(m_session->row(row).marker, Session::Marker::selected);
    m_undo->refresh();
    QVERIFY(!m_undo->isAvailable());

    // The undo undone: the first run's work is back, the trashed picture in the trash again.
    QVERIFY(m_undo->isRedoAvailable());
    QCOMPARE(m_undo->lastUndo(), m_undo->lastJournal());
    const auto undone = m_undo->prepare(m_undo->lastJournal());
    QVERIFY(undone);
    QVERIFY(m_undo->undo(*undone));
    QMap<QString, QByteArray> stored;
    for (auto it = afterFirst.begin(); it != afterFirst.end(); ++it) {
        if (it.key().startsWith(m_dir->filePath(u"Storage"_s)))
            stored.insert(it.key(), it.value());
    }
    QCOMPARE(folderSnapshot(m_dir->filePath(u"Storage"_s)), stored);
    QVERIFY(QFileInfo::exists(storage + u"/Sea_A.wav"_s));
    QVERIFY(!QFileInfo::exists(picture(u"B.jpg"_s)));
    QVERIFY(Platform::findTrashed(picture(u"B.jpg"_s)));
    m_undo->refresh();
    QCOMPARE(m_undo->lastRetitling(), journal);
    // What the undo undid is not undone once more by the same command.
    QVERIFY(!m_undo->isRedoAvailable());
}

void RetitleUndoTest::onlyWhatTheRunDidIsPutBack()
{
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s, u"B.wav"_s, u"C.jpg"_s, u"Sea_C.jpg"_s});
    const auto original = folderSnapshot(m_pictures);
    // B's voice file cannot follow (B is rolled back); C's new name is taken (a failure).
    m_files->faulty.failingTargets.insert(picture(u"Sea_B.wav"_s));
    retitle({u"A.jpg"_s, u"B.jpg"_s, u"C.jpg"_s}, u"Sea"_s);
    QCOMPARE(m_retitler->counters().retitled, 1);
    QCOMPARE(m_retitler->counters().failures, 2);

    const auto plan = m_undo->prepare(*m_undo->lastRetitling());
    QVERIFY(plan);
    QCOMPARE(plan->pictures, 1);
    QCOMPARE(plan->left, 0);
    QVERIFY(m_undo->undo(*plan));
    QCOMPARE(folderSnapshot(m_pictures), original);
}

void RetitleUndoTest::changedFilesStayWithTheirPicture()
{
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s, u"C.jpg"_s});
    retitle({u"A.jpg"_s, u"B.jpg"_s, u"C.jpg"_s}, u"Sea"_s);
    // A's voice file was changed, B's old name taken since; C is as the run left it.
    QVERIFY(writeFile(picture(u"Sea_A.wav"_s), "re-recorded"));
    QVERIFY(writeFile(picture(u"B.jpg"_s), "another"));

    const auto plan = m_undo->prepare(*m_undo->lastRetitling());
    QVERIFY(plan);
    QCOMPARE(plan->pictures, 1);
    QCOMPARE(plan->left, 2);
    QStringList problems;
    for (const ReportLine &line : m_undo->report(*plan)) {
        if (line.colour == ReportLine::Colour::Red && line.isTitle)
            problems.append(line.text);
    }
    QCOMPARE(problems, (QStringList{
                           u"A.jpg\t\u2190\tSea_A.jpg\t"_s
                               + RetitleUndo::problemText(UndoEntry::Problem::LeftWithPicture),
                           u"   A.wav\t\u2190\tSea_A.wav\t"_s + RetitleUndo::problemText(UndoEntry::Problem::Changed),
                           u"B.jpg\t\u2190\tSea_B.jpg\t"_s + RetitleUndo::problemText(UndoEntry::Problem::NameTaken),
                       }));
    QVERIFY(m_undo->undo(*plan));
    QCOMPARE(readFile(picture(u"C.jpg"_s)), QByteArray("C.jpg"));
    QCOMPARE(readFile(picture(u"Sea_A.jpg"_s)), QByteArray("A.jpg"));
    QCOMPARE(readFile(picture(u"B.jpg"_s)), QByteArray("another"));
    QCOMPARE(readFile(picture(u"Sea_B.jpg"_s)), QByteArray("B.jpg"));
    QVERIFY(m_dialogs.statuses.last().error);
}

void RetitleUndoTest::undoAcrossFileSystems()
{
    const QString other = u"/dev/shm"_s;
    if (!QFileInfo(other).isDir() || !QFileInfo(other).isWritable()
        || QStorageInfo(other).device() == QStorageInfo(m_dir->path()).device())
        QSKIP("No second file system to move to");
    QTemporaryDir storage(other + u"/mirelto-undo-XXXXXX"_s);
    QVERIFY(storage.isValid());
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s});
    const auto original = folderSnapshot(m_pictures);
    retitle({u"A.jpg"_s, u"B.jpg"_s}, u"Sea"_s, storage.filePath(u"2023/05"_s));
    QVERIFY(QFileInfo::exists(storage.filePath(u"2023/05/Sea_A.wav"_s)));
    QVERIFY(undoLast());
    QCOMPARE(folderSnapshot(m_pictures), original);
    QVERIFY(QDir(storage.path()).isEmpty());
}

void RetitleUndoTest::interruptedRunIsOffered_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("complete") << 0;
    QTest::newRow("undo") << 1;
}

void RetitleUndoTest::interruptedRunIsOffered()
{
    QFETCH(int, button);
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s});
    const auto original = folderSnapshot(m_pictures);
    retitle({u"A.jpg"_s, u"B.jpg"_s}, u"Sea"_s);
    // As a killed run leaves it: without its end record and its last records of steps done.
    const QString path = *m_undo->lastRetitling();
    QVERIFY(killedAt(path, "\ndone"));

    m_dialogs.answers.enqueue({button, true, -1});
    m_undo->offerRecovery();
    QCOMPARE(m_dialogs.asked.size(), 1);
    // The question shows what an undo would put back, as the menu's preview does.
    QVERIFY(m_dialogs.asked.first().details.contains(u"A.jpg\t\u2190\tSea_A.jpg"_s));
    QCOMPARE(m_dialogs.asked.first().defaultButton, 1);
    QVERIFY(!m_undo->interruptedRun());
    if (button == 1) {
        QCOMPARE(folderSnapshot(m_pictures), original);
    } else {
        // Kept as it is; the menu's undo then puts back every file the run moved, although
        // none of its records of steps done reached the disk.
        QVERIFY(QFileInfo::exists(picture(u"Sea_B.jpg"_s)));
        QVERIFY(m_undo->isAvailable());
        QVERIFY(undoLast());
        QCOMPARE(folderSnapshot(m_pictures), original);
    }
}

void RetitleUndoTest::picturesWithTheirPairsAndSidecarsComeBack()
{
    const QString corpus = qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/../shared/media-corpus/files"_s;
    const QStringList corpusFiles = QDir(corpus).entryList(QDir::Files, QDir::Name);
    if (corpusFiles.isEmpty())
        QSKIP("The media corpus is not beside the source tree");
    const auto copy = [&](const QString &from, const QString &to) {
        QVERIFY(QFile::copy(corpus + u'/' + from, picture(to)));
        // The corpus is read-only, and read-only pictures are never listed.
        QVERIFY(QFile::setPermissions(picture(to), QFile::permissions(picture(to)) | QFile::WriteOwner));
    };
    for (const QString &name : corpusFiles)
        copy(name, name);
    // A camera's RAW and JPEG with sidecars of both styles and a voice note, an iPhone's Live
    // Photo, a lone RAW file and a lone video, in the letter cases the devices write.
    copy(u"exiftool-CanonRaw.cr2"_s, u"IMG_0001.CR2"_s);
    copy(u"exiftool-Nikon.nef"_s, u"DSC_0003.NEF"_s);
    copy(u"gen-iphone.heic"_s, u"IMG_0002.HEIC"_s);
    copy(u"gen-apple.mov"_s, u"IMG_0002.MOV"_s);
    copy(u"gen-phone.mp4"_s, u"VID_0004.mp4"_s);
    openSession({u"IMG_0001.JPG"_s, u"IMG_0001.CR2.xmp"_s, u"IMG_0001.xmp"_s, u"IMG_0001.JPG.json"_s,
                 u"IMG_0001.wav"_s, u"IMG_0002.AAE"_s, u"DSC_0003.NEF.pp3"_s,
                 u"VID_0004.mp4.supplemental-metadata.json"_s, u"notes.txt"_s});
    const auto original = folderSnapshot(m_pictures);

    QStringList rows;
    for (int row = 0; row < m_session->rowCount(); ++row)
        rows.append(m_session->row(row).currentTitle);
    // The corpus's QuickTime pair is a Live Photo too: its video follows the HEIF picture.
    QStringList expected = corpusFiles;
    QVERIFY(expected.removeOne(u"exiftool-QuickTime.mov"_s));
    expected << u"IMG_0001.JPG"_s << u"IMG_0002.HEIC"_s << u"DSC_0003.NEF"_s << u"VID_0004.mp4"_s;
    rows.sort();
    expected.sort();
    QCOMPARE(rows, expected);
    QVERIFY(m_session->hasPair(u"IMG_0001.JPG"_s));
    QVERIFY(m_session->hasPair(u"IMG_0002.HEIC"_s));
    QVERIFY(!m_session->hasPair(u"DSC_0003.NEF"_s));

    retitle(rows, u"Trip"_s);
    QCOMPARE(m_retitler->counters().failures, 0);
    for (const QString &name :
         {u"Trip_IMG_0001.JPG"_s, u"Trip_IMG_0001.CR2"_s, u"Trip_IMG_0001.CR2.xmp"_s, u"Trip_IMG_0001.xmp"_s,
          u"Trip_IMG_0001.JPG.json"_s, u"Trip_IMG_0001.wav"_s, u"Trip_IMG_0002.HEIC"_s, u"Trip_IMG_0002.MOV"_s,
          u"Trip_IMG_0002.AAE"_s, u"Trip_DSC_0003.NEF"_s, u"Trip_DSC_0003.NEF.pp3"_s, u"Trip_VID_0004.mp4"_s,
          u"Trip_VID_0004.mp4.supplemental-metadata.json"_s, u"notes.txt"_s})
        QVERIFY2(QFileInfo::exists(picture(name)), qPrintable(name));
    QCOMPARE(readFile(picture(u"Trip_IMG_0001.CR2"_s)), readFile(corpus + u"/exiftool-CanonRaw.cr2"_s));
    QVERIFY(QFileInfo::exists(picture(u"Trip_exiftool-QuickTime.mov"_s)));
    QCOMPARE(m_retitler->counters().synchronized, 10);
    QVERIFY(m_session->hasPair(u"Trip_IMG_0001.JPG"_s));

    QVERIFY(undoLast());
    QCOMPARE(folderSnapshot(m_pictures), original);
}

void RetitleUndoTest::pairThatCannotFollowTakesItsPictureBack()
{
    openSession({u"IMG_1.JPG"_s, u"IMG_1.CR2"_s, u"IMG_1.CR2.xmp"_s});
    const auto original = folderSnapshot(m_pictures);
    m_files->faulty.failingTargets.insert(picture(u"Sea_IMG_1.CR2.xmp"_s));
    retitle({u"IMG_1.JPG"_s}, u"Sea"_s);
    QCOMPARE(m_retitler->counters().failures, 1);
    QCOMPARE(folderSnapshot(m_pictures), original);
    QVERIFY(readFile(m_retitler->logPath()).contains("  Succesful sync rollback: "));
}

bool RetitleUndoTest::killedAt(const QString &journalPath, const QByteArray &cut, const QByteArray &appended)
{
    QByteArray journal = readFile(journalPath);
    const qsizetype at = journal.indexOf(cut);
    if (at < 0)
        return false;
    journal.truncate(at + 1);
    QFile::remove(journalPath);
    return writeFile(journalPath, journal + appended);
}

void RetitleUndoTest::killedCopiesAreRemoved_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("complete") << 0;
    QTest::newRow("undo") << 1;
}

void RetitleUndoTest::killedCopiesAreRemoved()
{
    QFETCH(int, button);
    if (otherFileSystem().isEmpty())
        QSKIP("No second file system to move to");
    QTemporaryDir storage(otherFileSystem() + u"/mirelto-kill-XXXXXX"_s);
    QVERIFY(storage.isValid());
    const QString month = storage.filePath(u"2023/05"_s);
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s, u"C.jpg"_s});
    const auto original = folderSnapshot(m_pictures);
    retitle({u"A.jpg"_s, u"B.jpg"_s, u"C.jpg"_s}, u"Sea"_s, month);
    // Killed while copying C (a whole copy, not yet under its name), after B's copy took its
    // name and before B itself went, and before a folder planned for later got anything.
    const QString part = month + u"/.~Sea_C.jpg.1f2e.part"_s;
    QVERIFY(QFile::rename(month + u"/Sea_C.jpg"_s, part));
    QVERIFY(QFile::copy(part, picture(u"C.jpg"_s)));
    QVERIFY(QFile::copy(month + u"/Sea_B.jpg"_s, picture(u"B.jpg"_s)));
    QVERIFY(copyStamp(month + u"/Sea_B.jpg"_s, picture(u"B.jpg"_s)));
    QVERIFY(copyStamp(part, picture(u"C.jpg"_s)));
    QVERIFY(QDir().mkpath(storage.filePath(u"2023/06"_s)));
    const QString path = *m_undo->lastRetitling();
    QVERIFY(killedAt(path, "\ndone",
                     "step\tmkdir\t-1\tf\t" + storage.filePath(u"2023/06"_s).toUtf8() + "\t\t-1\t0\n"
                         + "part\t-1\t" + part.toUtf8() + "\n"));

    m_dialogs.answers.enqueue({button, true, -1});
    m_undo->offerRecovery();
    QVERIFY(!QFileInfo::exists(part));
    QVERIFY(!QFileInfo::exists(storage.filePath(u"2023/06"_s)));
    QVERIFY(!QFileInfo::exists(month + u"/Sea_B.jpg"_s));
    if (button == 0) {
        QVERIFY(QFileInfo::exists(month + u"/Sea_A.wav"_s));
        QVERIFY(undoLast());
    }
    QCOMPARE(folderSnapshot(m_pictures), original);
    QVERIFY(QDir(storage.path()).isEmpty());
}

void RetitleUndoTest::tamperedJournalTouchesNothingOutside()
{
    const QString victim = m_dir->filePath(u"victim"_s);
    QVERIFY(QDir().mkpath(victim + u"/empty"_s));
    for (const QString &name : {u"secret.txt"_s, u"b.txt"_s, u"c.txt"_s, u"t.txt"_s})
        QVERIFY(writeFile(victim + u'/' + name, name.toUtf8()));
    QVERIFY(QFile::link(victim, picture(u"link"_s)));
    openSession({u"A.jpg"_s});
    retitle({u"A.jpg"_s}, u"Sea"_s);
    const auto around = folderSnapshot(victim);
    // Steps that match files outside the picture folder, recorded as done.
    QByteArray steps;
    const auto step = [&steps, this](const QString &kind, int group, const QString &from, const QString &to,
                                     const QString &stamped) {
        qint64 size = 0;
        qint64 modified = 0;
        fileStamp(stamped, &size, &modified);
        steps += u"step\t%1\t%2\tp\t%3\t%4\t%5\t%6\n"_s.arg(kind).arg(group).arg(from, to).arg(size).arg(modified).toUtf8();
    };
    step(u"move"_s, 10, picture(u"secret.txt"_s), victim + u"/secret.txt"_s, victim + u"/secret.txt"_s);
    step(u"move"_s, 11, picture(u"b.txt"_s), m_pictures + u"/../victim/b.txt"_s, victim + u"/b.txt"_s);
    step(u"move"_s, 12, picture(u"c.txt"_s), picture(u"link/c.txt"_s), victim + u"/c.txt"_s);
    step(u"restore"_s, 13, m_dir->filePath(u"trash/t.txt"_s), victim + u"/t.txt"_s, victim + u"/t.txt"_s);
    steps += "step\tmkdir\t-1\tf\t" + (victim + u"/empty"_s).toUtf8() + "\t\t-1\t0\n";
    const QString path = *m_undo->lastRetitling();
    QByteArray journal = readFile(path);
    const int first = int(journal.count("\nstep\t"));
    for (int i = first; i < first + 5; ++i)
        steps += "done\t" + QByteArray::number(i) + "\n";
    QFile::remove(path);
    QVERIFY(writeFile(path, journal.replace("planned\n", QByteArray(steps + "planned\n"))));

    const auto plan = m_undo->prepare(path);
    QVERIFY(plan);
    QCOMPARE(plan->pictures, 1);
    QCOMPARE(plan->leftFiles, 4);
    const QString outside = RetitleUndo::problemText(UndoEntry::Problem::Outside);
    int refused = 0;
    for (const ReportLine &line : m_undo->report(*plan))
        refused += line.text.endsWith(outside) ? 1 : 0;
    QCOMPARE(refused, 4);
    QVERIFY(m_undo->undo(*plan));
    QVERIFY(QFileInfo::exists(picture(u"A.jpg"_s)));
    QCOMPARE(folderSnapshot(victim), around);
    QVERIFY(!QFileInfo::exists(picture(u"secret.txt"_s)));
}

void RetitleUndoTest::interruptedUndoKeepsTheFilesByDefault()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s, u"B.wav"_s});
    const auto original = folderSnapshot(m_pictures);
    retitle({u"A.jpg"_s, u"B.jpg"_s}, u"Sea"_s);
    QVERIFY(undoLast());
    // Killed after putting A back: B and its voice file are still under their new names.
    QVERIFY(QFile::rename(picture(u"B.jpg"_s), picture(u"Sea_B.jpg"_s)));
    QVERIFY(QFile::rename(picture(u"B.wav"_s), picture(u"Sea_B.wav"_s)));
    QVERIFY(killedAt(m_undo->lastJournal(), "\ndone"));

    m_undo->offerRecovery();
    QCOMPARE(m_dialogs.asked.size(), 1);
    const Platform::Question &asked = m_dialogs.asked.first();
    QCOMPARE(asked.header, L10n::text(1746, "An undo of a retitling of this folder was interrupted"));
    QCOMPARE(asked.defaultButton, 0);
    QVERIFY(!m_undo->interruptedRun());
    QVERIFY(QFileInfo::exists(picture(u"A.jpg"_s)));
    QVERIFY(QFileInfo::exists(picture(u"Sea_B.wav"_s)));
    // The rest of the retitling can still be undone.
    QVERIFY(undoLast());
    QCOMPARE(folderSnapshot(m_pictures), original);
}

void RetitleUndoTest::foreignFileAtAnOldNameKeepsItsRow()
{
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s});
    retitle({u"A.jpg"_s, u"B.jpg"_s}, u"Sea"_s);
    QVERIFY(writeFile(picture(u"A.jpg"_s), "someone else's"));
    QVERIFY(undoLast());
    QCOMPARE(readFile(picture(u"A.jpg"_s)), QByteArray("someone else's"));
    for (int i = 0; i < m_session->rowCount(); ++i) {
        const Session::PictureRow &row = m_session->row(i);
        if (row.currentTitle == u"A.jpg"_s)
            QVERIFY(!row.isSelected() && row.freeText.isEmpty());
        if (row.currentTitle == u"B.jpg"_s)
            QCOMPARE(row.freeText, u"text B.jpg"_s);
    }
    // A stays with its voice file: two files.
    QVERIFY2(m_dialogs.statuses.last().text.endsWith(u", 2 file(s) left where they are"_s),
             qPrintable(m_dialogs.statuses.last().text));
}

void RetitleUndoTest::oddJournalsAreReadSafely()
{
    openSession({u"A.jpg"_s});
    retitle({u"A.jpg"_s}, u"Sea"_s);
    const QString path = *m_undo->lastRetitling();
    // A line longer than any record, amid the records: passed over, the rest read.
    QByteArray journal = readFile(path);
    journal.replace("planned\n", QByteArray("row\t" + QByteArray(300000, 'x') + "\nplanned\n"));
    QFile::remove(path);
    QVERIFY(writeFile(path, journal));
    const auto read = Journal::read(path);
    QVERIFY(read);
    QVERIFY(read->planned && read->finished);
    QCOMPARE(read->doneCount(), 1);
    // A pipe where a newer journal of the folder would be: refused, never waited on.
    const QString pipe = m_dir->filePath(u"pipe"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(pipe, QFileInfo(path).path() + u"/0"_s + QFileInfo(path).fileName().mid(1)));
    QVERIFY(!Journal::read(pipe));
    QVERIFY(!Journal::readSummary(pipe));
    m_undo->offerRecovery();
    QCOMPARE(m_undo->lastRetitling(), path);
}

QTEST_GUILESS_MAIN(RetitleUndoTest)
#include "retitleundotest.moc"
