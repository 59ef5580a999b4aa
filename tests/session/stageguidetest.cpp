#include "session/stageguide.h"

#include "session/stageworkflow.h"

#include <QSignalSpy>
#include <QTest>

using namespace Session;

class StageGuideTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void userMovesFreelyWhileSelecting();
    void editingHoldsTheEditPageAndReturns();
    void captionsNameTheStages();
};

void StageGuideTest::userMovesFreelyWhileSelecting()
{
    StageWorkflow workflow;
    StageGuide guide(workflow);
    QCOMPARE(guide.currentPage(), StagePage::SelectPictures);
    QSignalSpy changed(&guide, &StageGuide::pagesChanged);
    guide.setCurrentPage(StagePage::FinalStage);
    QCOMPARE(guide.currentPage(), StagePage::FinalStage);
    guide.setCurrentPage(StagePage::FinalStage);
    QCOMPARE(changed.count(), 1);
    // The retitling turns the groups off but leaves the page where the user was.
    workflow.beginRetitling();
    workflow.endRetitling();
    QCOMPARE(guide.currentPage(), StagePage::FinalStage);
}

void StageGuideTest::editingHoldsTheEditPageAndReturns()
{
    StageWorkflow workflow;
    StageGuide guide(workflow);
    guide.setCurrentPage(StagePage::TitleElements);
    workflow.SetFreeTextButtons(true);
    workflow.enterEditing();
    QCOMPARE(guide.currentPage(), StagePage::EditFreeText);
    for (const StagePage page : {StagePage::SelectPictures, StagePage::TitleElements, StagePage::FinalStage}) {
        QVERIFY(!guide.isAvailable(page));
        guide.setCurrentPage(page);
        QCOMPARE(guide.currentPage(), StagePage::EditFreeText);
    }
    workflow.leaveEditing(false);
    QCOMPARE(guide.currentPage(), StagePage::TitleElements);
    QVERIFY(guide.isAvailable(StagePage::SelectPictures));

    // Started from its own page, editing ends there.
    guide.setCurrentPage(StagePage::EditFreeText);
    workflow.enterEditing();
    workflow.leaveEditing(true);
    QCOMPARE(guide.currentPage(), StagePage::EditFreeText);
}

void StageGuideTest::captionsNameTheStages()
{
    QCOMPARE(StageGuide::caption(StagePage::SelectPictures), QStringLiteral("Stage 1 - Select pictures to retitle"));
    QCOMPARE(StageGuide::caption(StagePage::EditFreeText), QStringLiteral("Stage 2 - Edit free text per picture"));
    QCOMPARE(StageGuide::caption(StagePage::TitleElements), QStringLiteral("Stage 3 - Add title elements"));
    QCOMPARE(StageGuide::caption(StagePage::FinalStage), QStringLiteral("Final stage"));
}

QTEST_GUILESS_MAIN(StageGuideTest)
#include "stageguidetest.moc"
