#include "session/picturesession.h"

#include "session/subjectsource.h"

#include "support/bytes.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

namespace {

SGTitleRec record(const QString &title, const QString &marker = {}, const QString &freeText = {})
{
    SGTitleRec rec;
    rec.STOld = title;
    rec.STSelect = marker;
    rec.STNew = freeText;
    rec.STError = u"0"_s;
    rec.STVersion = u"4.4.0.0"_s;
    return rec;
}

// A subjects table of two records, the second marked removed.
class TwoSubjects final : public SubjectSource
{
public:
    int count() const override { return 2; }
    QString subject(int index) const override { return index == 0 ? u"Family"_s : u"Old"_s; }
    bool isRemoved(int index) const override { return index == 1 && !reactivated; }
    int activeIndexOf(const QString &) const override { return -1; }
    void reactivate(int) override { reactivated = true; }
    bool reactivated = false;
};

} // namespace

class PictureSessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void freshSessionListsThePicturesAndWritesARecordPerRow();
    void resumeTakesOverTheRecords();
    void renamedOutsideIsListedAsNewAndCountedMissing();
    void letterCaseChangeKeepsTheRecordAndShowsTheNameOnDisk();
    void readOnlyPictureIsNotListed();
    void laterStage2RowWins();
    void markersAndCorrectionMode();
    void markedForDeletionRestoresTheMarkText();
    void namesAndTextsOutsideWindows1252SurviveAResume();
    void windows1252TitleFileOfAnOlderVersionResumes();
    void damagedLengthBytesInventNoCharacters();
    void namesThatAreNotUtf8AreLeftOutAndTold();
    void subjects();
    void damagedTitleFileKeepsItsWholeRecords();
    void damagedTitleFileThatCannotBeKeptIsNotRewritten();
    void unreadableTitleFileIsNotReplaced();
    void updateRecordWritesOneRecordInPlace();
    void failedUpdateTellsTheUser();
    void firstGenerationConversion();
    void failedConversionTellsTheUser();
    void selectedCountText();
    void subjectColumnSwitch();
    void resumeStatus();

private:
    bool fill(PictureSession &session, bool fresh);
    QList<SGTitleRec> stored() const;
    void writeTitleFile(const QList<SGTitleRec> &records) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    NoSubjects m_noSubjects;
};

void PictureSessionTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
}

void PictureSessionTest::cleanup()
{
    m_dir.reset();
}

bool PictureSessionTest::fill(PictureSession &session, bool fresh)
{
    session.setFolder(m_dir->path(), u"4.4.0.0"_s);
    session.setFresh(fresh);
    if (fresh && !session.CreateFSGTitle())
        return false;
    return session.FillSGTitle(true);
}

QList<SGTitleRec> PictureSessionTest::stored() const
{
    const auto contents = TitleFile(m_dir->filePath(u"MrlSGTitle2.dat"_s)).readAll();
    return contents ? contents->records : QList<SGTitleRec>();
}

void PictureSessionTest::writeTitleFile(const QList<SGTitleRec> &records) const
{
    QVERIFY(TitleFile(m_dir->filePath(u"MrlSGTitle2.dat"_s)).rewrite(records));
}

void PictureSessionTest::freshSessionListsThePicturesAndWritesARecordPerRow()
{
    for (const QString &name : {u"b.jpg"_s, u"A.jpg"_s, u"c.txt"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, true));
    QCOMPARE(session.rowCount(), 2);
    QCOMPARE(session.row(0).currentTitle, u"A.jpg"_s);
    QCOMPARE(session.cell(0, PictureSession::NumberColumn), u"1"_s);
    QCOMPARE(session.cell(1, PictureSession::SubjectIndexColumn), u"-1"_s);
    QCOMPARE(session.cell(1, PictureSession::ErrorColumn), u"0"_s);
    QCOMPARE(session.cell(1, PictureSession::DeletionColumn), u"0"_s);
    const QList<SGTitleRec> records = stored();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).STOld, u"b.jpg"_s);
    QCOMPARE(records.at(1).STVersion, u"4.4.0.0"_s);
    QCOMPARE(session.missingTitles(), 0);
    QVERIFY(!session.resumeStatus());
}

void PictureSessionTest::resumeTakesOverTheRecords()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    SGTitleRec b = record(u"b.jpg"_s, u">>i"_s, u"Sunset"_s);
    b.STPrefix = u"Pre"_s;
    b.STSuffix = u"Suf"_s;
    b.STError = u"2"_s;
    writeTitleFile({b, record(u"a.jpg"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    const PictureRow &row = session.row(1);
    QCOMPARE(row.marker, u">>i"_s);
    QCOMPARE(row.freeText, u"Sunset"_s);
    QCOMPARE(row.prefix, u"Pre"_s);
    QCOMPARE(row.suffix, u"Suf"_s);
    QCOMPARE(row.errorCode, u"2"_s);
    QCOMPARE(session.selectedCount(), 1);
    // Records now follow the rows.
    QCOMPARE(stored().at(0).STOld, u"a.jpg"_s);
    QCOMPARE(stored().at(1), session.WriteFSGTitleRec(1, false, false));
    QCOMPARE(session.resumeStatus()->text, u"Previously closed session has been resumed"_s);
}

void PictureSessionTest::renamedOutsideIsListedAsNewAndCountedMissing()
{
    QVERIFY(writeFile(m_dir->filePath(u"renamed.jpg"_s)));
    writeTitleFile({record(u"original.jpg"_s, u">>i"_s, u"Text"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.rowCount(), 1);
    QVERIFY(session.row(0).marker.isEmpty());
    QVERIFY(session.row(0).freeText.isEmpty());
    QCOMPARE(session.missingTitles(), 1);
    QCOMPARE(stored().size(), 1);
    QCOMPARE(stored().at(0).STOld, u"renamed.jpg"_s);
    const auto status = session.resumeStatus();
    QCOMPARE(status->text, u"1 picture name present at the previous session, no longer exists in this folder"_s);
    QVERIFY(status->error);
    QCOMPARE(status->seconds, 10);
    QCOMPARE(status->sound, Platform::Sound::Error);
}

void PictureSessionTest::letterCaseChangeKeepsTheRecordAndShowsTheNameOnDisk()
{
    QVERIFY(writeFile(m_dir->filePath(u"img_1.jpg"_s)));
    writeTitleFile({record(u"IMG_1.JPG"_s, u">>i"_s, u"Kept"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.row(0).currentTitle, u"img_1.jpg"_s);
    QCOMPARE(session.row(0).freeText, u"Kept"_s);
    QCOMPARE(session.missingTitles(), 0);
    QCOMPARE(stored().at(0).STOld, u"img_1.jpg"_s);
}

void PictureSessionTest::readOnlyPictureIsNotListed()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    QVERIFY(writeFile(m_dir->filePath(u"locked.jpg"_s)));
    QVERIFY(makeReadOnly(m_dir->filePath(u"locked.jpg"_s)));
    writeTitleFile({record(u"a.jpg"_s), record(u"locked.jpg"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.rowCount(), 1);
    QCOMPARE(session.missingTitles(), 1);
}

void PictureSessionTest::laterStage2RowWins()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    SGTitleRec a = record(u"a.jpg"_s, u">>i"_s);
    a.STStage2 = true;
    a.STEditAll = false;
    SGTitleRec c = record(u"c.jpg"_s, u">>i"_s);
    c.STStage2 = true;
    c.STEditAll = true;
    writeTitleFile({c, record(u"b.jpg"_s), a});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.stage2Row(), 2);
    QCOMPARE(session.editMode(), EditMode::All);
    // The rewritten file keeps one stage-2 row, with its mode.
    const QList<SGTitleRec> records = stored();
    QVERIFY(!records.at(0).STStage2);
    QVERIFY(records.at(2).STStage2);
    QVERIFY(records.at(2).STEditAll);
}

void PictureSessionTest::markersAndCorrectionMode()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    writeTitleFile({record(u"a.jpg"_s, u">"_s), record(u"b.jpg"_s, u">>"_s), record(u"c.jpg"_s, u">>i"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QVERIFY(session.correctionMode());
    QVERIFY(session.row(1).isSelected());
    // ">" and ">>i" count, ">>" is shown selected but not counted.
    QCOMPARE(session.selectedCount(), 2);
    QCOMPARE(session.selectedCountText(), u"2 errors"_s);
    QCOMPARE(session.selectedCountHint(), u"Number of erroneous titles"_s);
}

void PictureSessionTest::markedForDeletionRestoresTheMarkText()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    SGTitleRec a = record(u"a.jpg"_s, u">>i"_s, u"whatever was typed"_s);
    a.STMarkDelete = true;
    writeTitleFile({a});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.row(0).freeText, u"[Marked for deletion]"_s);
    QCOMPARE(session.cell(0, PictureSession::DeletionColumn), u"1"_s);
    QVERIFY(stored().at(0).STMarkDelete);
}

void PictureSessionTest::namesAndTextsOutsideWindows1252SurviveAResume()
{
    const QString name = u"Привет.jpg"_s;
    QVERIFY(writeFile(m_dir->filePath(name)));
    PictureSession first(m_dialogs, m_noSubjects);
    QVERIFY(fill(first, true));
    first.rowForChange(0).marker = Marker::selected;
    first.rowForChange(0).freeText = u"Ωmega"_s;
    QVERIFY(first.UpdateFSGTitleRec(0, false, false));
    const QByteArray bytes = readFile(m_dir->filePath(u"MrlSGTitle2.dat"_s));
    QCOMPARE(shortStringAt(bytes, 4), name.toUtf8());
    QCOMPARE(shortStringAt(bytes, 260), QByteArray("\xce\xa9mega"));

    PictureSession resumed(m_dialogs, m_noSubjects);
    QVERIFY(fill(resumed, false));
    QCOMPARE(resumed.row(0).currentTitle, name);
    QCOMPARE(resumed.row(0).marker, Marker::selected);
    QCOMPARE(resumed.row(0).freeText, u"Ωmega"_s);
    QCOMPARE(resumed.missingTitles(), 0);
    QCOMPARE(resumed.resumeStatus()->text, u"Previously closed session has been resumed"_s);
}

void PictureSessionTest::windows1252TitleFileOfAnOlderVersionResumes()
{
    QVERIFY(writeFile(m_dir->filePath(u"Café.jpg"_s)));
    QByteArray bytes = record(u"Caf_.jpg"_s, u">>i"_s, u"Caf_ noir"_s).toBytes();
    bytes[4 + 4] = char(0xe9);
    bytes[260 + 4] = char(0xe9);
    QVERIFY(writeFile(m_dir->filePath(u"MrlSGTitle2.dat"_s), bytes));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.row(0).marker, Marker::selected);
    QCOMPARE(session.row(0).freeText, u"Café noir"_s);
    QCOMPARE(session.missingTitles(), 0);
    // Rewritten in UTF-8.
    QCOMPARE(shortStringAt(readFile(m_dir->filePath(u"MrlSGTitle2.dat"_s)), 4), QByteArray("Caf\xc3\xa9.jpg"));
}

void PictureSessionTest::damagedLengthBytesInventNoCharacters()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    SGTitleRec a = record(u"a.jpg"_s);
    a.STPrefix = u"pre"_s;
    QByteArray bytes = a.toBytes();
    // Every length byte of the record says 255, more than its field holds (the title fields hold 255).
    for (const int offset : {0, 516, 526, 537, 588, 639, 662, 693, 724, 755, 786, 817})
        bytes[offset] = char(0xff);
    QVERIFY(writeFile(m_dir->filePath(u"MrlSGTitle2.dat"_s), bytes));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.missingTitles(), 0);
    QCOMPARE(session.row(0).marker, QString());
    QCOMPARE(session.selectedCount(), 0);
    QCOMPARE(session.row(0).freeText, QString());
    QCOMPARE(session.row(0).prefix, u"pre"_s);
    QCOMPARE(session.row(0).suffix, QString());
}

void PictureSessionTest::namesThatAreNotUtf8AreLeftOutAndTold()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    QVERIFY(createFileNamedByBytes(m_dir->path(), "caf\xe9.jpg"));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, true));
    QCOMPARE(session.rowCount(), 1);
    QCOMPARE(session.notUtf8Names(), 1);
    auto status = session.resumeStatus();
    QVERIFY(status);
    QCOMPARE(status->text, u"1 picture is not listed: its name is not valid UTF-8, so it cannot be retitled"_s);
    QVERIFY(status->error);

    QVERIFY(createFileNamedByBytes(m_dir->path(), "\xd6l.png"));
    PictureSession resumed(m_dialogs, m_noSubjects);
    QVERIFY(fill(resumed, false));
    QCOMPARE(resumed.rowCount(), 1);
    status = resumed.resumeStatus();
    QCOMPARE(status->text, u"2 pictures are not listed: their names are not valid UTF-8, so they cannot be retitled. "
                           u"Previously closed session has been resumed"_s);
    QVERIFY(status->error);
    QCOMPARE(resumed.listingStatus()->text,
             u"2 pictures are not listed: their names are not valid UTF-8, so they cannot be retitled"_s);
}

void PictureSessionTest::subjects()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    SGTitleRec a = record(u"a.jpg"_s);
    a.STSubjIndex = 0;
    SGTitleRec b = record(u"b.jpg"_s);
    b.STSubjIndex = 1;
    SGTitleRec c = record(u"c.jpg"_s);
    c.STSubjIndex = 5;
    writeTitleFile({a, b, c});
    TwoSubjects subjects;
    PictureSession session(m_dialogs, subjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.row(0).subject, u"Family"_s);
    QCOMPARE(session.row(1).subjectIndex, 1);
    QVERIFY(subjects.reactivated);
    QCOMPARE(session.row(2).subjectIndex, -1);
    QVERIFY(session.row(2).subject.isEmpty());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QVERIFY(m_dialogs.informed.at(0).text.startsWith(u"Some or all assigned subjects got lost!\n"_s));
}

void PictureSessionTest::damagedTitleFileKeepsItsWholeRecords()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    const QString path = m_dir->filePath(u"MrlSGTitle2.dat"_s);
    const QByteArray damaged = record(u"a.jpg"_s, u">>i"_s).toBytes() + "partial";
    QVERIFY(writeFile(path, damaged));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.row(0).marker, u">>i"_s);
    QCOMPARE(QFileInfo(path).size(), 900);
    // The damaged bytes are kept beside the file, and the user is told in a box, which nothing
    // shown later can take the place of.
    QCOMPARE(readFile(path + u".damaged"_s), damaged);
    QVERIFY(m_dialogs.statuses.isEmpty());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).severity, Platform::Severity::Warning);
    QCOMPARE(m_dialogs.informed.at(0).text,
             path + u" was damaged: its size was not a whole number of records. Its first 1 whole record(s) were "
                    u"kept; the damaged file was saved as "_s
                 + path + u".damaged"_s);

    // A later damage never overwrites the earlier copy.
    QVERIFY(writeFile(path, damaged + damaged));
    PictureSession again(m_dialogs, m_noSubjects);
    QVERIFY(fill(again, false));
    QCOMPARE(readFile(path + u".damaged"_s), damaged);
    QCOMPARE(readFile(path + u".damaged-2"_s), damaged + damaged);
    QVERIFY(m_dialogs.informed.at(1).text.contains(u"Its first 2 whole record(s) were kept"_s));
    QVERIFY(m_dialogs.informed.at(1).text.endsWith(path + u".damaged-2"_s));
}

void PictureSessionTest::damagedTitleFileThatCannotBeKeptIsNotRewritten()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    const QString path = m_dir->filePath(u"MrlSGTitle2.dat"_s);
    const QByteArray damaged = record(u"a.jpg"_s, u">>i"_s).toBytes() + "partial";
    QVERIFY(writeFile(path, damaged));
    // A link where the copy would go, to a file of the user's that must stay as it is.
    const QString other = m_dir->filePath(u"other.txt"_s);
    QVERIFY(writeFile(other, "mine"));
    QVERIFY(QFile::link(other, path + u".damaged"_s));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(readFile(other), QByteArray("mine"));
    QCOMPARE(readFile(path + u".damaged-2"_s), damaged);

    // Where no copy can be made, here of a title file reached through a link, the damaged file
    // stays as it is and the session does not open.
    QVERIFY(QFile::remove(path));
    const QString target = m_dir->filePath(u"elsewhere.dat"_s);
    QVERIFY(writeFile(target, damaged));
    QVERIFY(QFile::link(target, path));
    PictureSession refused(m_dialogs, m_noSubjects);
    QVERIFY(!fill(refused, false));
    QVERIFY(refused.fillError().contains(u"MrlSGTitle2.dat"_s));
    QCOMPARE(readFile(target), damaged);
    QVERIFY(QFileInfo(path).isSymLink());
}

void PictureSessionTest::unreadableTitleFileIsNotReplaced()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    // A title file that cannot be read must not be overwritten with an empty session.
    QVERIFY(QDir(m_dir->path()).mkdir(u"MrlSGTitle2.dat"_s));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(!fill(session, false));
    QVERIFY(session.fillError().contains(u"MrlSGTitle2.dat"_s));
    QVERIFY(QFileInfo(m_dir->filePath(u"MrlSGTitle2.dat"_s)).isDir());
}

void PictureSessionTest::updateRecordWritesOneRecordInPlace()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, true));
    QVERIFY(session.UpdateFSGTitleRec(1, true, true));
    const QList<SGTitleRec> records = stored();
    QVERIFY(records.at(1).STStage2);
    QVERIFY(records.at(1).STEditAll);
    QVERIFY(!records.at(0).STStage2);
    QCOMPARE(records.size(), 2);

    // Within a run of updates each record is in the file at once, before the run ends.
    session.beginRecordUpdates();
    session.rowForChange(0).freeText = u"Beach"_s;
    QVERIFY(session.UpdateFSGTitleRec(0, false, false));
    QCOMPARE(stored().at(0).STNew, u"Beach"_s);
    QVERIFY(stored().at(1).STStage2);
    session.endRecordUpdates();
    QCOMPARE(stored().size(), 2);
    QCOMPARE(stored().at(0).STNew, u"Beach"_s);
}

void PictureSessionTest::failedUpdateTellsTheUser()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, true));
    QVERIFY(QFile::remove(m_dir->filePath(u"MrlSGTitle2.dat"_s)));
    QVERIFY(!session.UpdateFSGTitleRec(0, false, false));
    QCOMPARE(m_dialogs.informed.size(), 1);
    const QString expected = u"Error updating "_s + m_dir->filePath(u"MrlSGTitle2.dat"_s)
                             + u" , you might have a problem with the disk,\nyou might try to finish your work and "
                               u"carry out the retitling\n but the chance of other failures occurring are big."_s;
    QCOMPARE(m_dialogs.informed.at(0).text, expected);
}

void PictureSessionTest::firstGenerationConversion()
{
    QVERIFY(writeFile(m_dir->filePath(u"a.jpg"_s)));
    SGTitleRecOld old;
    old.select = u">>i"_s;
    old.oldTitle = u"a.jpg"_s;
    old.newText = u"Old text"_s;
    old.error = u"0"_s;
    old.stage2 = true;
    old.editAll = false;
    QVERIFY(writeFile(m_dir->filePath(u"MrlSGTitle.dat"_s), old.toBytes()));
    PictureSession session(m_dialogs, m_noSubjects);
    session.setFolder(m_dir->path(), u"4.4.0.0"_s);
    QVERIFY(session.CreateFSGTitle());
    QVERIFY(session.convertFirstGeneration());
    QVERIFY(!session.isFresh());
    QVERIFY(!QFile::exists(m_dir->filePath(u"MrlSGTitle.dat"_s)));
    const QList<SGTitleRec> records = stored();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).STNew, u"Old text"_s);
    QCOMPARE(records.at(0).STSubjIndex, -1);
    QVERIFY(records.at(0).STStage2);
    QVERIFY(!records.at(0).STEditAll);
    QCOMPARE(records.at(0).STVersion, u"4.4.0.0"_s);

    QVERIFY(session.FillSGTitle(true));
    QCOMPARE(session.row(0).freeText, u"Old text"_s);
    QCOMPARE(session.stage2Row(), 0);
    QCOMPARE(session.editMode(), EditMode::Single);
}

void PictureSessionTest::failedConversionTellsTheUser()
{
    QVERIFY(writeFile(m_dir->filePath(u"MrlSGTitle.dat"_s), QByteArray(700, 'x')));
    PictureSession session(m_dialogs, m_noSubjects);
    session.setFolder(m_dir->path(), u"4.4.0.0"_s);
    QVERIFY(session.CreateFSGTitle());
    QVERIFY(!session.convertFirstGeneration());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QVERIFY(m_dialogs.informed.at(0).text.startsWith(u"Conversion of workfiles failed!\n"_s));
    QVERIFY(QFile::exists(m_dir->filePath(u"MrlSGTitle.dat"_s)));
}

void PictureSessionTest::selectedCountText()
{
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    writeTitleFile({record(u"a.jpg"_s, u">>i"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.selectedCountText(), u"3/1"_s);
    QCOMPARE(session.selectedCountHint(), u"Total number/Number selected pictures"_s);
    QVERIFY(session.selectionCommandsEnabled());
    session.ShowSelectedPictures(0);
    QVERIFY(!session.selectionCommandsEnabled());
}

void PictureSessionTest::subjectColumnSwitch()
{
    PictureSession session(m_dialogs, m_noSubjects);
    session.InitSGTitle();
    QCOMPARE(session.freeTextColumn(), 3);
    QCOMPARE(session.subjectColumn(), 4);
    QVERIFY(!session.isColumnShown(4));
    QVERIFY(session.isColumnShown(3));
    QCOMPARE(PictureSession::headerTitle(3, session.subjectColumn()), u"Free text element of new title"_s);
    session.SetSubjSGTitle(true);
    QCOMPARE(session.subjectColumn(), 3);
    QVERIFY(session.isColumnShown(3));
    QVERIFY(session.isColumnShown(4));
    QCOMPARE(PictureSession::headerTitle(3, session.subjectColumn()), u"Subject"_s);
    for (const int hidden : {7, 8, 9})
        QVERIFY(!session.isColumnShown(hidden));
}

void PictureSessionTest::resumeStatus()
{
    for (const QString &name : {u"a.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    writeTitleFile({record(u"x.jpg"_s), record(u"y.jpg"_s), record(u"z.jpg"_s)});
    PictureSession session(m_dialogs, m_noSubjects);
    QVERIFY(fill(session, false));
    QCOMPARE(session.resumeStatus()->text,
             u"3 picture names present at the previous session, no longer exist in this folder"_s);
}

QTEST_GUILESS_MAIN(PictureSessionTest)
#include "picturesessiontest.moc"
