#include "ui/stage2commands.h"

#include "ui/mainwindow.h"
#include "ui/stage2panel.h"

#include "app/application.h"
#include "l10n/text.h"
#include "session/freetexteditor.h"
#include "session/stageworkflow.h"

#include <QMenu>
#include <QMenuBar>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace Ui {

using Session::Command;
using Session::FreeTextEditor;

void addStage2Commands(MainWindow &window, App::Application &application)
{
    auto *panel = new Stage2Panel(application, window.pictureTable());
    window.addPanel(Session::StagePage::EditFreeText, panel);
    FreeTextEditor &editor = application.freeTextEditor();
    Session::StageWorkflow &workflow = application.workflow();

    QMenu *edit = window.menuBar()->addMenu(L10n::text("Edit"));
    edit->setObjectName(u"editMenu"_s);
    const QString describe = L10n::text("Supply a description per picture (in free text element) with the help of "
                                        "the dictionary");
    QAction *editAll = edit->addAction(FreeTextEditor::editAllMenuCaption(), &editor, &FreeTextEditor::BtnEditAllClick);
    QAction *editOne = edit->addAction(QString(), &editor, &FreeTextEditor::BtnEditOneClick);
    QAction *jump = edit->addAction(FreeTextEditor::jumpMenuCaption(), &editor, &FreeTextEditor::BtnJumpEmptyClick);
    for (QAction *action : {editAll, editOne, jump})
        action->setStatusTip(describe);
    edit->addSeparator();
    QAction *erase = edit->addAction(FreeTextEditor::eraseMenuCaption(), &editor, &FreeTextEditor::SBUndoClick);
    erase->setStatusTip(L10n::text("Erase all provided descriptions in the free text element. (Caution: step is "
                                   "irreversable!)"));

    QMenu *extra = window.menuBar()->addMenu(L10n::text("Ex&tra"));
    extra->setObjectName(u"extraMenu"_s);
    QAction *copyOld = extra->addAction(FreeTextEditor::copyOldMenuCaption(), &editor, &FreeTextEditor::BtnCopyOldClick);
    copyOld->setStatusTip(L10n::text("Copy the current title to free text of all selected pictures"));
    QAction *strip = extra->addAction(FreeTextEditor::stripMenuCaption(), panel, &Stage2Panel::cutCharacters);
    strip->setStatusTip(L10n::text("Trim leading/trailing strings from free text of all selected pictures (Caution: "
                                   "step is irreversable!)"));

    const auto update = [&editor, &workflow, &window, editAll, editOne, jump, erase, copyOld, strip] {
        editAll->setEnabled(workflow.isEnabled(Command::EditAll));
        editOne->setText(editor.editOneMenuCaption());
        editOne->setEnabled(workflow.isEnabled(Command::EditOne) && window.pictureTable()->isEnabled());
        jump->setEnabled(workflow.isEnabled(Command::JumpToEmpty));
        erase->setEnabled(workflow.isEnabled(Command::EraseFreeText));
        copyOld->setEnabled(workflow.isEnabled(Command::CopyCurrentTitle));
        strip->setEnabled(workflow.isEnabled(Command::CutCharacters));
    };
    QObject::connect(edit, &QMenu::aboutToShow, edit, update);
    QObject::connect(extra, &QMenu::aboutToShow, extra, update);
    QObject::connect(&workflow, &Session::StageWorkflow::commandsChanged, edit, update);
    QObject::connect(&editor, &FreeTextEditor::currentRowChanged, edit, update);
    update();
}

} // namespace Ui
