#include "session/stageguide.h"

#include "session/stageworkflow.h"

#include "l10n/text.h"

namespace Session {

StageGuide::StageGuide(StageWorkflow &workflow, QObject *parent) : QObject(parent), m_workflow(workflow)
{
    connect(&m_workflow, &StageWorkflow::commandsChanged, this, &StageGuide::followWorkflow);
    followWorkflow();
}

QString StageGuide::caption(StagePage page)
{
    switch (page) {
    case StagePage::SelectPictures:
        return L10n::text(1168, "Stage 1 - Select pictures to retitle");
    case StagePage::EditFreeText:
        return L10n::text(1169, "Stage 2 - Edit free text per picture");
    case StagePage::TitleElements:
        return L10n::text(1170, "Stage 3 - Add title elements");
    case StagePage::FinalStage:
        return L10n::text(1171, "Final stage");
    }
    return {};
}

bool StageGuide::isAvailable(StagePage page) const
{
    return !m_editing || page == StagePage::EditFreeText;
}

void StageGuide::setCurrentPage(StagePage page)
{
    if (page == m_current || !isAvailable(page))
        return;
    m_current = page;
    Q_EMIT pagesChanged();
}

void StageGuide::followWorkflow()
{
    const bool editing = m_workflow.stage() == Stage::Editing;
    if (editing == m_editing)
        return;
    m_editing = editing;
    if (editing) {
        m_beforeEditing = m_current;
        m_current = StagePage::EditFreeText;
    } else {
        m_current = m_beforeEditing;
    }
    Q_EMIT pagesChanged();
}

} // namespace Session
