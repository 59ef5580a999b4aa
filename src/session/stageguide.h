#pragma once

#include <QObject>
#include <QString>

namespace Session {

class StageWorkflow;

// The four steps the main window leads through, in their order.
enum class StagePage { SelectPictures, EditFreeText, TitleElements, FinalStage };

// Which step of the work the window shows. The user may open any step whose commands can run;
// while stage 2 edits the free texts only that step can, so the window moves there and returns
// to the step it came from once editing ends.
class StageGuide final : public QObject
{
    Q_OBJECT

public:
    static constexpr int pageCount = 4;

    explicit StageGuide(StageWorkflow &workflow, QObject *parent = nullptr);

    static QString caption(StagePage page);
    StagePage currentPage() const { return m_current; }
    // Whether the user can open the step now.
    bool isAvailable(StagePage page) const;
    // The user opens a step; a step that is not available is refused.
    void setCurrentPage(StagePage page);

Q_SIGNALS:
    // The shown step or the availability of the steps changed.
    void pagesChanged();

private:
    void followWorkflow();

    StageWorkflow &m_workflow;
    StagePage m_current = StagePage::SelectPictures;
    StagePage m_beforeEditing = StagePage::SelectPictures;
    bool m_editing = false;
};

} // namespace Session
