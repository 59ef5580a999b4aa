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

#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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

private:
    QString picture(const QString &name) const { return m_pictures + u'/' + name; }
    void openSession(const QStringList &files);
    // Selects the rows of names (or marks them for deletion) and retitles them to "<prefix>_<name>".
    void retitle(const QStringList &names, const QString &prefix, const QString &folder = {},
                 const QStringList &deleted = {});
    bool undoLast();

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
    if (!folder.isEmpty())
        pass.newFolders = {folder};
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
    QByteArray journal = readFile(path);
    journal.truncate(journal.lastIndexOf("done"));
    QFile::remove(path);
    QVERIFY(writeFile(path, journal));

    m_dialogs.answers.enqueue({button, true, -1});
    m_undo->offerRecovery();
    QCOMPARE(m_dialogs.asked.size(), 1);
    QVERIFY(!m_undo->interruptedRun());
    if (button == 1) {
        QCOMPARE(folderSnapshot(m_pictures), original);
    } else {
        QVERIFY(QFileInfo::exists(picture(u"Sea_B.jpg"_s)));
        QVERIFY(m_undo->isAvailable());
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

QTEST_GUILESS_MAIN(RetitleUndoTest)
#include "retitleundotest.moc"
