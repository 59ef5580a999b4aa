#include "ui/program.h"

#include "app/commandline.h"
#include "app/commandprogram.h"

#include <QStringList>

int main(int argc, char **argv)
{
    // The command line is read before anything else, so that --help and the commands need no
    // display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const App::CommandLine line = App::CommandLine::parse(arguments);
    if (line.mode == App::CommandLine::Mode::Window)
        return Ui::runProgram(argc, argv, line.folder);
    return App::runWithoutWindow(line, argc, argv);
}
