#include "ui/stage2commands.h"

#include "ui/mainwindow.h"
#include "ui/stage2panel.h"

#include "app/application.h"

namespace Ui {

void addStage2Commands(MainWindow &window, App::Application &application)
{
    window.addPanel(Session::StagePage::EditFreeText, new Stage2Panel(application, window.pictureTable()));
}

} // namespace Ui
