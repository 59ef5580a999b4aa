#include "session/freetexteditor.h"

#include "session/cutcharacters.h"
#include "session/freetextline.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"

#include "dictionary/texthelpers.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"

#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace Session {

using L10n::text;

namespace {

// A per-picture prefix or suffix as it is stored: without leading and trailing blanks and
// control characters, at most as long as its record field.
QString storedPictureText(const QString &field)
{
    constexpr qsizetype maximum = 50;
    qsizetype first = 0;
    qsizetype last = field.size();
    while (first < last && field.at(first).unicode() <= u' ')
        ++first;
    while (last > first && field.at(last - 1).unicode() <= u' ')
        --last;
    return field.mid(first, qMin(last - first, maximum));
}

Platform::StatusMessage errorStatus(const QString &message)
{
    return {message, true, 5, Platform::Sound::Error};
}

} // namespace

FreeTextEditor::FreeTextEditor(PictureSession &pictures, Selection &selection, StageWorkflow &workflow,
                               Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent),
      m_pictures(pictures),
      m_selection(selection),
      m_workflow(workflow),
      m_programSettings(programSettings),
      m_dialogs(dialogs),
      m_mode(EditMode::All)
{
    SetBtnEnter();
    // A rebuilt table (after retitling) may no longer hold the row that was current.
    connect(&m_pictures, &PictureSession::tableRebuilt, this, [this] {
        if (m_currentRow >= m_pictures.rowCount())
            setCurrentRow(-1);
        else
            m_workflow.setCurrentRowSelected(selectedCell(m_currentRow));
    });
    connect(&m_pictures, &PictureSession::rowsChanged, this, [this](int first, int last) {
        if (m_currentRow >= first && m_currentRow <= last)
            m_workflow.setCurrentRowSelected(selectedCell(m_currentRow));
    });
}

FreeTextEditor::~FreeTextEditor() = default;

void FreeTextEditor::setHooks(FreeTextEditorHooks hooks)
{
    m_hooks = std::move(hooks);
}

bool FreeTextEditor::selectedCell(int row) const
{
    return row >= 0 && row < m_pictures.rowCount() && m_pictures.row(row).isSelected();
}

void FreeTextEditor::setCurrentRow(int row)
{
    if (row < -1 || row >= m_pictures.rowCount())
        row = -1;
    const bool changed = row != m_currentRow;
    m_currentRow = row;
    m_workflow.setCurrentRowSelected(selectedCell(row));
    if (changed)
        Q_EMIT currentRowChanged(row);
}

bool FreeTextEditor::inNavigationSet(int row) const
{
    if (row < 0 || row >= m_pictures.rowCount())
        return false;
    const QString &marker = m_pictures.row(row).marker;
    return m_pictures.correctionMode() ? marker == Marker::erroneous : marker == Marker::selected;
}

// ----- entering and leaving

QString FreeTextEditor::editAllCaption()
{
    return text(1135, "Edit free te&xt all selected");
}

QString FreeTextEditor::editAllMenuCaption()
{
    return text(1136, "&Edit free text for all selected pictures");
}

QString FreeTextEditor::editOneCaption() const
{
    return text(1137, "Ed&it free text # ") + (m_currentRow >= 0 ? QString::number(m_currentRow + 1) : QString());
}

QString FreeTextEditor::editOneMenuCaption() const
{
    return text(71, "Edit free text for picture number ")
           + (m_currentRow >= 0 ? QString::number(m_currentRow + 1) : QString());
}

QString FreeTextEditor::quitCaption()
{
    return text(1138, "Quit edit free text - Escape");
}

void FreeTextEditor::BtnEditAllClick()
{
    if (m_active)
        return;
    const std::optional<int> restored = m_pictures.stage2Row();
    int row = -1;
    int progress = 1;
    // A restored row that is no longer visited by navigation would lead nowhere: start afresh.
    if (restored && inNavigationSet(*restored)) {
        row = *restored;
        progress = m_selection.CountSelectedToPicture(row);
        setCurrentRow(row);
    } else {
        m_guard = true;
        row = FindNextCheckedRow(-1, Direction::Next, false, false);
        m_guard = false;
    }
    m_pictures.setStage2Row(std::nullopt, EditMode::All);
    if (row < 0)
        return;
    enter(EditMode::All, row, progress);
}

void FreeTextEditor::BtnEditOneClick()
{
    if (m_active)
        return;
    const std::optional<int> restored = m_pictures.stage2Row();
    int progress = 1;
    if (restored && selectedCell(*restored)) {
        setCurrentRow(*restored);
        progress = m_selection.CountSelectedToPicture(*restored);
    }
    m_pictures.setStage2Row(std::nullopt, EditMode::Single);
    if (!selectedCell(m_currentRow))
        return;
    enter(EditMode::Single, m_currentRow, progress);
}

void FreeTextEditor::resumeStage2()
{
    if (m_active || !m_pictures.stage2Row())
        return;
    if (m_pictures.editMode() == EditMode::All)
        BtnEditAllClick();
    else
        BtnEditOneClick();
}

void FreeTextEditor::enter(EditMode mode, int row, int progress)
{
    m_mode = mode;
    m_active = true;
    m_workflow.setEditMode(mode);
    m_workflow.enterEditing();
    m_stage2Row = row;
    m_progress = progress;
    writeStage2(row, true);
    FillEditArea(row, false);
    SetPBPosition(m_progress);
    Q_EMIT stage2Started();
    Q_EMIT areaChanged();
}

void FreeTextEditor::leave(bool afterQuit)
{
    m_active = false;
    m_stage2Row = -1;
    m_pictures.setStage2Row(std::nullopt, m_mode);
    // While stage 2 is off the line is empty and its lists are gone.
    if (m_line)
        m_line->load(QString(), false);
    m_marked = false;
    m_prefixField.clear();
    m_suffixField.clear();
    m_workflow.leaveEditing(afterQuit);
    SetBtnEnter();
    Q_EMIT stage2Ended();
    Q_EMIT areaChanged();
}

void FreeTextEditor::writeStage2(int row, bool stage2)
{
    const bool all = m_mode == EditMode::All;
    if (stage2)
        m_pictures.setStage2Row(row, m_mode);
    m_pictures.UpdateFSGTitleRec(row, stage2, stage2 && all);
}

void FreeTextEditor::moveStage2Row(int row)
{
    // The title file marks exactly one stage-2 row, so a resumed session comes back here.
    if (m_stage2Row >= 0 && m_stage2Row != row)
        writeStage2(m_stage2Row, false);
    m_stage2Row = row;
    writeStage2(row, true);
}

int FreeTextEditor::confirmRow() const
{
    // In mode "Single" the edited row is the current row, which the stage-2 row follows.
    return m_stage2Row;
}

// ----- the edit area

void FreeTextEditor::FillEditArea(int row, bool afterToggle)
{
    if (row < 0 || row >= m_pictures.rowCount())
        return;
    const PictureRow &picture = m_pictures.row(row);
    if (!afterToggle)
        m_marked = picture.markedForDeletion;
    if (!m_marked) {
        if (!picture.freeText.isEmpty() && !picture.markedForDeletion) {
            m_prefixField = picture.prefix;
            m_suffixField = picture.suffix;
        } else {
            // A picture not yet described is offered the values of the one before it.
            const PreviousFreeText previous = GetPreviousFreeText(false);
            m_prefixField = previous.prefix;
            m_suffixField = previous.suffix;
        }
    } else {
        m_prefixField.clear();
        m_suffixField.clear();
    }
    if (m_line) {
        if (m_marked)
            m_line->load(PictureSession::deletionMarkText(), true);
        else
            m_line->load(picture.markedForDeletion ? QString() : picture.freeText, false);
    }
    SetBtnEnter();
    if (!afterToggle)
        Q_EMIT pictureShowRequested(row);
    Q_EMIT areaChanged();
    Q_EMIT lineFocusRequested();
}

QString FreeTextEditor::deleteCaption() const
{
    return m_marked ? text(778, "&Keep") : text(777, "&Delete");
}

QString FreeTextEditor::deleteHint() const
{
    return m_marked ? text(780, "Keep this picture") : text(779, "Mark this picture for deletion");
}

void FreeTextEditor::BtnDeleteClick()
{
    if (!m_active)
        return;
    m_marked = !m_marked;
    FillEditArea(confirmRow(), true);
}

void FreeTextEditor::setPrefixField(const QString &field)
{
    if (m_prefixField == field)
        return;
    m_prefixField = field;
    Q_EMIT areaChanged();
}

void FreeTextEditor::setSuffixField(const QString &field)
{
    if (m_suffixField == field)
        return;
    m_suffixField = field;
    Q_EMIT areaChanged();
}

void FreeTextEditor::importPrefixFromLine()
{
    if (!pictureFieldsEnabled() || !m_line)
        return;
    const QString line = m_line->text().trimmed();
    if (!line.isEmpty())
        setPrefixField(line);
}

void FreeTextEditor::importSuffixFromLine()
{
    if (!pictureFieldsEnabled() || !m_line)
        return;
    const QString line = m_line->text().trimmed();
    if (!line.isEmpty())
        setSuffixField(line);
}

// ----- navigation

int FreeTextEditor::FindNextCheckedRow(int startRow, Direction direction, bool onlyEmpty, bool onlyNonEmpty)
{
    const int step = direction == Direction::Next ? 1 : -1;
    for (int row = startRow + step; row >= 0 && row < m_pictures.rowCount(); row += step) {
        const PictureRow &picture = m_pictures.row(row);
        bool found;
        if (onlyEmpty) {
            found = picture.isSelected() && picture.freeText.isEmpty();
            if (!found && picture.isSelected())
                ++m_progress;
        } else if (onlyNonEmpty) {
            found = picture.isSelected() && !picture.freeText.isEmpty();
        } else {
            found = inNavigationSet(row);
        }
        if (found) {
            setCurrentRow(row);
            return row;
        }
    }
    return -1;
}

FreeTextEditor::PreviousFreeText FreeTextEditor::GetPreviousFreeText(bool showErrors) const
{
    PreviousFreeText previous;
    const int from = m_active ? m_stage2Row : m_currentRow;
    for (int row = from - 1; row >= 0; --row) {
        const PictureRow &picture = m_pictures.row(row);
        if (picture.isSelected() && !picture.markedForDeletion) {
            previous = {row, picture.freeText, picture.subjectIndex, picture.prefix, picture.suffix};
            break;
        }
    }
    if (showErrors) {
        if (previous.row < 0) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error), text(126, "No previous selected title found"),
                              Platform::Severity::Error});
        } else if (previous.freeText.isEmpty()) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              text(125, "Previous selected title does not have free text"), Platform::Severity::Error});
        }
    }
    return previous;
}

bool FreeTextEditor::EmptyEntryFound(int row) const
{
    for (int r = row + 1; r < m_pictures.rowCount(); ++r) {
        if (m_pictures.row(r).isSelected() && m_pictures.row(r).freeText.isEmpty())
            return true;
    }
    return false;
}

bool FreeTextEditor::allPicturesMode() const
{
    return m_mode == EditMode::All;
}

QString FreeTextEditor::previousFreeText() const
{
    // "Same": the line takes the previous free text; it is not yet confirmed.
    return GetPreviousFreeText(true).freeText;
}

QStringList FreeTextEditor::pictureFreeTexts() const
{
    return m_pictures.freeTexts();
}

void FreeTextEditor::nothingToAddChanged(bool nothingToAdd)
{
    m_nothingToAdd = nothingToAdd;
    SetBtnEnter();
}

void FreeTextEditor::ConfirmAndAdvance()
{
    if (!m_active || !m_line)
        return;
    const int r = confirmRow();
    if (r < 0 || r >= m_pictures.rowCount())
        return;
    if (m_hooks.confirmSubject && !m_hooks.confirmSubject(r, m_marked))
        return;

    const QString confirmed =
        m_marked ? PictureSession::deletionMarkText() : Dictionary::TrimRightSpaces(m_line->text());
    const QString oldFreeText = m_pictures.row(r).freeText;
    m_pictures.rowForChange(r).freeText = confirmed;

    const QString prefix = storedPictureText(m_prefixField);
    if (m_hooks.changedPrefix)
        m_hooks.changedPrefix(r, prefix);
    m_pictures.rowForChange(r).prefix = prefix;
    const QString suffix = storedPictureText(m_suffixField);
    if (m_hooks.changedSuffix)
        m_hooks.changedSuffix(r, suffix);
    m_pictures.rowForChange(r).suffix = suffix;
    if (!m_marked) {
        if (m_hooks.addPicPrefix)
            m_hooks.addPicPrefix(prefix);
        if (m_hooks.addPicSuffix)
            m_hooks.addPicSuffix(suffix);
    }
    PictureRow &row = m_pictures.rowForChange(r);
    row.markedForDeletion = m_marked;
    if (m_marked && m_pictures.subjectsInUse()) {
        row.subjectIndex = -1;
        row.subject.clear();
    }
    m_pictures.UpdateFSGTitleRec(r, false, false);
    Q_EMIT viewerCloseRequested();

    if (m_mode == EditMode::Single)
        leave(false);
    if (!confirmed.isEmpty() && confirmed != PictureSession::deletionMarkText() && confirmed != oldFreeText
        && m_hooks.addConfirmedFreeText)
        m_hooks.addConfirmedFreeText(confirmed);
    m_line->clearCompletions();
    if (m_mode == EditMode::Single)
        return;

    m_guard = true;
    const int next = FindNextCheckedRow(r, Direction::Next, false, false);
    m_guard = false;
    if (next < 0) {
        if (m_pictures.correctionMode())
            ResetSGTitle();
        leave(false);
        return;
    }
    m_stage2Row = next;
    FillEditArea(next, false);
    SetPBPosition(m_progress + 1);
    writeStage2(next, true);
}

void FreeTextEditor::GoBack()
{
    if (!m_active || m_mode != EditMode::All)
        return;
    m_guard = true;
    const int previous = FindNextCheckedRow(m_stage2Row, Direction::Previous, false, false);
    m_guard = false;
    if (previous < 0) {
        m_dialogs.status(errorStatus(m_pictures.correctionMode()
                                         ? text(298, "No previous erroneous selected picture available")
                                         : text(299, "No previous selected picture available")));
        return;
    }
    moveStage2Row(previous);
    FillEditArea(previous, false);
    SetPBPosition(m_progress - 1);
}

void FreeTextEditor::ImStopEditClick()
{
    if (!m_active)
        return;
    writeStage2(m_stage2Row, false);
    if (m_currentRow >= 0 && m_currentRow != m_stage2Row)
        m_pictures.UpdateFSGTitleRec(m_currentRow, false, false);
    if (m_pictures.correctionMode())
        ResetSGTitle();
    leave(true);
}

bool FreeTextEditor::isWindowKey(int key, Qt::KeyboardModifiers modifiers) const
{
    return m_active && (key == Qt::Key_Escape || (key == Qt::Key_Q && (modifiers & Qt::ControlModifier)));
}

bool FreeTextEditor::windowKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (!isWindowKey(key, modifiers))
        return false;
    if (!m_line || !m_line->hidePanel())
        ImStopEditClick();
    return true;
}

void FreeTextEditor::tableRowClicked(int row, int column)
{
    if (!m_active || m_guard || row < 0 || row >= m_pictures.rowCount())
        return;
    // The table goes back to the picture being edited.
    const auto backToStage2Row = [this] {
        const int back = m_stage2Row;
        m_currentRow = -1;
        setCurrentRow(back);
    };
    if (column == PictureSession::MarkerColumn) {
        // The "Sel" column only shows the picture; the selection stays as it is.
        Q_EMIT viewerRequested(row);
        backToStage2Row();
        return;
    }
    if (!m_pictures.row(row).isSelected()) {
        m_dialogs.status(errorStatus(text(881, "You can not edit free text for a picture that is not selected")));
        backToStage2Row();
        return;
    }
    setCurrentRow(row);
    if (row == m_stage2Row)
        return;
    // The unconfirmed text of the previous picture is dropped.
    moveStage2Row(row);
    if (m_mode == EditMode::All)
        m_progress = m_selection.CountSelectedToPicture(row);
    FillEditArea(row, false);
    SetPBPosition(m_progress);
}

// ----- the multi-purpose button

void FreeTextEditor::SetBtnEnter()
{
    const bool empty = !m_line || m_line->text().isEmpty();
    const bool offered = m_line ? !m_line->nothingToAdd() : !m_nothingToAdd;
    if (empty) {
        m_enterCaption = text(81, "Same");
        m_enterHint = text(82, "Copy free text of previous selected title (alternatively press Enter)");
    } else if (offered) {
        m_enterCaption = text(85, "Add");
        m_enterHint = text(86, "Add entry from dictionary to free text (alternatively press Enter)");
    } else if (m_mode == EditMode::All) {
        m_enterCaption = text(83, "Next");
        m_enterHint = text(84, "Go to next selected title (alternatively press Enter)");
    } else {
        m_enterCaption = text(87, "Done");
        m_enterHint = text(88, "Alternatively press Enter");
    }
    Q_EMIT areaChanged();
}

void FreeTextEditor::BtnEnterClick()
{
    if (!m_active || !m_line || !m_enterEnabled)
        return;
    m_enterEnabled = false;
    Q_EMIT areaChanged();
    m_line->enter();
    m_enterEnabled = true;
    SetBtnEnter();
    if (m_active)
        Q_EMIT lineFocusRequested();
}

// ----- jumping

QString FreeTextEditor::jumpCaption()
{
    return text(1139, "&To first empty free text");
}

QString FreeTextEditor::jumpMenuCaption()
{
    return text(1140, "&Jump to first picture where free text is empty");
}

void FreeTextEditor::BtnJumpEmptyClick()
{
    if (!m_active || m_mode != EditMode::All || !m_line)
        return;
    const QString line = m_line->text();
    const auto inform = [this](const QString &message) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Information), message, Platform::Severity::Information});
    };
    const int from = m_stage2Row;
    if (line != m_pictures.row(from).freeText) {
        inform(text(103, "Current title has changed, confirm this change first by pressing Enter"));
    } else if (line.isEmpty()) {
        inform(text(100, "Current title is empty, can not jump"));
    } else if (!EmptyEntryFound(from)) {
        inform(text(102, "No next selected and empty picture title found"));
    } else {
        int target = -1;
        for (int r = 0; r < m_pictures.rowCount() && target < 0; ++r) {
            if (m_pictures.row(r).isSelected() && m_pictures.row(r).freeText.isEmpty())
                target = r;
        }
        m_guard = true;
        setCurrentRow(target);
        m_guard = false;
        moveStage2Row(target);
        FillEditArea(target, false);
        SetPBPosition(m_selection.CountSelectedToPicture(target));
    }
    Q_EMIT lineFocusRequested();
}

// ----- progress

void FreeTextEditor::SetPBPosition(int n)
{
    m_progress = n;
    if (m_mode == EditMode::Single) {
        m_percent = 100;
        m_progressHint = text(96, "Progress: ") + u"100%"_s;
    } else {
        const int count = m_pictures.selectedCount();
        // No selected picture left would divide by zero; the progress is then complete.
        m_percent = count > 0 ? int(std::lround(double(n) * 100.0 / double(count))) : 100;
        m_progressHint = text(96, "Progress: ") + QString::number(m_percent) + u'%';
        if (count - n > 0)
            m_progressHint += u", "_s + text(97, "still ") + QString::number(count - n) + text(98, " title(s) to go");
    }
    Q_EMIT areaChanged();
}

// ----- bulk commands

QString FreeTextEditor::titleWithoutExtension(const QString &title)
{
    const qsizetype dot = title.lastIndexOf(u'.');
    return dot < 0 ? title : title.left(dot);
}

QString FreeTextEditor::copyOldCaption()
{
    return text(1141, "Current title t&o free text");
}

QString FreeTextEditor::copyOldMenuCaption()
{
    return text(1142, "C&opy current title to free text");
}

void FreeTextEditor::BtnCopyOldClick()
{
    int copied = 0;
    int notCopied = 0;
    m_pictures.beginRecordUpdates();
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        const PictureRow &picture = m_pictures.row(r);
        if (!picture.isSelected())
            continue;
        if (!picture.freeText.isEmpty()) {
            ++notCopied;
            continue;
        }
        m_pictures.rowForChange(r).freeText = titleWithoutExtension(picture.currentTitle);
        m_pictures.UpdateFSGTitleRec(r, false, false);
        ++copied;
    }
    m_pictures.endRecordUpdates();
    if (notCopied == 0) {
        m_dialogs.status({text(302, "Current title of all selected pictures copied to free text element "), false, 5});
        return;
    }
    m_dialogs.status({text(300, "Current title of ") + QString::number(copied)
                          + text(301, " selected pictures copied to free text element "),
                      false, 5});
    m_dialogs.inform({L10n::standard(L10n::Standard::Information),
                      text(303, "Note: the current title is only copied when the free text element of the new title "
                                "is empty.")
                          + u"\n\n"_s + text(300, "Current title of ") + QString::number(notCopied)
                          + text(304, " selected pictures not copied."),
                      Platform::Severity::Information});
}

QString FreeTextEditor::stripCaption()
{
    return text(1143, "Cut characters from free text...");
}

QString FreeTextEditor::stripMenuCaption()
{
    return text(1144, "&Cut characters from free text");
}

void FreeTextEditor::BtnStripClick(const std::function<bool(CutCharacters &)> &showDialog)
{
    // A picture marked for deletion holds the deletion-mark text, which is no free text to cut.
    const auto cuttable = [](const PictureRow &picture) {
        return picture.isSelected() && !picture.freeText.isEmpty() && !picture.markedForDeletion;
    };
    int first = -1;
    for (int r = 0; r < m_pictures.rowCount() && first < 0; ++r) {
        if (cuttable(m_pictures.row(r)))
            first = r;
    }
    if (first < 0) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(348, "No selected pictures found that have free text, can not start Cut characters "
                                    "from free text"),
                          Platform::Severity::Error});
        return;
    }
    setCurrentRow(first);
    CutCharacters dialog(m_pictures.row(first).freeText);
    if (!showDialog || !showDialog(dialog) || !dialog.applyEnabled())
        return;
    m_pictures.beginRecordUpdates();
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        if (!cuttable(m_pictures.row(r)))
            continue;
        const QString result = CutCharacters::cut(m_pictures.row(r).freeText, dialog.leading(), dialog.trailing());
        if (result.isEmpty())
            continue;
        m_pictures.rowForChange(r).freeText = result;
        m_pictures.UpdateFSGTitleRec(r, false, false);
    }
    m_pictures.endRecordUpdates();
}

QString FreeTextEditor::eraseHint()
{
    return text(1145, "Erase free text of all selected pictures");
}

QString FreeTextEditor::eraseMenuCaption()
{
    return text(1146, "E&rase free text of all selected pictures");
}

void FreeTextEditor::SBUndoClick()
{
    if (!m_selection.SelectedWithFreeTextFound()) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(76, "No selected pictures found that have free text, nothing to erase"),
                          Platform::Severity::Error});
        return;
    }
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = {text(75, "Erase free text of all selected pictures ?") + u'\n'
                      + text(804, "(Also delete marks will be erased!)")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::Cancel)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    if (m_dialogs.ask(question).button != 0)
        return;
    m_pictures.beginRecordUpdates();
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        if (!m_pictures.row(r).isSelected())
            continue;
        PictureRow &picture = m_pictures.rowForChange(r);
        picture.freeText.clear();
        picture.markedForDeletion = false;
        m_pictures.UpdateFSGTitleRec(r, false, false);
    }
    m_pictures.endRecordUpdates();
}

// ----- correction mode and messages

void FreeTextEditor::ResetSGTitle()
{
    if (!m_pictures.correctionMode())
        return;
    int count = 0;
    const auto reselect = [this, &count](int r) {
        PictureRow &picture = m_pictures.rowForChange(r);
        picture.marker = Marker::selected;
        picture.errorCode = u"0"_s;
        m_pictures.UpdateFSGTitleRec(r, false, false);
        ++count;
    };
    const QList<int> tested = m_hooks.testResultRows ? m_hooks.testResultRows() : QList<int>();
    m_pictures.beginRecordUpdates();
    if (!tested.isEmpty()) {
        for (int r = 0; r < m_pictures.rowCount(); ++r) {
            if (m_pictures.row(r).isSelected() && m_pictures.row(r).markedForDeletion)
                reselect(r);
        }
        for (const int r : tested) {
            if (r >= 0 && r < m_pictures.rowCount())
                reselect(r);
        }
    } else {
        for (int r = 0; r < m_pictures.rowCount(); ++r) {
            if (m_pictures.row(r).isSelected())
                reselect(r);
        }
    }
    m_pictures.endRecordUpdates();
    m_dialogs.status({QString(), false, 0});
    m_pictures.setCorrectionMode(false);
    m_pictures.ShowSelectedPictures(count);
}

void FreeTextEditor::ShowIllegalChar()
{
    m_dialogs.status(errorStatus(
        text(293, "A file- or folder name cannot contain any of the following characters:") + u" / \\ : * ? \" < > |"_s));
}

namespace {

QString guideQuestion(GuideSide side)
{
    switch (side) {
    case GuideSide::Right:
        break;
    case GuideSide::Left:
        return text(1327, "Mirelto 4.0 comes with new editing features which are explained in the window on the left");
    case GuideSide::OverPicture:
        return text(1328, "Mirelto 4.0 comes with new editing features which are explained in the window over the "
                    "picture");
    case GuideSide::BelowTable:
        return text(1329, "Mirelto 4.0 comes with new editing features which are explained in the window below the "
                    "picture list");
    }
    return text(875, "Mirelto 4.0 comes with new editing features which are explained in the window on the right");
}

} // namespace

void FreeTextEditor::editLineFocused(bool guideShown)
{
    Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    if (guideShown || !rec.PSShowEditorHelp)
        return;
    Q_EMIT editorHelpRequested();
    if (m_editorHelpAsked)
        return;
    m_editorHelpAsked = true;
    Platform::Question question;
    question.caption = L10n::title();
    question.lines = {guideQuestion(m_guideSide), text(876, "Show help window next time?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    if (m_dialogs.ask(question).button != 1)
        return;
    rec.PSShowEditorHelp = false;
    if (auto written = m_programSettings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
}

} // namespace Session
