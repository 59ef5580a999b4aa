#include "ui/mainmenus.h"

#include "ui/selectionpanel.h"
#include "ui/mainwindow.h"
#include "ui/quickstartwindow.h"

#include "app/application.h"
#include "app/maincommands.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;
using App::MainCommand;

class MainMenusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void menusTakeTheirStateWhenTheyOpen();
    void selectionKeysInEitherCase();
    void helpKeyOpensThePartUnderThePointer();
    void editLineHelpOpensStage2BesideTheWindow();

private:
    QTemporaryDir m_root;
};

void MainMenusTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(makeProgramAndPictures(m_root.path(), QStringList{u"a.jpg"_s, u"b.jpg"_s}));
}

void MainMenusTest::menusTakeTheirStateWhenTheyOpen()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    QStringList titles;
    // The subjects menu stays hidden while storage management is off.
    for (QAction *action : program.window.menuBar()->actions()) {
        if (action->isVisible())
            titles.append(action->text());
    }
    // A closed menu leaves its access key to the controls of the stage: nothing is selected yet.
    QCOMPARE(titles, (QStringList{u"&File"_s, u"&Dictionary"_s, u"Edit"_s, u"&View"_s, u"Extra"_s, u"&Add title elements"_s,
                                  u"&Retitle"_s, u"&Help"_s}));

    Ui::MainMenus &menus = program.window.menus();
    QAction *test = menus.action(MainCommand::TestAndPreview);
    QAction *selectAll = menus.action(MainCommand::SelectAll);
    QCOMPARE(test->text(), u"Test and &Preview newly created picture titles"_s);
    QCOMPARE(test->statusTip(), u"Start making the new picture titles. The result can be previewed in a new window"_s);
    QCOMPARE(selectAll->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    // Whatever an item showed before, opening its menu shows the state of now.
    test->setEnabled(true);
    Q_EMIT menus.menu(App::MainMenu::Retitle)->aboutToShow();
    QVERIFY(!test->isEnabled());
    program.application.selection().BtnSelectClick(Session::SelectionKind::All);
    program.application.freeTextEditor().BtnEditAllClick();
    selectAll->setEnabled(true);
    Q_EMIT qobject_cast<QMenu *>(selectAll->parent())->aboutToShow();
    QVERIFY(!selectAll->isEnabled());
    // While a free text is edited, Alt+D is the delete mark's.
    QCOMPARE(menus.menu(App::MainMenu::Dictionary)->menuAction()->text(), u"Dictionary"_s);
    QVERIFY(menus.action(MainCommand::JumpToEmpty)->isEnabled());
    // The folder is opened again by the next case, which starts in stage 1.
    program.application.freeTextEditor().ImStopEditClick();
}

void MainMenusTest::selectionKeysInEitherCase()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    // The table would take Ctrl+A for itself; the window comes first.
    QWidget *target = program.window.pictureTable();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(program.application.pictures().selectedCount(), 2);
    QTest::keyClick(target, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(program.application.pictures().selectedCount(), 0);
    QTest::keyClick(target, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(program.application.pictures().selectedCount(), 2);
}

void MainMenusTest::helpKeyOpensThePartUnderThePointer()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    QTableView *table = program.window.pictureTable();
    auto *selection = program.window.findChild<Ui::SelectionPanel *>();
    QVERIFY(QTest::qWaitForWindowExposed(&program.window));
    const auto centre = [](QWidget *widget) { return widget->mapToGlobal(widget->rect().center()); };
    QCOMPARE(program.window.regionAt(centre(table->viewport())), App::WindowRegion::Table);
    QCOMPARE(program.window.regionAt(centre(selection)), App::WindowRegion::SelectionPanel);

    QCursor::setPos(centre(selection));
    QTest::keyClick(table, Qt::Key_F1);
    auto *quickStart = program.window.findChild<Ui::QuickStartWindow *>();
    QVERIFY(quickStart && quickStart->isVisible());
    QCOMPARE(quickStart->browser()->source().fragment(), u"stage1"_s);
    QVERIFY(quickStart->browser()->toPlainText().contains(u"Retitle Now"_s));
}

void MainMenusTest::editLineHelpOpensStage2BesideTheWindow()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    program.application.selection().BtnSelectClick(Session::SelectionKind::All);
    program.application.freeTextEditor().BtnEditAllClick();
    Q_EMIT program.application.freeTextEditor().editorHelpRequested();
    program.application.freeTextEditor().ImStopEditClick();
    auto *quickStart = program.window.findChild<Ui::QuickStartWindow *>();
    QVERIFY(quickStart && quickStart->isVisible());
    QCOMPARE(quickStart->browser()->source().fragment(), u"stage2"_s);
    QVERIFY(quickStart->testAttribute(Qt::WA_ShowWithoutActivating));
}

QTEST_MAIN(MainMenusTest)
#include "mainmenustest.moc"
