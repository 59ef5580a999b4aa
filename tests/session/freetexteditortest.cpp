#include "session/freetexteditor.h"

#include "session/cutcharacters.h"
#include "session/dictionaryline.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"

#include "dictionary/completionsource.h"
#include "dictionary/editline.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

namespace {

// Dictionaries without entries: the line offers no completions.
class EmptyDictionaries final : public Dictionary::CompletionSource
{
public:
    QList<Dictionary::CompletionLine> completions(const QString &, int) const override { return {}; }
    Dictionary::ContextHits contextHits(const QString &, const QStringList &, int) const override { return {}; }
};

// A line that offers a completion, for the caption "Add".
class OfferingLine final : public FreeTextLine
{
public:
    void load(const QString &text, bool) override { m_text = text; }
    QString text() const override { return m_text; }
    void enter() override {}
    bool nothingToAdd() const override { return false; }
    void clearCompletions() override {}

private:
    QString m_text;
};

} // namespace

// One picture folder with its session, opened as the program opens it.
struct Folder
{
    Folder(const QString &path, FakeDialogs &dialogs)
        : pictures(dialogs, subjects),
          settings(path + u"/PSMSet.dat"_s),
          selection(pictures, settings, dialogs),
          editor(pictures, selection, workflow, settings, dialogs),
          editLine(dictionaries, editor, dialogs),
          line(editLine)
    {
        pictures.setFolder(path, u"4.4.0.0"_s);
        if (!pictures.titleFile().exists())
            pictures.CreateFSGTitle();
        else
            pictures.setFresh(false);
        pictures.FillSGTitle(true);
        editor.setLine(&line);
        FreeTextEditorHooks hooks;
        hooks.addConfirmedFreeText = [this](const QString &text) { confirmed.append(text); };
        hooks.addPicSuffix = [this](const QString &text) { suffixes.append(text); };
        hooks.changedSuffix = [this](int row, const QString &text) { changedSuffixes.append({row, text}); };
        hooks.testResultRows = [this] { return testedRows; };
        editor.setHooks(hooks);
    }

    // The line's text as the user leaves it, the caret at its end.
    void type(const QString &text) { editLine.textEdited(text, int(text.size()), 0); }
    // Types a text into the line and presses Enter.
    void confirm(const QString &text)
    {
        type(text);
        line.enter();
    }

    NoSubjects subjects;
    PictureSession pictures;
    Settings::ProgramSettings settings;
    Selection selection;
    StageWorkflow workflow;
    FreeTextEditor editor;
    EmptyDictionaries dictionaries;
    Dictionary::EditLine editLine;
    DictionaryLine line;
    QStringList confirmed;
    QStringList suffixes;
    QList<QPair<int, QString>> changedSuffixes;
    QList<int> testedRows;
};

class FreeTextEditorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void enterAllStartsAtFirstSelectedPicture();
    void confirmAdvancesAndTheLastLeavesStage2();
    void goBack();
    void resumeAfterReopening_data();
    void resumeAfterReopening();
    void singleModeConfirmsOnePicture();
    void quitKeepsThePreviousFreeText();
    void correctionModeVisitsErroneousRowsOnly();
    void deleteToggle();
    void pictureTextsAreStoredTrimmed_data();
    void pictureTextsAreStoredTrimmed();
    void previousValuesAreOfferedForAnEmptyPicture();
    void same();
    void buttonCaptions();
    void progress();
    void jumpToFirstEmpty();
    void tableClicks();
    void illegalCharacters();
    void copyCurrentTitles();
    void cutCharactersDialog();
    void cutCharactersApplied();
    void eraseFreeTexts();
    void editorHelpIsAskedOnce();

private:
    // Selects rows by their index and rewrites their records.
    void select(const QList<int> &rows, const QString &marker = Marker::selected);
    SGTitleRec record(int row) const;
    QList<int> stage2Records() const;
    QString lastStatus() const { return m_dialogs.statuses.isEmpty() ? QString() : m_dialogs.statuses.last().text; }
    QString lastMessage() const { return m_dialogs.informed.isEmpty() ? QString() : m_dialogs.informed.last().text; }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    std::unique_ptr<Folder> m_folder;
};

void FreeTextEditorTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    for (const QString &name : {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s, u"d.jpg"_s, u"e.jpg"_s})
        QVERIFY(writeFile(m_dir->filePath(name)));
    m_dialogs = FakeDialogs();
    m_folder = std::make_unique<Folder>(m_dir->path(), m_dialogs);
    QCOMPARE(m_folder->pictures.rowCount(), 5);
}

void FreeTextEditorTest::cleanup()
{
    m_folder.reset();
    m_dir.reset();
}

void FreeTextEditorTest::select(const QList<int> &rows, const QString &marker)
{
    PictureSession &pictures = m_folder->pictures;
    for (const int row : rows) {
        pictures.rowForChange(row).marker = marker;
        QVERIFY(pictures.UpdateFSGTitleRec(row, false, false));
    }
    pictures.ShowSelectedPictures(int(rows.size()));
}

SGTitleRec FreeTextEditorTest::record(int row) const
{
    const auto contents = m_folder->pictures.titleFile().readAll();
    if (!contents || row >= contents->records.size())
        return {};
    return contents->records.at(row);
}

QList<int> FreeTextEditorTest::stage2Records() const
{
    QList<int> rows;
    const auto contents = m_folder->pictures.titleFile().readAll();
    for (int i = 0; contents && i < contents->records.size(); ++i) {
        if (contents->records.at(i).STStage2)
            rows.append(i);
    }
    return rows;
}

void FreeTextEditorTest::enterAllStartsAtFirstSelectedPicture()
{
    select({1, 2, 4});
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();

    QVERIFY(editor.isActive());
    QCOMPARE(editor.stage2Row(), 1);
    QCOMPARE(editor.currentRow(), 1);
    QCOMPARE(m_folder->workflow.stage(), Stage::Editing);
    QCOMPARE(stage2Records(), QList<int>{1});
    QVERIFY(record(1).STEditAll);
    QCOMPARE(editor.progressNumber(), 1);
}

void FreeTextEditorTest::confirmAdvancesAndTheLastLeavesStage2()
{
    select({1, 2, 4});
    m_folder->pictures.rowForChange(2).freeText = u"Dunes"_s;
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();

    m_folder->confirm(u"Beach  "_s);
    QCOMPARE(m_folder->pictures.row(1).freeText, u"Beach"_s);
    QCOMPARE(record(1).STNew, u"Beach"_s);
    QCOMPARE(editor.stage2Row(), 2);
    QCOMPARE(m_folder->line.text(), u"Dunes"_s);
    QCOMPARE(stage2Records(), QList<int>{2});
    QCOMPARE(editor.progressNumber(), 2);

    // An unchanged free text does not feed the dictionary again.
    m_folder->line.enter();
    QCOMPARE(editor.stage2Row(), 4);
    m_folder->confirm(u"Sea"_s);
    QVERIFY(!editor.isActive());
    QCOMPARE(m_folder->workflow.stage(), Stage::Selecting);
    QCOMPARE(stage2Records(), QList<int>());
    QCOMPARE(m_folder->pictures.row(4).freeText, u"Sea"_s);
    QCOMPARE(m_folder->confirmed, (QStringList{u"Beach"_s, u"Sea"_s}));
    QVERIFY(m_folder->line.text().isEmpty());
}

void FreeTextEditorTest::goBack()
{
    select({1, 3});
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();

    editor.GoBack();
    QCOMPARE(lastStatus(), u"No previous selected picture available"_s);
    QVERIFY(m_dialogs.statuses.last().error);
    QCOMPARE(m_dialogs.statuses.last().sound, Platform::Sound::Error);

    m_folder->confirm(u"First"_s);
    QCOMPARE(editor.stage2Row(), 3);
    m_folder->type(u"dropped"_s);
    editor.GoBack();
    QCOMPARE(editor.stage2Row(), 1);
    QCOMPARE(editor.progressNumber(), 1);
    QCOMPARE(m_folder->line.text(), u"First"_s);
    QCOMPARE(stage2Records(), QList<int>{1});
    QVERIFY(m_folder->pictures.row(3).freeText.isEmpty());
}

void FreeTextEditorTest::resumeAfterReopening_data()
{
    QTest::addColumn<bool>("all");
    QTest::newRow("all") << true;
    QTest::newRow("single") << false;
}

void FreeTextEditorTest::resumeAfterReopening()
{
    QFETCH(bool, all);
    select({0, 2, 3});
    FreeTextEditor &editor = m_folder->editor;
    if (all) {
        editor.BtnEditAllClick();
        m_folder->confirm(u"One"_s);
    } else {
        editor.setCurrentRow(2);
        editor.BtnEditOneClick();
    }
    QCOMPARE(editor.stage2Row(), 2);

    // The program is closed in the middle and the folder opened again.
    m_folder.reset();
    m_folder = std::make_unique<Folder>(m_dir->path(), m_dialogs);
    FreeTextEditor &resumed = m_folder->editor;
    QCOMPARE(m_folder->pictures.stage2Row(), std::optional<int>(2));
    resumed.resumeStage2();
    QVERIFY(resumed.isActive());
    QCOMPARE(resumed.editMode(), all ? EditMode::All : EditMode::Single);
    QCOMPARE(resumed.stage2Row(), 2);
    QCOMPARE(resumed.currentRow(), 2);
    QCOMPARE(resumed.progressNumber(), 2);
    QCOMPARE(stage2Records(), QList<int>{2});
    QCOMPARE(record(2).STEditAll, all);

    // The restored row is used once.
    resumed.ImStopEditClick();
    QCOMPARE(stage2Records(), QList<int>());
    resumed.setCurrentRow(0);
    resumed.BtnEditOneClick();
    QCOMPARE(resumed.stage2Row(), 0);
}

void FreeTextEditorTest::singleModeConfirmsOnePicture()
{
    select({1, 2});
    FreeTextEditor &editor = m_folder->editor;
    QCOMPARE(editor.editOneCaption(), u"Ed&it free text # "_s);
    editor.setCurrentRow(3);
    QVERIFY(!m_folder->workflow.isEnabled(Command::EditOne));
    editor.BtnEditOneClick();
    QVERIFY(!editor.isActive());

    editor.setCurrentRow(2);
    QCOMPARE(editor.editOneCaption(), u"Ed&it free text # 3"_s);
    QCOMPARE(editor.editOneMenuCaption(), u"Edit free text for picture number 3"_s);
    QVERIFY(m_folder->workflow.isEnabled(Command::EditOne));
    editor.BtnEditOneClick();
    QVERIFY(editor.isActive());
    QCOMPARE(editor.editMode(), EditMode::Single);
    QCOMPARE(stage2Records(), QList<int>{2});
    QVERIFY(!record(2).STEditAll);
    QCOMPARE(editor.progressPercent(), 100);
    QCOMPARE(editor.progressHint(), u"Progress: 100%"_s);

    m_folder->confirm(u"Only this"_s);
    QVERIFY(!editor.isActive());
    QCOMPARE(m_folder->pictures.row(2).freeText, u"Only this"_s);
    QVERIFY(m_folder->pictures.row(1).freeText.isEmpty());
    QCOMPARE(stage2Records(), QList<int>());
}

void FreeTextEditorTest::quitKeepsThePreviousFreeText()
{
    select({0, 1});
    m_folder->pictures.rowForChange(0).freeText = u"Old"_s;
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();
    m_folder->type(u"typed"_s);
    editor.quitEditing();
    QVERIFY(!editor.isActive());
    QCOMPARE(m_folder->pictures.row(0).freeText, u"Old"_s);
    QCOMPARE(stage2Records(), QList<int>());
    QCOMPARE(m_folder->workflow.stage(), Stage::Selecting);
    QVERIFY(m_folder->confirmed.isEmpty());
}

void FreeTextEditorTest::correctionModeVisitsErroneousRowsOnly()
{
    PictureSession &pictures = m_folder->pictures;
    const QStringList markers{Marker::erroneous, Marker::correct, Marker::erroneous, QString(), Marker::erroneous};
    for (int row = 0; row < markers.size(); ++row) {
        pictures.rowForChange(row).marker = markers.at(row);
        pictures.rowForChange(row).errorCode = markers.at(row) == Marker::erroneous ? u"2"_s : u"0"_s;
        QVERIFY(pictures.UpdateFSGTitleRec(row, false, false));
    }
    pictures.setCorrectionMode(true);
    pictures.ShowSelectedPictures(3);
    m_folder->testedRows = {0, 1, 2, 4};
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();
    QCOMPARE(editor.stage2Row(), 0);

    m_folder->confirm(u"A"_s);
    QCOMPARE(editor.stage2Row(), 2);
    editor.GoBack();
    QCOMPARE(editor.stage2Row(), 0);
    editor.GoBack();
    QCOMPARE(lastStatus(), u"No previous erroneous selected picture available"_s);
    m_folder->confirm(u"A"_s);
    m_folder->confirm(u"C"_s);
    QCOMPARE(editor.stage2Row(), 4);
    m_folder->confirm(u"E"_s);

    // The last erroneous picture ends correction mode: every tested picture is selected again.
    QVERIFY(!editor.isActive());
    QVERIFY(!pictures.correctionMode());
    QCOMPARE(pictures.selectedCount(), 4);
    for (const int row : {0, 1, 2, 4}) {
        QCOMPARE(pictures.row(row).marker, Marker::selected);
        QCOMPARE(pictures.row(row).errorCode, u"0"_s);
        QCOMPARE(record(row).STSelect, Marker::selected);
    }
    QVERIFY(pictures.row(3).marker.isEmpty());
}

void FreeTextEditorTest::deleteToggle()
{
    select({0, 1});
    PictureSession &pictures = m_folder->pictures;
    pictures.rowForChange(0).freeText = u"Keep me"_s;
    pictures.rowForChange(0).suffix = u"sfx"_s;
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();
    QCOMPARE(editor.deleteCaption(), u"&Delete"_s);
    QCOMPARE(editor.deleteHint(), u"Mark this picture for deletion"_s);

    editor.BtnDeleteClick();
    QVERIFY(editor.isMarked());
    QCOMPARE(editor.deleteCaption(), u"&Keep"_s);
    QCOMPARE(editor.deleteHint(), u"Keep this picture"_s);
    QCOMPARE(m_folder->line.text(), PictureSession::deletionMarkText());
    QVERIFY(!editor.pictureFieldsEnabled());
    QVERIFY(editor.suffixField().isEmpty());
    // The table changes only once the picture is confirmed.
    QVERIFY(!pictures.row(0).markedForDeletion);

    // Typing changes nothing while marked; Enter confirms.
    m_folder->type(u"x"_s);
    QCOMPARE(m_folder->line.text(), PictureSession::deletionMarkText());
    m_folder->line.enter();
    QVERIFY(pictures.row(0).markedForDeletion);
    QCOMPARE(pictures.row(0).freeText, u"[Marked for deletion]"_s);
    QVERIFY(pictures.row(0).suffix.isEmpty());
    QVERIFY(record(0).STMarkDelete);
    QVERIFY(m_folder->confirmed.isEmpty());
    QVERIFY(m_folder->suffixes.isEmpty());

    // Unmarking starts with an empty free text.
    editor.GoBack();
    QVERIFY(editor.isMarked());
    editor.BtnDeleteClick();
    QVERIFY(!editor.isMarked());
    QVERIFY(m_folder->line.text().isEmpty());
    QVERIFY(editor.pictureFieldsEnabled());
    m_folder->confirm(u"Back again"_s);
    QVERIFY(!pictures.row(0).markedForDeletion);
    QCOMPARE(pictures.row(0).freeText, u"Back again"_s);
    QVERIFY(!record(0).STMarkDelete);
}

void FreeTextEditorTest::pictureTextsAreStoredTrimmed_data()
{
    QTest::addColumn<bool>("all");
    QTest::newRow("all") << true;
    QTest::newRow("single") << false;
}

void FreeTextEditorTest::pictureTextsAreStoredTrimmed()
{
    QFETCH(bool, all);
    select({2});
    FreeTextEditor &editor = m_folder->editor;
    if (all) {
        editor.BtnEditAllClick();
    } else {
        editor.setCurrentRow(2);
        editor.BtnEditOneClick();
    }
    editor.setSuffixField(u"  sfx\t "_s);
    m_folder->confirm(u"Text"_s);
    QCOMPARE(m_folder->pictures.row(2).suffix, u"sfx"_s);
    QCOMPARE(record(2).STSuffix, u"sfx"_s);
    QCOMPARE(m_folder->suffixes, QStringList{u"sfx"_s});
    QCOMPARE(m_folder->changedSuffixes, (QList<QPair<int, QString>>{{2, u"sfx"_s}}));
}

void FreeTextEditorTest::previousValuesAreOfferedForAnEmptyPicture()
{
    select({0, 1, 2});
    PictureSession &pictures = m_folder->pictures;
    pictures.rowForChange(0).prefix = u"pre"_s;
    pictures.rowForChange(0).freeText = u"Zero"_s;
    pictures.rowForChange(2).freeText = u"Two"_s;
    pictures.rowForChange(2).prefix = u"own"_s;
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();
    QCOMPARE(editor.prefixField(), u"pre"_s);
    m_folder->line.enter();
    QCOMPARE(editor.stage2Row(), 1);
    QCOMPARE(editor.prefixField(), u"pre"_s);
    m_folder->confirm(u"One"_s);
    QCOMPARE(pictures.row(1).prefix, u"pre"_s);
    // A described picture shows its own values.
    QCOMPARE(editor.prefixField(), u"own"_s);
}

void FreeTextEditorTest::same()
{
    select({0, 1, 3});
    m_folder->pictures.rowForChange(1).freeText.clear();
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();

    m_folder->line.enter();
    QCOMPARE(lastMessage(), u"No previous selected title found"_s);
    QVERIFY(m_folder->line.text().isEmpty());
    QCOMPARE(editor.stage2Row(), 0);

    m_folder->confirm(u"Harbour"_s);
    m_folder->line.enter();
    QCOMPARE(m_folder->line.text(), u"Harbour"_s);
    QCOMPARE(editor.stage2Row(), 1);
    QVERIFY(m_folder->pictures.row(1).freeText.isEmpty());
    QCOMPARE(m_dialogs.informed.size(), 1);

    // A previous picture without free text.
    editor.ImStopEditClick();
    m_folder->pictures.rowForChange(0).freeText.clear();
    editor.setCurrentRow(1);
    editor.BtnEditOneClick();
    m_folder->line.enter();
    QCOMPARE(lastMessage(), u"Previous selected title does not have free text"_s);
    QVERIFY(m_folder->line.text().isEmpty());
}

void FreeTextEditorTest::buttonCaptions()
{
    select({0, 1});
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();
    QCOMPARE(editor.enterCaption(), u"Same"_s);
    QCOMPARE(editor.enterHint(), u"Copy free text of previous selected title (alternatively press Enter)"_s);
    m_folder->type(u"a"_s);
    editor.SetBtnEnter();
    QCOMPARE(editor.enterCaption(), u"Next"_s);
    QCOMPARE(editor.enterHint(), u"Go to next selected title (alternatively press Enter)"_s);

    // The button does what Enter does and stays usable while stage 2 goes on.
    editor.BtnEnterClick();
    QCOMPARE(editor.stage2Row(), 1);
    QVERIFY(editor.enterEnabled());
    editor.ImStopEditClick();
    QVERIFY(!editor.enterEnabled());

    editor.setCurrentRow(1);
    editor.BtnEditOneClick();
    m_folder->type(u"b"_s);
    editor.SetBtnEnter();
    QCOMPARE(editor.enterCaption(), u"Done"_s);
    QCOMPARE(editor.enterHint(), u"Alternatively press Enter"_s);

    OfferingLine offering;
    offering.load(u"par"_s, false);
    editor.setLine(&offering);
    editor.SetBtnEnter();
    QCOMPARE(editor.enterCaption(), u"Add"_s);
    QCOMPARE(editor.enterHint(), u"Add entry from dictionary to free text (alternatively press Enter)"_s);
    editor.setLine(&m_folder->line);
}

void FreeTextEditorTest::progress()
{
    select({0, 1, 2});
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();
    QCOMPARE(editor.progressPercent(), 33);
    QCOMPARE(editor.progressHint(), u"Progress: 33%, still 2 title(s) to go"_s);
    m_folder->confirm(u"x"_s);
    QCOMPARE(editor.progressPercent(), 67);
    m_folder->confirm(u"y"_s);
    QCOMPARE(editor.progressPercent(), 100);
    QCOMPARE(editor.progressHint(), u"Progress: 100%"_s);
}

void FreeTextEditorTest::jumpToFirstEmpty()
{
    select({0, 1, 2, 3});
    PictureSession &pictures = m_folder->pictures;
    for (const int row : {0, 1, 3})
        pictures.rowForChange(row).freeText = u"t"_s + QString::number(row);
    FreeTextEditor &editor = m_folder->editor;
    editor.BtnEditAllClick();

    m_folder->type(u"changed"_s);
    editor.BtnJumpEmptyClick();
    QCOMPARE(lastMessage(), u"Current title has changed, confirm this change first by pressing Enter"_s);
    m_folder->type(u"t0"_s);
    editor.BtnJumpEmptyClick();
    QCOMPARE(editor.stage2Row(), 2);
    QCOMPARE(editor.currentRow(), 2);
    QCOMPARE(editor.progressNumber(), 3);
    QCOMPARE(stage2Records(), QList<int>{2});

    editor.BtnJumpEmptyClick();
    QCOMPARE(lastMessage(), u"Current title is empty, can not jump"_s);
    m_folder->confirm(u"t2"_s);
    QCOMPARE(editor.stage2Row(), 3);
    editor.BtnJumpEmptyClick();
    QCOMPARE(lastMessage(), u"No next selected and empty picture title found"_s);
    QCOMPARE(editor.stage2Row(), 3);
}

void FreeTextEditorTest::tableClicks()
{
    select({1, 3});
    FreeTextEditor &editor = m_folder->editor;
    QList<int> moves;
    connect(&editor, &FreeTextEditor::currentRowChanged, this, [&moves](int row) { moves.append(row); });
    editor.BtnEditAllClick();
    m_folder->type(u"unconfirmed"_s);

    editor.tableRowClicked(2, PictureSession::TitleColumn);
    QCOMPARE(lastStatus(), u"You can not edit free text for a picture that is not selected"_s);
    QVERIFY(m_dialogs.statuses.last().error);
    QCOMPARE(editor.stage2Row(), 1);
    QCOMPARE(moves.last(), 1);

    // The "Sel" column shows the picture and never changes the selection.
    editor.tableRowClicked(3, PictureSession::MarkerColumn);
    QCOMPARE(editor.stage2Row(), 1);
    QVERIFY(m_folder->pictures.row(2).marker.isEmpty());

    editor.tableRowClicked(3, PictureSession::TitleColumn);
    QCOMPARE(editor.stage2Row(), 3);
    QCOMPARE(editor.progressNumber(), 2);
    QVERIFY(m_folder->pictures.row(1).freeText.isEmpty());
    QCOMPARE(stage2Records(), QList<int>{3});
}

void FreeTextEditorTest::illegalCharacters()
{
    m_folder->editor.ShowIllegalChar();
    const Platform::StatusMessage status = m_dialogs.statuses.last();
    QCOMPARE(status.text, u"A file- or folder name cannot contain any of the following characters: / \\ : * ? \" < > |"_s);
    QVERIFY(status.error);
    QCOMPARE(status.seconds, 5);
    QCOMPARE(status.sound, Platform::Sound::Error);

    // The edit line refuses the character as it is typed, with the same message.
    select({0});
    m_folder->editor.BtnEditAllClick();
    m_dialogs.statuses.clear();
    m_folder->type(u"Paris/"_s);
    QCOMPARE(m_folder->line.text(), u"Paris"_s);
    QCOMPARE(lastStatus(), status.text);
}

void FreeTextEditorTest::copyCurrentTitles()
{
    QVERIFY(writeFile(m_dir->filePath(u"IMG_0001.JPG"_s)));
    m_folder.reset();
    m_folder = std::make_unique<Folder>(m_dir->path(), m_dialogs);
    PictureSession &pictures = m_folder->pictures;
    const int img = 5;
    QCOMPARE(pictures.row(img).currentTitle, u"IMG_0001.JPG"_s);
    select({img, 1, 2});
    pictures.rowForChange(2).freeText = u"kept"_s;
    m_folder->editor.BtnCopyOldClick();
    QCOMPARE(pictures.row(img).freeText, u"IMG_0001"_s);
    QCOMPARE(record(img).STNew, u"IMG_0001"_s);
    QCOMPARE(pictures.row(1).freeText, u"b"_s);
    QCOMPARE(pictures.row(2).freeText, u"kept"_s);
    QVERIFY(pictures.row(3).freeText.isEmpty());
    QCOMPARE(lastStatus(), u"Current title of 2 selected pictures copied to free text element "_s);
    QCOMPARE(lastMessage(), u"Note: the current title is only copied when the free text element of the new title is "
                            u"empty.\n\nCurrent title of 1 selected pictures not copied."_s);

    for (const int row : {img, 1, 2})
        pictures.rowForChange(row).marker.clear();
    select({3});
    m_dialogs.informed.clear();
    m_folder->editor.BtnCopyOldClick();
    QCOMPARE(pictures.row(3).freeText, u"d"_s);
    QCOMPARE(lastStatus(), u"Current title of all selected pictures copied to free text element "_s);
    QVERIFY(m_dialogs.informed.isEmpty());
    QCOMPARE(FreeTextEditor::titleWithoutExtension(u"no_extension"_s), u"no_extension"_s);
    QCOMPARE(FreeTextEditor::titleWithoutExtension(u"a.b.jpg"_s), u"a.b"_s);
}

void FreeTextEditorTest::cutCharactersDialog()
{
    CutCharacters dialog(u"DSC_Beach"_s);
    QCOMPARE(dialog.after(), u"DSC_Beach"_s);
    QVERIFY(!dialog.applyEnabled());
    dialog.cutLeading(4);
    QCOMPARE(dialog.after(), u"Beach"_s);
    QVERIFY(!dialog.leadingEnabled());
    QVERIFY(dialog.trailingEnabled());
    QVERIFY(dialog.applyEnabled());
    dialog.cutTrailing(7);
    QCOMPARE(dialog.trailing(), 2);
    QCOMPARE(dialog.after(), u"Bea"_s);

    // A cut that leaves nothing resets the dialog.
    dialog.reset();
    dialog.cutLeading(5);
    dialog.cutTrailing(3);
    QCOMPARE(dialog.after(), u"DSC_Beach"_s);
    QCOMPARE(dialog.leading(), 0);
    QCOMPARE(dialog.trailing(), 0);
    QVERIFY(dialog.leadingEnabled());
    QVERIFY(dialog.trailingEnabled());
}

void FreeTextEditorTest::cutCharactersApplied()
{
    PictureSession &pictures = m_folder->pictures;
    m_folder->editor.BtnStripClick([](CutCharacters &) { return true; });
    QCOMPARE(lastMessage(),
             u"No selected pictures found that have free text, can not start Cut characters from free text"_s);

    select({0, 1, 2, 3});
    pictures.rowForChange(0).freeText = PictureSession::deletionMarkText();
    pictures.rowForChange(0).markedForDeletion = true;
    pictures.rowForChange(1).freeText = u"DSC_Beach"_s;
    pictures.rowForChange(2).freeText = u"abcd"_s;
    pictures.rowForChange(4).freeText = u"DSC_unselected"_s;
    QString shown;
    m_folder->editor.BtnStripClick([&shown](CutCharacters &dialog) {
        shown = dialog.before();
        dialog.cutLeading(4);
        return true;
    });
    QCOMPARE(shown, u"DSC_Beach"_s);
    QCOMPARE(pictures.row(1).freeText, u"Beach"_s);
    QCOMPARE(record(1).STNew, u"Beach"_s);
    QCOMPARE(pictures.row(2).freeText, u"abcd"_s);
    QVERIFY(pictures.row(3).freeText.isEmpty());
    QCOMPARE(pictures.row(0).freeText, PictureSession::deletionMarkText());
    QCOMPARE(pictures.row(4).freeText, u"DSC_unselected"_s);

    // Cancel changes nothing.
    m_folder->editor.BtnStripClick([](CutCharacters &dialog) {
        dialog.cutLeading(1);
        return false;
    });
    QCOMPARE(pictures.row(1).freeText, u"Beach"_s);
}

void FreeTextEditorTest::eraseFreeTexts()
{
    PictureSession &pictures = m_folder->pictures;
    select({0, 1});
    pictures.rowForChange(3).freeText = u"unselected"_s;
    m_folder->editor.SBUndoClick();
    QCOMPARE(lastMessage(), u"No selected pictures found that have free text, nothing to erase"_s);
    QVERIFY(m_dialogs.asked.isEmpty());

    pictures.rowForChange(0).freeText = u"zero"_s;
    pictures.rowForChange(1).freeText = PictureSession::deletionMarkText();
    pictures.rowForChange(1).markedForDeletion = true;
    m_dialogs.answers.enqueue({1, false});
    m_folder->editor.SBUndoClick();
    QCOMPARE(m_dialogs.asked.last().lines,
             QStringList{u"Erase free text of all selected pictures ?\n(Also delete marks will be erased!)"_s});
    QCOMPARE(pictures.row(0).freeText, u"zero"_s);

    m_dialogs.answers.enqueue({0, false});
    m_folder->editor.SBUndoClick();
    QVERIFY(pictures.row(0).freeText.isEmpty());
    QVERIFY(pictures.row(1).freeText.isEmpty());
    QVERIFY(!pictures.row(1).markedForDeletion);
    QVERIFY(!record(1).STMarkDelete);
    QVERIFY(record(1).STNew.isEmpty());
    QCOMPARE(pictures.row(3).freeText, u"unselected"_s);
}

void FreeTextEditorTest::editorHelpIsAskedOnce()
{
    FreeTextEditor &editor = m_folder->editor;
    int requested = 0;
    connect(&editor, &FreeTextEditor::editorHelpRequested, this, [&requested] { ++requested; });
    editor.editLineFocused(true);
    QCOMPARE(requested, 0);
    QVERIFY(m_dialogs.asked.isEmpty());

    m_dialogs.answers.enqueue({0, false});
    editor.editLineFocused(false);
    editor.editLineFocused(false);
    QCOMPARE(requested, 2);
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.first().lines.last(), u"Show help window next time?"_s);
    QVERIFY(m_folder->settings.rec().PSShowEditorHelp);

    // A new run asks again; No switches the guide off and is stored.
    m_folder.reset();
    m_folder = std::make_unique<Folder>(m_dir->path(), m_dialogs);
    m_dialogs.answers.enqueue({1, false});
    // The question names the side the guide opened on.
    connect(&m_folder->editor, &FreeTextEditor::editorHelpRequested, this,
            [this] { m_folder->editor.setGuideSide(Session::GuideSide::Left); });
    m_folder->editor.editLineFocused(false);
    QVERIFY(m_dialogs.asked.last().lines.first().endsWith(u"explained in the window on the left"_s));
    QVERIFY(!m_folder->settings.rec().PSShowEditorHelp);
    QVERIFY(QFile::exists(m_dir->filePath(u"PSMSet.dat"_s)));
    m_folder->editor.editLineFocused(false);
    QCOMPARE(m_dialogs.asked.size(), 2);
}

QTEST_GUILESS_MAIN(FreeTextEditorTest)
#include "freetexteditortest.moc"
