#pragma once

namespace App {
class Application;
}

namespace Ui {

class MainWindow;

// Stage 2 in the main window: its panel beside the table. Its menu items are in the command
// table with the others.
void addStage2Commands(MainWindow &window, App::Application &application);

} // namespace Ui
