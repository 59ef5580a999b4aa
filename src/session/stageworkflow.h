#pragma once

#include <QObject>

namespace Session {

enum class EditMode;

// Which of the three command groups may run. Selecting is where the program starts.
enum class Stage { Selecting, Editing, Retitling };

// The commands whose enabled state the workflow decides.
enum class Command {
    // Selection group (stage 1).
    SelectKind,
    SelectByStrings,
    MaintainStrings,
    ToggleStringMode,
    ShowThumbnail,
    ToggleRow,
    // The bulk free-text commands, enabled while pictures are selected.
    CopyCurrentTitle,
    CutCharacters,
    EraseFreeText,
    FindReplace,
    EditAll,
    EditOne,
    // Editing group (stage 2).
    EditLine,
    MakeStaticDictionary,
    DeleteToggle,
    PicturePrefixSuffix,
    EnterButton,
    JumpToEmpty,
    QuitEditing,
    // Elements group (stage 3 and the final stage).
    ElementPanels,
    SaveElementSettings,
    ElementOrder,
    ForceUniqueness,
    KeepVoiceSynchronized,
    ElementSeparator,
    UseStorageManagement,
    TestAndPreview,
    // Undoing a retitling, or an undo: it renames the folder's pictures as a retitling does, so
    // it runs where Test & Preview may, whatever the selection.
    UndoRetitling,
};

// The controls of the elements group that need more than the group being enabled.
enum class ElementControl {
    PrefixField,
    SuffixField,
    InspectTitleFrom,
    CounterStart,
    DateSource,
    PickDate,
    TimeSource,
    PickTime,
    DateTimeSeparator,
    OnlyUseSubject,
    TestAndPreview,
};

// The check boxes and choices the conditions of the elements group look at.
struct ElementConditions
{
    bool usePrefix = false;
    bool useSuffix = false;
    bool extractFromCurrentTitle = false;
    bool counter = false;
    bool date = false;
    bool datePickedFromCalendar = false;
    bool time = false;
    bool timePicked = false;
    // "Use Picture Storage Management" is enabled and the scheme has a subject level.
    bool storageManagementEnabled = false;
    bool schemeHasSubjectLevel = false;
    int selectedCount = 0;
};

// The three command groups of the main window as one state machine, so that no command can act
// on data another command is editing. Views read every enabled state from here and refresh on
// commandsChanged().
class StageWorkflow final : public QObject
{
    Q_OBJECT

public:
    explicit StageWorkflow(QObject *parent = nullptr);

    Stage stage() const;
    bool selectionGroupEnabled() const { return m_selection; }
    bool editingGroupEnabled() const { return m_editing; }
    bool elementsGroupEnabled() const { return m_elements; }

    void EnableStage1();
    void DisableStage1();
    void EnableStage2();
    void DisableStage2();
    void EnableStage3();
    void DisableStage3();

    // Selecting -> Editing: editing on, then selection and elements off.
    void enterEditing();
    // Editing -> Selecting; after quitting the elements come back before the selection.
    void leaveEditing(bool afterQuit);
    // The retitling runs with the selection and elements groups off.
    void beginRetitling();
    void endRetitling();

    // SetFreeTextButtons: the commands that need selected pictures. While the selection group is
    // disabled the new state is remembered and shows once the group is enabled again.
    void SetFreeTextButtons(bool on);
    // The edit mode of the running stage 2 ("&To first empty free text" only in mode "All").
    void setEditMode(EditMode mode);
    // "Ed&it free text # " needs the table's current row to be selected.
    void setCurrentRowSelected(bool selected);

    bool isEnabled(Command command) const;
    // A control of the elements group: the group is enabled and the control's condition holds.
    bool isEnabled(ElementControl control, const ElementConditions &conditions) const;
    static bool conditionHolds(ElementControl control, const ElementConditions &conditions);

Q_SIGNALS:
    // Some enabled state may have changed.
    void commandsChanged();

private:
    void setGroups(bool selection, bool editing, bool elements);

    bool m_selection = true;
    bool m_editing = false;
    bool m_elements = true;
    // The bulk free-text commands as they are shown, and as they were when the group went off.
    bool m_freeTextButtons = false;
    bool m_rememberedFreeTextButtons = false;
    bool m_editAllMode = true;
    bool m_currentRowSelected = false;
};

} // namespace Session
