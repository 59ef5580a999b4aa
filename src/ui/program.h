#pragma once

namespace Ui {

// Runs the program: one copy per executable, the start-up sequence, the main window and the
// event loop. Returns the process's exit code.
int runProgram(int argc, char **argv);

} // namespace Ui
