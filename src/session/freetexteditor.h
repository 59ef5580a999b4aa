#pragma once

#include "dictionary/editlinehost.h"
#include "session/guideside.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Session {

class CutCharacters;
class FreeTextLine;
class PictureSession;
class Selection;
class StageWorkflow;
enum class EditMode;

// What the stage-2 editor needs from parts of the program that are not its own.
struct FreeTextEditorHooks
{
    // AddConfirmedFreeText: a confirmed free text feeds the Active dictionary.
    std::function<void(const QString &text)> addConfirmedFreeText;
    // UpdateChangedPrefixSuffix with kind "P" or "S": offers to carry a changed per-picture text
    // of row over to the following pictures, before the new text is stored in the row.
    std::function<void(int row, const QString &text)> changedPrefix;
    std::function<void(int row, const QString &text)> changedSuffix;
    // AddPicPrefix / AddPicSuffix: remember a used per-picture text.
    std::function<void(const QString &text)> addPicPrefix;
    std::function<void(const QString &text)> addPicSuffix;
    // The rows of the last test pass, in table order; empty when there is none.
    std::function<QList<int>()> testResultRows;
    // The subject of the picture being confirmed: false keeps the picture in the editor;
    // otherwise the row holds its subject, written with the rest of the row.
    std::function<bool(int row, bool markedForDeletion)> confirmSubject;
};

// Stage 2: each selected picture gets its free text, per-picture prefix and suffix, or is
// marked for deletion. The edit area is filled from a row and written back to it, navigation
// walks the selected pictures (the erroneous ones in correction mode), and the bulk commands act
// on the free texts of all selected pictures. Every change of a row is written to the title file
// at once, and the stage-2 row carries the stage-2 and edit-all flags, so a session closed in the
// middle resumes at the same picture in the same mode.
//
// Rows are addressed from 0, as in the picture table; -1 is "no row".
class FreeTextEditor final : public QObject, public Dictionary::EditLineHost
{
    Q_OBJECT

public:
    enum class Direction { Next, Previous };
    // GetPreviousFreeText: the values of the nearest earlier picture.
    struct PreviousFreeText
    {
        int row = -1;
        QString freeText;
        qint32 subjectIndex = -1;
        QString prefix;
        QString suffix;
    };

    FreeTextEditor(PictureSession &pictures, Selection &selection, StageWorkflow &workflow,
                   Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs, QObject *parent = nullptr);
    ~FreeTextEditor() override;

    void setHooks(FreeTextEditorHooks hooks);
    // The edit line the area shows; set before stage 2 is entered.
    void setLine(FreeTextLine *line) { m_line = line; }
    FreeTextLine *line() const { return m_line; }

    bool isActive() const { return m_active; }
    EditMode editMode() const { return m_mode; }
    int stage2Row() const { return m_stage2Row; }
    // The table's current row; the view forwards the user's moves and follows currentRowChanged.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);

    // Entering stage 2.
    void BtnEditAllClick();
    void BtnEditOneClick();
    // At start: stage 2 again at the restored row in the restored mode, when there is one.
    void resumeStage2();
    static QString editAllCaption();
    static QString editAllMenuCaption();
    QString editOneCaption() const;
    QString editOneMenuCaption() const;

    void FillEditArea(int row, bool afterToggle);
    int FindNextCheckedRow(int startRow, Direction direction, bool onlyEmpty, bool onlyNonEmpty);
    PreviousFreeText GetPreviousFreeText(bool showErrors) const;
    bool EmptyEntryFound(int row) const;
    bool inNavigationSet(int row) const;

    // EditLineHost.
    void ConfirmAndAdvance() override;
    void GoBack() override;
    void quitEditing() override { ImStopEditClick(); }
    bool allPicturesMode() const override;
    QString previousFreeText() const override;
    QStringList pictureFreeTexts() const override;
    bool subjectListShown() const override { return false; }
    void focusSubjectList() override {}
    void nothingToAddChanged(bool nothingToAdd) override;

    void ImStopEditClick();
    static QString quitCaption();
    // A key of the main window, handled before the control with the focus: while stage 2 runs,
    // Escape and Ctrl+Q hide the edit line's context panel when it is shown and otherwise quit
    // editing. True when the key was used.
    bool windowKey(int key, Qt::KeyboardModifiers modifiers);
    bool isWindowKey(int key, Qt::KeyboardModifiers modifiers) const;
    // A click in the table while stage 2 runs.
    void tableRowClicked(int row, int column);

    // The edit area.
    bool isMarked() const { return m_marked; }
    void BtnDeleteClick();
    QString deleteCaption() const;
    QString deleteHint() const;
    const QString &prefixField() const { return m_prefixField; }
    const QString &suffixField() const { return m_suffixField; }
    void setPrefixField(const QString &text);
    void setSuffixField(const QString &text);
    // The per-picture fields are disabled while the picture is marked.
    bool pictureFieldsEnabled() const { return m_active && !m_marked; }
    // A click on the label "Prefix:" or "Suffix:": the trimmed edit line becomes the field's text.
    void importPrefixFromLine();
    void importSuffixFromLine();

    // The multi-purpose button.
    void SetBtnEnter();
    QString enterCaption() const { return m_enterCaption; }
    QString enterHint() const { return m_enterHint; }
    bool enterEnabled() const { return m_active && m_enterEnabled; }
    void BtnEnterClick();

    void BtnJumpEmptyClick();
    static QString jumpCaption();
    static QString jumpMenuCaption();

    // The progress of stage 2.
    void SetPBPosition(int n);
    int progressNumber() const { return m_progress; }
    int progressPercent() const { return m_percent; }
    QString progressHint() const { return m_progressHint; }
    bool progressShown() const { return m_active; }

    // The bulk commands of stage 1.
    void BtnCopyOldClick();
    static QString copyOldCaption();
    static QString copyOldMenuCaption();
    // Opens the dialog through showDialog, which returns true when the user chose to apply.
    void BtnStripClick(const std::function<bool(CutCharacters &)> &showDialog);
    static QString stripCaption();
    static QString stripMenuCaption();
    void SBUndoClick();
    static QString eraseHint();
    static QString eraseMenuCaption();

    void ResetSGTitle();
    void ShowIllegalChar();

    // The edit line got the focus: the guide's editing topic, and once per run the question
    // whether to show it next time.
    void editLineFocused(bool guideShown);
    // Where the window that editorHelpRequested() opened stands; the question names that side.
    void setGuideSide(GuideSide side) { m_guideSide = side; }

    // The current title without its extension.
    static QString titleWithoutExtension(const QString &title);

Q_SIGNALS:
    // The edit area shows other values (fields, toggle, button, progress).
    void areaChanged();
    void currentRowChanged(int row);
    void stage2Started();
    void stage2Ended();
    // The edit line is to get the input focus.
    void lineFocusRequested();
    // The picture of row is to be shown beside the edit area.
    void pictureShowRequested(int row);
    // The picture of row is to be shown in the viewer: its "Sel" cell was clicked.
    void viewerRequested(int row);
    void viewerCloseRequested();
    // The guide is to open at its editing topic; whoever opens it tells setGuideSide() where.
    void editorHelpRequested();

private:
    void enter(EditMode mode, int row, int progress);
    void leave(bool afterQuit);
    void moveStage2Row(int row);
    void writeStage2(int row, bool stage2);
    int confirmRow() const;
    bool selectedCell(int row) const;

    PictureSession &m_pictures;
    Selection &m_selection;
    StageWorkflow &m_workflow;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    FreeTextEditorHooks m_hooks;
    FreeTextLine *m_line = nullptr;

    bool m_active = false;
    EditMode m_mode;
    int m_stage2Row = -1;
    int m_currentRow = -1;
    int m_progress = 0;
    int m_percent = 0;
    QString m_progressHint;
    bool m_marked = false;
    QString m_prefixField;
    QString m_suffixField;
    QString m_enterCaption;
    QString m_enterHint;
    bool m_enterEnabled = true;
    bool m_nothingToAdd = true;
    // Set while a navigation command moves the table's current row.
    bool m_guard = false;
    bool m_editorHelpAsked = false;
    GuideSide m_guideSide = GuideSide::Right;
};

} // namespace Session
