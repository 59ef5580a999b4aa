#include "retitle/retitler.h"

#include "retitle/testpassresult.h"

#include "faultyfilesystem.h"

#include "session/picturesession.h"
#include "session/titlefile.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "settings/programsettingsrec.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Retitle;

Q_DECLARE_METATYPE(RunCounters)
Q_DECLARE_METATYPE(RunSummary)

namespace QTest {
template<>
char *toString(const RunCounters &c)
{
    return qstrdup(QByteArray("retitled " + QByteArray::number(c.retitled) + ", failures " + QByteArray::number(c.failures)
                              + ", synchronized " + QByteArray::number(c.synchronized) + ", deleted "
                              + QByteArray::number(c.deleted) + ", undeleted " + QByteArray::number(c.undeleted)
                              + ", sync deleted " + QByteArray::number(c.synchronizedDeleted))
                       .constData());
}
} // namespace QTest

class RetitlerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void failedRenameIsCountedAndTheRunGoesOn();
    void missingDestinationFolderFailsForReal();
    void companionsFollowInTheirOrder();
    void companionInAnotherLetterCaseFollows();
    void companionsInBothLetterCasesFollow();
    void movesStayInThePlannedFolder_data();
    void movesStayInThePlannedFolder();
    void killedRunsLogIsTrimmedWhenARunBegins();
    void rollbackWhenACompanionCannotFollow_data();
    void rollbackWhenACompanionCannotFollow();
    void failedRollbackLeavesTheFilesUnderTheirNewNames();
    void everyStepIsLoggedBeforeTheNextStarts();
    void thumbnailFollowsIntoANewThumbnailFolder();
    void deletionsGoToTheTrashWithTheirCompanions();
    void deletionOfAVanishedPictureCounts();
    void failedDeletionKeepsTheRow();
    void everyPictureLeavesTheFolder();
    void rebuildKeepsTheRowsOfPicturesStillInTheFolder_data();
    void rebuildKeepsTheRowsOfPicturesStillInTheFolder();
    void hooksHearOfEachRetitledPicture();
    void fullWorkFolderKeepsTheProgramSettings();
    void fullDestinationIsToldWithTheSystemsReason();
    void fullLogFolderStopsTheRunBeforeItMoves();
    void logThatCannotBeCreatedStopsTheRun();
    void summary_data();
    void summary();

private:
    QString picture(const QString &name) const { return m_pictures + u'/' + name; }
    void openSession(const QStringList &files);
    void select(int row, bool markForDeletion = false);
    int rowOf(const QString &title) const;
    TestPassResult pass(const QList<QPair<QString, QString>> &renames, const QStringList &syncExtensions = {},
                        const QString &folder = {}) const;
    QStringList logLines() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pictures;
    FakeDialogs m_dialogs;
    Session::NoSubjects m_subjects;
    std::unique_ptr<Session::PictureSession> m_session;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    std::unique_ptr<FaultyFileSystem> m_files;
    std::unique_ptr<Retitler> m_retitler;
};

void RetitlerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pictures = m_dir->filePath(u"Holiday"_s);
    QVERIFY(QDir().mkpath(m_pictures));
    QVERIFY(QDir().mkpath(m_dir->filePath(u"Logs"_s)));
    m_dialogs = FakeDialogs();
    m_session = std::make_unique<Session::PictureSession>(m_dialogs, m_subjects);
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_settings->rec().PSTotalRetitled = 40;
    m_files = std::make_unique<FaultyFileSystem>(m_dir->filePath(u"bin"_s));
    m_retitler = std::make_unique<Retitler>(*m_session, *m_settings, m_dialogs, *m_files, m_dir->filePath(u"Logs/"_s));
}

void RetitlerTest::cleanup()
{
    m_retitler.reset();
    m_files.reset();
    m_session.reset();
    m_settings.reset();
    m_dir.reset();
}

void RetitlerTest::openSession(const QStringList &files)
{
    for (const QString &name : files) {
        QVERIFY(QDir().mkpath(QFileInfo(picture(name)).absolutePath()));
        QVERIFY(writeFile(picture(name), name.toUtf8()));
    }
    m_session->setFolder(m_pictures, u"4.4.0.0"_s);
    QVERIFY(m_session->CreateFSGTitle());
    QVERIFY(m_session->FillSGTitle(false));
}

void RetitlerTest::select(int row, bool markForDeletion)
{
    Session::PictureRow &changed = m_session->rowForChange(row);
    changed.marker = Session::Marker::selected;
    changed.freeText = markForDeletion ? Session::PictureSession::deletionMarkText() : u"text "_s + changed.currentTitle;
    changed.prefix = u"pre"_s;
    changed.markedForDeletion = markForDeletion;
    QVERIFY(m_session->UpdateFSGTitleRec(row, false, false));
    m_session->ShowSelectedPictures(m_session->selectedCount() + 1);
}

int RetitlerTest::rowOf(const QString &title) const
{
    for (int i = 0; i < m_session->rowCount(); ++i) {
        if (m_session->row(i).currentTitle == title)
            return i;
    }
    return -1;
}

TestPassResult RetitlerTest::pass(const QList<QPair<QString, QString>> &renames, const QStringList &syncExtensions,
                                  const QString &folder) const
{
    TestPassResult result;
    for (const auto &[from, to] : renames) {
        Rtitle title;
        title.FinalTitle = to;
        title.FinalTitle_low = to.toLower();
        title.Folder = folder.isEmpty() ? m_pictures : folder;
        title.Folder_low = title.Folder.toLower();
        title.FinalTitle_Row = rowOf(from);
        result.titles.append(title);
    }
    result.picturesToRename = int(result.titles.size());
    result.syncExtensions = syncExtensions;
    return result;
}

QStringList RetitlerTest::logLines() const
{
    // While the run goes on, the log keeps room ahead of its lines, filled with empty lines.
    QByteArray bytes = readFile(m_retitler->logPath());
    while (bytes.endsWith('\r') || bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.isEmpty())
        return {};
    return QString::fromUtf8(bytes).split(u"\r\n"_s);
}

void RetitlerTest::failedRenameIsCountedAndTheRunGoesOn()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s, u"C.jpg"_s, u"Y.jpg"_s});
    for (int row = 0; row < 3; ++row)
        select(row);
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}, {u"B.jpg"_s, u"Y.jpg"_s}, {u"C.jpg"_s, u"Z.jpg"_s}});
    QSignalSpy finished(m_retitler.get(), &Retitler::retitlingFinished);

    QVERIFY(m_retitler->Retitle(run, false, QDateTime(QDate(2023, 12, 24), QTime(15, 30))));

    QCOMPARE(m_retitler->counters(), (RunCounters{2, 1, 0, 0, 0, 0}));
    QCOMPARE(QFileInfo(m_retitler->logPath()).fileName(),
             u"20231224153000_"_s + QString(m_pictures).replace(u'/', u'~') + u".txt"_s);
    QCOMPARE(logLines(), (QStringList{
                             u"Succesfully renamed/moved: old: "_s + picture(u"A.jpg"_s) + u", new: "_s + picture(u"X.jpg"_s),
                             u"Rename/move failed: old: "_s + picture(u"B.jpg"_s) + u", new: "_s + picture(u"Y.jpg"_s)
                                 + u" ("_s + qt_error_string(EEXIST) + u')',
                             u"Succesfully renamed/moved: old: "_s + picture(u"C.jpg"_s) + u", new: "_s + picture(u"Z.jpg"_s),
                         }));
    QCOMPARE(readFile(picture(u"Y.jpg"_s)), QByteArray("Y.jpg"));
    QCOMPARE(readFile(picture(u"B.jpg"_s)), QByteArray("B.jpg"));

    // Without deletions and storage management the table keeps its rows; renamed rows show
    // their new title and lose their selection and texts.
    QCOMPARE(m_session->rowCount(), 4);
    const Session::PictureRow &renamed = m_session->row(0);
    QCOMPARE(renamed.currentTitle, u"X.jpg"_s);
    QVERIFY(renamed.marker.isEmpty());
    QVERIFY(renamed.freeText.isEmpty());
    QVERIFY(renamed.prefix.isEmpty());
    QCOMPARE(m_session->row(1).currentTitle, u"B.jpg"_s);
    QCOMPARE(m_session->row(1).marker, Session::Marker::selected);
    QCOMPARE(m_session->selectedCount(), 1);
    const auto stored = m_session->titleFile().readAll();
    QVERIFY(stored);
    QCOMPARE(stored->records.at(0).STOld, u"X.jpg"_s);
    QCOMPARE(stored->records.at(1).STSelect, Session::Marker::selected);

    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.last().text,
             u"2 picture(s) successfully retitled, 1 failure(s) occurred ("_s + qt_error_string(EEXIST) + u')');
    QVERIFY(m_dialogs.statuses.last().error);
    QCOMPARE(m_dialogs.statuses.last().sound, Platform::Sound::Error);
    QCOMPARE(m_settings->rec().PSTotalRetitled, 42);
    QCOMPARE(Settings::ProgramSettingsRec::fromBytes(readFile(m_settings->path())).PSTotalRetitled, 42);
    QCOMPARE(finished.size(), 1);
    QVERIFY(m_retitler->hasRetitled());
}

void RetitlerTest::missingDestinationFolderFailsForReal()
{
    openSession({u"A.jpg"_s});
    select(0);
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}}, {}, m_dir->filePath(u"nowhere"_s));
    QVERIFY(m_retitler->Retitle(run, false));
    QCOMPARE(m_retitler->counters().failures, 1);
    QVERIFY(QFileInfo::exists(picture(u"A.jpg"_s)));
    QCOMPARE(logLines().size(), 1);
    QVERIFY(logLines().first().startsWith(u"Rename/move failed: old: "_s));
}

void RetitlerTest::companionsFollowInTheirOrder()
{
    openSession({u"IMG_1.JPG"_s, u"IMG_1.wav"_s, u"IMG_1.xmp"_s, u"IMG_2.JPG"_s});
    select(rowOf(u"IMG_1.JPG"_s));
    select(rowOf(u"IMG_2.JPG"_s));
    TestPassResult run =
        pass({{u"IMG_1.JPG"_s, u"Beach.JPG"_s}, {u"IMG_2.JPG"_s, u"Dunes.JPG"_s}}, {u"wav"_s, u"mov"_s, u"xmp"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(m_retitler->counters(), (RunCounters{2, 0, 2, 0, 0, 0}));
    QCOMPARE(QDir(m_pictures).entryList(QDir::Files),
             (QStringList{u"Beach.JPG"_s, u"Beach.wav"_s, u"Beach.xmp"_s, u"Dunes.JPG"_s, u"MrlSGTitle2.dat"_s}));
    QCOMPARE(logLines().at(1), u"  Succesfully sync renamed/moved: old: "_s + picture(u"IMG_1.wav"_s) + u", new: "_s
                                   + picture(u"Beach.wav"_s));
    QCOMPARE(m_dialogs.statuses.last().text, u"2 picture(s) successfully retitled, 2 file(s) synchronized"_s);
    QCOMPARE(m_dialogs.statuses.last().sound, Platform::Sound::Success);
    QVERIFY(run.syncExtensions.isEmpty());
}

void RetitlerTest::companionInAnotherLetterCaseFollows()
{
    // Cameras write IMG_0815.JPG with IMG_0815.WAV; on a case-sensitive file system the voice
    // file must still be found, and keeps its extension as found so that other programs still
    // pair it by name.
    openSession({u"IMG_0815.JPG"_s, u"IMG_0815.WAV"_s});
    select(0);
    TestPassResult run = pass({{u"IMG_0815.JPG"_s, u"Beach.JPG"_s}}, {u"wav"_s, u"mov"_s});
    QVERIFY(m_retitler->Retitle(run, false));
    QCOMPARE(m_retitler->counters().synchronized, 1);
    QVERIFY(QFileInfo::exists(picture(u"Beach.WAV"_s)));
    QVERIFY(!QFileInfo::exists(picture(u"IMG_0815.WAV"_s)));
}

void RetitlerTest::companionsInBothLetterCasesFollow()
{
    openSession({u"G.jpg"_s, u"G.wav"_s, u"G.WAV"_s, u"H.jpg"_s, u"H.wav"_s, u"H.Wav"_s});
    select(rowOf(u"G.jpg"_s));
    select(rowOf(u"H.jpg"_s), true);
    TestPassResult run = pass({{u"G.jpg"_s, u"X.jpg"_s}}, {u"wav"_s, u"mov"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    // Neither is left behind beside a picture of another name, nor kept when its picture goes.
    QCOMPARE(m_retitler->counters(), (RunCounters{1, 0, 2, 1, 0, 2}));
    QStringList files = QDir(m_pictures).entryList(QDir::Files);
    files.sort();
    QCOMPARE(files, (QStringList{u"MrlSGTitle2.dat"_s, u"X.WAV"_s, u"X.jpg"_s, u"X.wav"_s}));
    QCOMPARE(readFile(picture(u"X.WAV"_s)), QByteArray("G.WAV"));
}

void RetitlerTest::movesStayInThePlannedFolder_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("pictureIsAFolder");
    QTest::newRow("parent folder") << u"../X.jpg"_s << false;
    QTest::newRow("subfolder") << u"sub/X.jpg"_s << false;
    QTest::newRow("folder took the picture's name") << u"X.jpg"_s << true;
}

void RetitlerTest::movesStayInThePlannedFolder()
{
    QFETCH(QString, title);
    QFETCH(bool, pictureIsAFolder);
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s, u"sub/keep.txt"_s});
    select(rowOf(u"A.jpg"_s));
    select(rowOf(u"B.jpg"_s));
    if (pictureIsAFolder) {
        // Between the preview and the run.
        QVERIFY(QFile::remove(picture(u"A.jpg"_s)));
        QVERIFY(QDir().mkpath(picture(u"A.jpg/inside"_s)));
    }
    TestPassResult run = pass({{u"A.jpg"_s, title}, {u"B.jpg"_s, u"Y.jpg"_s}}, {u"wav"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(m_retitler->counters(), (RunCounters{1, 1, 0, 0, 0, 0}));
    QVERIFY(logLines().first().startsWith(u"Rename/move failed: old: "_s + picture(u"A.jpg"_s) + u", new: "_s
                                          + picture(title)));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(u"X.jpg"_s)));
    QVERIFY(!QFileInfo::exists(picture(u"sub/X.jpg"_s)));
    QVERIFY(!QFileInfo::exists(picture(u"X.jpg"_s)));
    QVERIFY(QFileInfo::exists(picture(u"A.wav"_s)));
    QCOMPARE(QFileInfo(picture(u"A.jpg"_s)).isDir(), pictureIsAFolder);
    QVERIFY(QFileInfo::exists(picture(u"Y.jpg"_s)));
}

void RetitlerTest::killedRunsLogIsTrimmedWhenARunBegins()
{
    const QString leftover = m_dir->filePath(u"Logs/20230101000000_~p.txt"_s);
    QVERIFY(writeFile(leftover, "  Rollback\r\n" + QByteArray(4096, '\n').replace("\n", "\r\n")));
    openSession({u"A.jpg"_s});
    TestPassResult run = pass({});
    QVERIFY(m_retitler->Retitle(run, false));
    QCOMPARE(readFile(leftover), QByteArray("  Rollback\r\n"));
}

void RetitlerTest::rollbackWhenACompanionCannotFollow_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("expectedLog");
    // The folder is only known once init() has run; %1 stands for it.
    const auto p = [](const char *name) -> QString { return u"%1/"_s + QString::fromLatin1(name); };
    QTest::newRow(".mov fails") << p("IMG_1.mov")
                                << QStringList{
                                       u"Succesfully renamed/moved: old: "_s + p("IMG_1.JPG") + u", new: "_s + p("Beach.JPG"),
                                       u"  Succesfully sync renamed/moved: old: "_s + p("IMG_1.wav") + u", new: "_s
                                           + p("Beach.wav"),
                                       u"  Rename/move sync failed: old: "_s + p("IMG_1.mov") + u", new: "_s + p("Beach.mov"),
                                       u"  Rollback"_s,
                                       u"Succesful rollback: "_s + p("Beach.JPG") + u", new: "_s + p("IMG_1.JPG"),
                                       u"  Succesful sync rollback: "_s + p("Beach.wav") + u", new: "_s + p("IMG_1.wav"),
                                   };
    QTest::newRow(".wav fails") << p("IMG_1.wav")
                                << QStringList{
                                       u"Succesfully renamed/moved: old: "_s + p("IMG_1.JPG") + u", new: "_s + p("Beach.JPG"),
                                       u"  Rename/move sync failed: old: "_s + p("IMG_1.wav") + u", new: "_s + p("Beach.wav"),
                                       u"  Rollback"_s,
                                       u"Succesful rollback: "_s + p("Beach.JPG") + u", new: "_s + p("IMG_1.JPG"),
                                   };
}

void RetitlerTest::rollbackWhenACompanionCannotFollow()
{
    QFETCH(QString, failing);
    QFETCH(QStringList, expectedLog);
    failing.replace(u"%1"_s, m_pictures);
    for (QString &line : expectedLog)
        line.replace(u"%1"_s, m_pictures);
    openSession({u"IMG_1.JPG"_s, u"IMG_1.wav"_s, u"IMG_1.mov"_s});
    select(rowOf(u"IMG_1.JPG"_s));
    m_files->failingSources.insert(failing);
    TestPassResult run = pass({{u"IMG_1.JPG"_s, u"Beach.JPG"_s}}, {u"wav"_s, u"mov"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(logLines(), expectedLog);
    QCOMPARE(m_retitler->counters(), (RunCounters{0, 1, 0, 0, 0, 0}));
    QCOMPARE(QDir(m_pictures).entryList(QDir::Files),
             (QStringList{u"IMG_1.JPG"_s, u"IMG_1.mov"_s, u"IMG_1.wav"_s, u"MrlSGTitle2.dat"_s}));
    QCOMPARE(readFile(picture(u"IMG_1.wav"_s)), QByteArray("IMG_1.wav"));
    const Session::PictureRow &row = m_session->row(rowOf(u"IMG_1.JPG"_s));
    QCOMPARE(row.marker, Session::Marker::selected);
    QVERIFY(!row.freeText.isEmpty());
}

void RetitlerTest::failedRollbackLeavesTheFilesUnderTheirNewNames()
{
    openSession({u"IMG_1.JPG"_s, u"IMG_1.wav"_s, u"IMG_1.mov"_s});
    select(rowOf(u"IMG_1.JPG"_s));
    m_files->failingSources = {picture(u"IMG_1.mov"_s), picture(u"Beach.JPG"_s)};
    TestPassResult run = pass({{u"IMG_1.JPG"_s, u"Beach.JPG"_s}}, {u"wav"_s, u"mov"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.at(4), u"Rollback failed: "_s + picture(u"Beach.JPG"_s) + u", new: "_s + picture(u"IMG_1.JPG"_s));
    QCOMPARE(lines.at(5),
             u"Rollback terminated.. (there will be no attempt to rollback files with extensions to synchronize)"_s);
    QCOMPARE(m_retitler->counters().failures, 1);
    // Nothing is lost: each file is where the log says.
    QCOMPARE(QDir(m_pictures).entryList(QDir::Files),
             (QStringList{u"Beach.JPG"_s, u"Beach.wav"_s, u"IMG_1.mov"_s, u"MrlSGTitle2.dat"_s}));
}

void RetitlerTest::everyStepIsLoggedBeforeTheNextStarts()
{
    openSession({u"A.jpg"_s, u"A.wav"_s, u"B.jpg"_s, u"C.jpg"_s});
    select(rowOf(u"A.jpg"_s));
    select(rowOf(u"B.jpg"_s), true);
    select(rowOf(u"C.jpg"_s));
    QList<int> linesBeforeMove;
    m_files->beforeMove = [this, &linesBeforeMove](const QString &, const QString &) {
        linesBeforeMove.append(int(logLines().size()));
    };
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}, {u"C.jpg"_s, u"Z.jpg"_s}}, {u"wav"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    // B to the trash, then A, its voice file and C, each after the line of the step before.
    QCOMPARE(m_files->trashed, QStringList{picture(u"B.jpg"_s)});
    QCOMPARE(linesBeforeMove, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(logLines().size(), 4);
}

void RetitlerTest::thumbnailFollowsIntoANewThumbnailFolder()
{
    openSession({u"A.jpg"_s, u"xelthumb/A.jpg"_s});
    select(0);
    const QString elsewhere = m_dir->filePath(u"Archive"_s);
    QVERIFY(QDir().mkpath(elsewhere));
    TestPassResult run = pass({{u"A.jpg"_s, u"Beach.jpg"_s}}, {}, elsewhere);

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(readFile(elsewhere + u"/xelthumb/Beach.jpg"_s), QByteArray("xelthumb/A.jpg"));
    // The picture folder's thumbnail folder held nothing else and is gone.
    QVERIFY(!QFileInfo::exists(picture(u"xelthumb"_s)));
    // The picture left the folder: the table is rebuilt and, holding no picture, the folder
    // counts as done.
    QCOMPARE(m_session->rowCount(), 0);
}

void RetitlerTest::deletionsGoToTheTrashWithTheirCompanions()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s, u"B.wav"_s, u"xelthumb/B.jpg"_s, u"xelthumb/keep.jpg"_s});
    select(rowOf(u"A.jpg"_s));
    select(rowOf(u"B.jpg"_s), true);
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}}, {u"wav"_s, u"mov"_s});
    run.picturesToRename = 1;

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(m_retitler->counters(), (RunCounters{1, 0, 0, 1, 0, 1}));
    QCOMPARE(m_files->trashed,
             (QStringList{picture(u"B.jpg"_s), picture(u"xelthumb/B.jpg"_s), picture(u"B.wav"_s)}));
    QCOMPARE(logLines().mid(0, 2),
             (QStringList{u"Succesfully deleted: "_s + picture(u"B.jpg"_s),
                          u"  Succesfully sync deleted: "_s + picture(u"B.wav"_s)}));
    // The deletion succeeded: the table is rebuilt from the folder.
    QCOMPARE(m_session->rowCount(), 1);
    QCOMPARE(m_session->row(0).currentTitle, u"X.jpg"_s);
    QCOMPARE(m_dialogs.statuses.last().text, u"1 picture(s) successfully retitled (Delete information...)"_s);
    QVERIFY(QFileInfo::exists(picture(u"xelthumb/keep.jpg"_s)));
}

void RetitlerTest::deletionOfAVanishedPictureCounts()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s});
    select(rowOf(u"B.jpg"_s), true);
    QVERIFY(QFile::remove(picture(u"B.jpg"_s)));
    TestPassResult run = pass({});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(m_retitler->counters(), (RunCounters{0, 0, 0, 1, 0, 0}));
    QCOMPARE(logLines(), QStringList{u"Succesfully deleted: "_s + picture(u"B.jpg"_s)});
}

void RetitlerTest::failedDeletionKeepsTheRow()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s, u"B.wav"_s});
    select(rowOf(u"B.jpg"_s), true);
    m_files->failingTrash.insert(picture(u"B.jpg"_s));
    QSignalSpy hint(m_retitler.get(), &Retitler::statusHintChanged);
    TestPassResult run = pass({}, {u"wav"_s});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(m_retitler->counters(), (RunCounters{0, 0, 0, 0, 1, 0}));
    QCOMPARE(logLines(), QStringList{u"Error occured deleting: "_s + picture(u"B.jpg"_s)});
    QVERIFY(QFileInfo::exists(picture(u"B.wav"_s)));
    const Session::PictureRow &row = m_session->row(rowOf(u"B.jpg"_s));
    QVERIFY(row.markedForDeletion);
    QCOMPARE(row.marker, Session::Marker::selected);
    QCOMPARE(hint.size(), 1);
    QCOMPARE(hint.first().first().toString(), u"0 picture(s) succesfully deleted\n1 file(s) could not be deleted"_s);
}

void RetitlerTest::everyPictureLeavesTheFolder()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s});
    select(0, true);
    select(1, true);
    QSignalSpy emptied(m_retitler.get(), &Retitler::pictureFolderEmptied);
    QSignalSpy finished(m_retitler.get(), &Retitler::retitlingFinished);
    TestPassResult run = pass({});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(m_retitler->counters().deleted, 2);
    QCOMPARE(m_session->rowCount(), 0);
    QCOMPARE(m_session->selectedCount(), 0);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(emptied.size(), 1);
}

void RetitlerTest::rebuildKeepsTheRowsOfPicturesStillInTheFolder_data()
{
    QTest::addColumn<bool>("storage");
    QTest::addColumn<bool>("deletion");
    QTest::newRow("storage on") << true << false;
    QTest::newRow("storage on, a deletion") << true << true;
    QTest::newRow("storage off, a deletion") << false << true;
}

// In the first program run of a folder, too: the title file the session wrote is what the rows
// are rebuilt from.
void RetitlerTest::rebuildKeepsTheRowsOfPicturesStillInTheFolder()
{
    QFETCH(bool, storage);
    QFETCH(bool, deletion);
    const QString store = m_dir->filePath(u"Store"_s);
    QVERIFY(QDir().mkpath(store));
    openSession({u"A.jpg"_s, u"B.jpg"_s, u"C.jpg"_s, u"D.jpg"_s});
    QVERIFY(m_session->isFresh());
    select(rowOf(u"A.jpg"_s));
    select(rowOf(u"C.jpg"_s));
    if (deletion)
        select(rowOf(u"D.jpg"_s), true);
    // Typed for, but not selected for this run.
    const int typed = rowOf(u"B.jpg"_s);
    Session::PictureRow &b = m_session->rowForChange(typed);
    b.freeText = u"Harbour"_s;
    b.prefix = u"Old"_s;
    b.suffix = u"town"_s;
    QVERIFY(m_session->UpdateFSGTitleRec(typed, false, false));
    m_files->failingSources.insert(picture(u"C.jpg"_s));
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}, {u"C.jpg"_s, u"Z.jpg"_s}}, {}, storage ? store : QString());

    QVERIFY(m_retitler->Retitle(run, storage));

    QCOMPARE(m_retitler->counters().failures, 1);
    QStringList titles;
    for (const Session::PictureRow &row : m_session->rows())
        titles.append(row.currentTitle);
    QStringList expected{u"B.jpg"_s, u"C.jpg"_s};
    if (!storage)
        expected.append(u"X.jpg"_s);
    if (!deletion)
        expected.insert(storage ? 2 : 3, u"D.jpg"_s);
    QCOMPARE(titles, expected);
    const Session::PictureRow &kept = m_session->row(rowOf(u"B.jpg"_s));
    QCOMPARE(kept.freeText, u"Harbour"_s);
    QCOMPARE(kept.prefix, u"Old"_s);
    QCOMPARE(kept.suffix, u"town"_s);
    const Session::PictureRow &failed = m_session->row(rowOf(u"C.jpg"_s));
    QCOMPARE(failed.marker, Session::Marker::selected);
    QCOMPARE(failed.freeText, u"text C.jpg"_s);
    QCOMPARE(failed.prefix, u"pre"_s);
    QCOMPARE(m_session->selectedCount(), 1);
    // The title file says the same.
    const auto stored = Session::TitleFile(picture(u"MrlSGTitle2.dat"_s)).readAll();
    QVERIFY(stored);
    QCOMPARE(stored->records.size(), expected.size());
    QCOMPARE(stored->records.at(rowOf(u"B.jpg"_s)).STNew, u"Harbour"_s);
    QCOMPARE(stored->records.at(rowOf(u"C.jpg"_s)).STSelect, Session::Marker::selected);
    QCOMPARE(stored->records.at(rowOf(u"C.jpg"_s)).STNew, u"text C.jpg"_s);
}

void RetitlerTest::hooksHearOfEachRetitledPicture()
{
    openSession({u"A.jpg"_s, u"B.jpg"_s, u"Y.jpg"_s});
    select(0);
    select(1);
    QStringList confirmed;
    int settled = 0;
    int counter = 0;
    int yields = 0;
    m_retitler->setHooks({[&confirmed](const QString &text) { confirmed.append(text); }, [&settled] { ++settled; },
                          [&counter] { ++counter; }, [&yields] { ++yields; }});
    QSignalSpy rows(m_retitler.get(), &Retitler::currentRowChanged);
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}, {u"B.jpg"_s, u"Y.jpg"_s}});

    QVERIFY(m_retitler->Retitle(run, false));

    QCOMPARE(confirmed, QStringList{u"text A.jpg"_s});
    QCOMPARE(settled, 1);
    QCOMPARE(counter, 1);
    QCOMPARE(yields, 2);
    QCOMPARE(rows.size(), 2);
}

void RetitlerTest::fullWorkFolderKeepsTheProgramSettings()
{
    const SmallFileSystem disk(m_dir->filePath(u"work"_s));
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs the right to mount");
    const QString settingsPath = m_dir->filePath(u"work/PSMSet.dat"_s);
    m_retitler.reset();
    m_settings = std::make_unique<Settings::ProgramSettings>(settingsPath);
    m_settings->rec().PSTotalRetitled = 40;
    QVERIFY(m_settings->UpdateFPSM());
    const QByteArray before = readFile(settingsPath);
    m_retitler = std::make_unique<Retitler>(*m_session, *m_settings, m_dialogs, *m_files, m_dir->filePath(u"Logs/"_s));
    openSession({u"A.jpg"_s});
    select(0);
    QVERIFY(disk.fill());
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}});

    QVERIFY(m_retitler->Retitle(run, false));

    QVERIFY(QFileInfo::exists(picture(u"X.jpg"_s)));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"Error writing to "_s + settingsPath + u" ("_s + qt_error_string(ENOSPC) + u')');
    QCOMPARE(readFile(settingsPath), before);
}

void RetitlerTest::fullDestinationIsToldWithTheSystemsReason()
{
    const QString store = m_dir->filePath(u"Store"_s);
    const SmallFileSystem disk(store);
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs the right to mount");
    openSession({u"A.jpg"_s, u"B.jpg"_s});
    select(0);
    select(1);
    QVERIFY(disk.fill());
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}, {u"B.jpg"_s, u"Y.jpg"_s}}, {}, store);

    QVERIFY(m_retitler->Retitle(run, true));

    QCOMPARE(m_retitler->counters().failures, 2);
    const QString reason = u" ("_s + qt_error_string(ENOSPC) + u')';
    QCOMPARE(logLines(), (QStringList{
                             u"Rename/move failed: old: "_s + picture(u"A.jpg"_s) + u", new: "_s + store + u"/X.jpg"_s + reason,
                             u"Rename/move failed: old: "_s + picture(u"B.jpg"_s) + u", new: "_s + store + u"/Y.jpg"_s + reason,
                         }));
    // Once in the summary, however many pictures it stopped.
    QCOMPARE(m_dialogs.statuses.last().text,
             u"0 picture(s) successfully retitled/moved, 2 failure(s) occurred"_s + reason);
    QVERIFY(QFileInfo::exists(picture(u"A.jpg"_s)) && QFileInfo::exists(picture(u"B.jpg"_s)));
}

void RetitlerTest::fullLogFolderStopsTheRunBeforeItMoves()
{
    const SmallFileSystem disk(m_dir->filePath(u"Logs"_s));
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs the right to mount");
    openSession({u"A.jpg"_s});
    select(0);
    QVERIFY(disk.fill());
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}});

    QVERIFY(!m_retitler->Retitle(run, false));

    QVERIFY(QFileInfo::exists(picture(u"A.jpg"_s)));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QVERIFY(m_dialogs.informed.at(0).text.contains(qt_error_string(ENOSPC)));
    QCOMPARE(QDir(m_dir->filePath(u"Logs"_s)).entryList({u"*.txt"_s}), QStringList());
}

void RetitlerTest::logThatCannotBeCreatedStopsTheRun()
{
    openSession({u"A.jpg"_s});
    select(0);
    QVERIFY(QDir(m_dir->filePath(u"Logs"_s)).removeRecursively());
    TestPassResult run = pass({{u"A.jpg"_s, u"X.jpg"_s}});

    QVERIFY(!m_retitler->Retitle(run, false));

    QVERIFY(QFileInfo::exists(picture(u"A.jpg"_s)));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.first().severity, Platform::Severity::Error);
    QVERIFY(!m_retitler->hasRetitled());
}

void RetitlerTest::summary_data()
{
    QTest::addColumn<RunCounters>("counters");
    QTest::addColumn<bool>("storage");
    QTest::addColumn<RunSummary>("expected");
    QTest::newRow("failures, synchronized")
        << RunCounters{3, 2, 4, 0, 0, 0} << false
        << RunSummary{u"3 picture(s) successfully retitled, 2 failure(s) occurred, 4 file(s) synchronized"_s, {}, true};
    QTest::newRow("moved with failures") << RunCounters{3, 1, 0, 0, 0, 0} << true
                                         << RunSummary{u"3 picture(s) successfully retitled/moved, 1 failure(s) occurred"_s,
                                                       {}, true};
    QTest::newRow("deletions") << RunCounters{0, 0, 0, 2, 1, 3} << false
                               << RunSummary{u"0 picture(s) successfully retitled (Delete information...)"_s,
                                             u"2 picture(s) succesfully deleted\n1 file(s) could not be deleted\n"
                                             "3 synchronized file(s) deleted"_s,
                                             false};
}

void RetitlerTest::summary()
{
    QFETCH(RunCounters, counters);
    QFETCH(bool, storage);
    QFETCH(RunSummary, expected);
    const RunSummary actual = Retitler::summary(counters, storage);
    QCOMPARE(actual.text, expected.text);
    QCOMPARE(actual.hint, expected.hint);
    QCOMPARE(actual.failed, expected.failed);
}

QTEST_GUILESS_MAIN(RetitlerTest)
#include "retitlertest.moc"
