#pragma once

#include <QString>

namespace Ui {

// Runs the program: one copy per executable, the start-up sequence, the main window and the
// event loop, on folderArgument (empty: the folder browser). Without a display it says so on
// standard error and returns 1. Returns the process's exit code.
int runProgram(int argc, char **argv, const QString &folderArgument);

} // namespace Ui
