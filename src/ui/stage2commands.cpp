#include "ui/stage2commands.h"

#include "ui/mainwindow.h"
#include "ui/stage2panel.h"

#include "app/application.h"
#include "app/maincommands.h"

namespace Ui {

void addStage2Commands(MainWindow &window, App::Application &application)
{
    auto *panel = new Stage2Panel(application, window.pictureTable());
    window.addPanel(Session::StagePage::EditFreeText, panel);
    QObject::connect(panel, &Stage2Panel::dictionaryFromFolderRequested, &window,
                     [&window] { window.runCommand(App::MainCommand::DictionaryFromFolder); });
    QObject::connect(panel, &Stage2Panel::dictionaryFromClipboardRequested, &window,
                     [&window] { window.runCommand(App::MainCommand::DictionaryFromClipboard); });
}

} // namespace Ui
