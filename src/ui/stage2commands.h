#pragma once

namespace App {
class Application;
}

namespace Ui {

class MainWindow;

// Stage 2 in the main window: its panel beside the table and the menus "Edit" and "Ex&tra",
// whose items take their enabled state from the stage workflow each time a menu opens.
void addStage2Commands(MainWindow &window, App::Application &application);

} // namespace Ui
