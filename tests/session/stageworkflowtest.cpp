#include "session/stageworkflow.h"

#include "session/picturesession.h"

#include <QSignalSpy>
#include <QTest>

using namespace Session;

Q_DECLARE_METATYPE(Session::ElementControl)
Q_DECLARE_METATYPE(Session::ElementConditions)

class StageWorkflowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsInSelecting();
    void editingDisablesTheOtherGroups();
    void retitlingDisablesEverything();
    void bulkCommandsFollowTheSelectedCount();
    void bulkCommandsAreRememberedWhileTheGroupIsOff();
    void editOneNeedsASelectedCurrentRow();
    void jumpOnlyInModeAll();
    void elementConditions_data();
    void elementConditions();
    void elementControlsNeedTheGroup();
};

void StageWorkflowTest::startsInSelecting()
{
    StageWorkflow workflow;
    QCOMPARE(workflow.stage(), Stage::Selecting);
    QVERIFY(workflow.isEnabled(Command::SelectKind));
    QVERIFY(workflow.isEnabled(Command::ElementPanels));
    QVERIFY(!workflow.isEnabled(Command::EditLine));
    // With nothing selected the bulk commands and Test & Preview are off.
    QVERIFY(!workflow.isEnabled(Command::CopyCurrentTitle));
    QVERIFY(!workflow.isEnabled(Command::EditAll));
    QVERIFY(!workflow.isEnabled(Command::TestAndPreview));
}

void StageWorkflowTest::editingDisablesTheOtherGroups()
{
    StageWorkflow workflow;
    workflow.SetFreeTextButtons(true);
    QSignalSpy changed(&workflow, &StageWorkflow::commandsChanged);
    workflow.enterEditing();
    QVERIFY(changed.count() >= 1);
    QCOMPARE(workflow.stage(), Stage::Editing);
    for (const Command command : {Command::SelectKind, Command::ToggleRow, Command::CopyCurrentTitle,
                                  Command::CutCharacters, Command::EraseFreeText, Command::FindReplace,
                                  Command::EditAll, Command::EditOne, Command::ElementPanels, Command::TestAndPreview})
        QVERIFY2(!workflow.isEnabled(command), QByteArray::number(int(command)).constData());
    for (const Command command : {Command::EditLine, Command::DeleteToggle, Command::PicturePrefixSuffix,
                                  Command::EnterButton, Command::QuitEditing, Command::MakeStaticDictionary})
        QVERIFY(workflow.isEnabled(command));

    workflow.leaveEditing(true);
    QCOMPARE(workflow.stage(), Stage::Selecting);
    QVERIFY(!workflow.isEnabled(Command::EditLine));
    QVERIFY(workflow.isEnabled(Command::CopyCurrentTitle));
    QVERIFY(workflow.isEnabled(Command::TestAndPreview));
}

void StageWorkflowTest::retitlingDisablesEverything()
{
    StageWorkflow workflow;
    workflow.SetFreeTextButtons(true);
    workflow.beginRetitling();
    QCOMPARE(workflow.stage(), Stage::Retitling);
    QVERIFY(!workflow.isEnabled(Command::SelectKind));
    QVERIFY(!workflow.isEnabled(Command::ElementPanels));
    QVERIFY(!workflow.isEnabled(Command::EditLine));
    QVERIFY(!workflow.isEnabled(Command::TestAndPreview));
    workflow.endRetitling();
    QCOMPARE(workflow.stage(), Stage::Selecting);
    QVERIFY(workflow.isEnabled(Command::TestAndPreview));
}

void StageWorkflowTest::bulkCommandsFollowTheSelectedCount()
{
    StageWorkflow workflow;
    workflow.SetFreeTextButtons(true);
    QVERIFY(workflow.isEnabled(Command::EraseFreeText));
    workflow.SetFreeTextButtons(false);
    QVERIFY(!workflow.isEnabled(Command::EraseFreeText));
    QVERIFY(!workflow.isEnabled(Command::EditAll));
}

void StageWorkflowTest::bulkCommandsAreRememberedWhileTheGroupIsOff()
{
    StageWorkflow workflow;
    workflow.SetFreeTextButtons(true);
    workflow.enterEditing();
    workflow.leaveEditing(false);
    QVERIFY(workflow.isEnabled(Command::CutCharacters));

    // A count that fell to 0 while stage 2 ran is what shows afterwards.
    workflow.enterEditing();
    workflow.SetFreeTextButtons(false);
    QVERIFY(!workflow.isEnabled(Command::CutCharacters));
    workflow.leaveEditing(false);
    QVERIFY(!workflow.isEnabled(Command::CutCharacters));
    QVERIFY(!workflow.isEnabled(Command::TestAndPreview));
}

void StageWorkflowTest::editOneNeedsASelectedCurrentRow()
{
    StageWorkflow workflow;
    QVERIFY(!workflow.isEnabled(Command::EditOne));
    workflow.setCurrentRowSelected(true);
    QVERIFY(workflow.isEnabled(Command::EditOne));
    workflow.enterEditing();
    QVERIFY(!workflow.isEnabled(Command::EditOne));
}

void StageWorkflowTest::jumpOnlyInModeAll()
{
    StageWorkflow workflow;
    workflow.setEditMode(EditMode::Single);
    workflow.enterEditing();
    QVERIFY(!workflow.isEnabled(Command::JumpToEmpty));
    workflow.setEditMode(EditMode::All);
    QVERIFY(workflow.isEnabled(Command::JumpToEmpty));
    workflow.leaveEditing(true);
    QVERIFY(!workflow.isEnabled(Command::JumpToEmpty));
}

void StageWorkflowTest::elementConditions_data()
{
    QTest::addColumn<ElementControl>("control");
    QTest::addColumn<ElementConditions>("conditions");
    QTest::addColumn<bool>("enabled");

    ElementConditions none;
    ElementConditions date;
    date.date = true;
    ElementConditions datePicked = date;
    datePicked.datePickedFromCalendar = true;
    ElementConditions pickedWithoutDate;
    pickedWithoutDate.datePickedFromCalendar = true;
    ElementConditions time;
    time.time = true;
    ElementConditions timePicked = time;
    timePicked.timePicked = true;
    ElementConditions storage;
    storage.storageManagementEnabled = true;
    ElementConditions subjects = storage;
    subjects.schemeHasSubjectLevel = true;
    ElementConditions selected;
    selected.selectedCount = 1;
    ElementConditions prefix;
    prefix.usePrefix = true;
    ElementConditions counter;
    counter.counter = true;
    ElementConditions extract;
    extract.extractFromCurrentTitle = true;

    QTest::newRow("prefix off") << ElementControl::PrefixField << none << false;
    QTest::newRow("prefix on") << ElementControl::PrefixField << prefix << true;
    QTest::newRow("suffix follows its own box") << ElementControl::SuffixField << prefix << false;
    QTest::newRow("inspect title") << ElementControl::InspectTitleFrom << extract << true;
    QTest::newRow("start with needs counter") << ElementControl::CounterStart << extract << false;
    QTest::newRow("start with") << ElementControl::CounterStart << counter << true;
    QTest::newRow("date unchecked") << ElementControl::DateSource << none << false;
    QTest::newRow("date source") << ElementControl::DateSource << date << true;
    QTest::newRow("pick date other source") << ElementControl::PickDate << date << false;
    QTest::newRow("pick date") << ElementControl::PickDate << datePicked << true;
    QTest::newRow("pick date unchecked") << ElementControl::PickDate << pickedWithoutDate << false;
    QTest::newRow("time source") << ElementControl::TimeSource << time << true;
    QTest::newRow("pick time") << ElementControl::PickTime << timePicked << true;
    QTest::newRow("pick time other source") << ElementControl::PickTime << time << false;
    QTest::newRow("separator with time only") << ElementControl::DateTimeSeparator << time << true;
    QTest::newRow("separator with date only") << ElementControl::DateTimeSeparator << date << true;
    QTest::newRow("separator without both") << ElementControl::DateTimeSeparator << pickedWithoutDate << false;
    QTest::newRow("only subject without level") << ElementControl::OnlyUseSubject << storage << false;
    QTest::newRow("only subject") << ElementControl::OnlyUseSubject << subjects << true;
    QTest::newRow("test nothing selected") << ElementControl::TestAndPreview << none << false;
    QTest::newRow("test") << ElementControl::TestAndPreview << selected << true;
}

void StageWorkflowTest::elementConditions()
{
    QFETCH(ElementControl, control);
    QFETCH(ElementConditions, conditions);
    QFETCH(bool, enabled);
    StageWorkflow workflow;
    QCOMPARE(workflow.isEnabled(control, conditions), enabled);
}

void StageWorkflowTest::elementControlsNeedTheGroup()
{
    StageWorkflow workflow;
    ElementConditions conditions;
    conditions.date = true;
    workflow.enterEditing();
    QVERIFY(!workflow.isEnabled(ElementControl::DateSource, conditions));
    QVERIFY(StageWorkflow::conditionHolds(ElementControl::DateSource, conditions));
    workflow.leaveEditing(false);
    QVERIFY(workflow.isEnabled(ElementControl::DateSource, conditions));
}

QTEST_GUILESS_MAIN(StageWorkflowTest)
#include "stageworkflowtest.moc"
