#include "session/stageworkflow.h"

#include "session/picturesession.h"

namespace Session {

StageWorkflow::StageWorkflow(QObject *parent) : QObject(parent)
{
}

Stage StageWorkflow::stage() const
{
    if (m_editing)
        return Stage::Editing;
    if (m_selection || m_elements)
        return Stage::Selecting;
    return Stage::Retitling;
}

void StageWorkflow::setGroups(bool selection, bool editing, bool elements)
{
    if (selection == m_selection && editing == m_editing && elements == m_elements)
        return;
    if (m_selection && !selection)
        m_rememberedFreeTextButtons = m_freeTextButtons;
    if (!m_selection && selection)
        m_freeTextButtons = m_rememberedFreeTextButtons;
    m_selection = selection;
    m_editing = editing;
    m_elements = elements;
    Q_EMIT commandsChanged();
}

void StageWorkflow::EnableStage1()
{
    setGroups(true, m_editing, m_elements);
}

void StageWorkflow::DisableStage1()
{
    setGroups(false, m_editing, m_elements);
}

void StageWorkflow::EnableStage2()
{
    setGroups(m_selection, true, m_elements);
}

void StageWorkflow::DisableStage2()
{
    setGroups(m_selection, false, m_elements);
}

void StageWorkflow::EnableStage3()
{
    setGroups(m_selection, m_editing, true);
}

void StageWorkflow::DisableStage3()
{
    setGroups(m_selection, m_editing, false);
}

void StageWorkflow::enterEditing()
{
    EnableStage2();
    DisableStage1();
    DisableStage3();
}

void StageWorkflow::leaveEditing(bool afterQuit)
{
    DisableStage2();
    if (afterQuit) {
        EnableStage3();
        EnableStage1();
    } else {
        EnableStage1();
        EnableStage3();
    }
}

void StageWorkflow::beginRetitling()
{
    DisableStage1();
    DisableStage3();
}

void StageWorkflow::endRetitling()
{
    EnableStage1();
    EnableStage3();
}

void StageWorkflow::SetFreeTextButtons(bool on)
{
    // While the group is off its commands stay off; the new state waits for the group to return,
    // so a count that fell to 0 during stage 2 is not undone by the remembered state.
    bool &target = m_selection ? m_freeTextButtons : m_rememberedFreeTextButtons;
    if (target == on)
        return;
    target = on;
    Q_EMIT commandsChanged();
}

void StageWorkflow::setEditMode(EditMode mode)
{
    const bool all = mode == EditMode::All;
    if (all == m_editAllMode)
        return;
    m_editAllMode = all;
    Q_EMIT commandsChanged();
}

void StageWorkflow::setCurrentRowSelected(bool selected)
{
    if (selected == m_currentRowSelected)
        return;
    m_currentRowSelected = selected;
    Q_EMIT commandsChanged();
}

bool StageWorkflow::isEnabled(Command command) const
{
    switch (command) {
    case Command::SelectKind:
    case Command::SelectByStrings:
    case Command::MaintainStrings:
    case Command::ToggleStringMode:
    case Command::ShowThumbnail:
    case Command::ToggleRow:
        return m_selection;
    case Command::CopyCurrentTitle:
    case Command::CutCharacters:
    case Command::EraseFreeText:
    case Command::FindReplace:
    case Command::EditAll:
        return m_selection && m_freeTextButtons;
    case Command::EditOne:
        return m_selection && !m_editing && m_currentRowSelected;
    case Command::EditLine:
    case Command::MakeStaticDictionary:
    case Command::DeleteToggle:
    case Command::PicturePrefixSuffix:
    case Command::EnterButton:
    case Command::QuitEditing:
        return m_editing;
    case Command::JumpToEmpty:
        return m_editing && m_editAllMode;
    case Command::ElementPanels:
    case Command::SaveElementSettings:
    case Command::ElementOrder:
    case Command::ForceUniqueness:
    case Command::KeepVoiceSynchronized:
    case Command::ElementSeparator:
    case Command::UseStorageManagement:
    case Command::UndoRetitling:
        return m_elements;
    case Command::TestAndPreview:
        return m_elements && (m_selection ? m_freeTextButtons : m_rememberedFreeTextButtons);
    }
    return false;
}

bool StageWorkflow::conditionHolds(ElementControl control, const ElementConditions &c)
{
    switch (control) {
    case ElementControl::PrefixField:
        return c.usePrefix;
    case ElementControl::SuffixField:
        return c.useSuffix;
    case ElementControl::InspectTitleFrom:
        return c.extractFromCurrentTitle;
    case ElementControl::CounterStart:
        return c.counter;
    case ElementControl::DateSource:
        return c.date;
    case ElementControl::PickDate:
        return c.date && c.datePickedFromCalendar;
    case ElementControl::TimeSource:
        return c.time;
    case ElementControl::PickTime:
        return c.time && c.timePicked;
    case ElementControl::DateTimeSeparator:
        return c.date || c.time;
    case ElementControl::OnlyUseSubject:
        return c.storageManagementEnabled && c.schemeHasSubjectLevel;
    case ElementControl::TestAndPreview:
        return c.selectedCount > 0;
    }
    return false;
}

bool StageWorkflow::isEnabled(ElementControl control, const ElementConditions &conditions) const
{
    return m_elements && conditionHolds(control, conditions);
}

} // namespace Session
