#pragma once

#include "app/commandline.h"

namespace App {

// The program started with a command line that needs no window: the help, the version, a
// command line that is wrong, or --preview, --retitle and --undo on a folder. Prints to standard
// output (errors, messages and questions to standard error) and returns the exit code.
int runWithoutWindow(const CommandLine &line, int &argc, char **argv);

} // namespace App
