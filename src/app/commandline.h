#pragma once

#include <QString>
#include <QStringList>

namespace App {

// What the program was asked to do by its command line. A plain folder, or nothing, opens the
// window; the other modes need no display.
struct CommandLine
{
    enum class Mode { Window, Help, Version, Preview, Retitle, Undo, Error };
    // How a question a run would ask in the window is answered without one.
    enum class FreeTextAnswer { KeepEverything, AddToSelection, KeepSelection };

    Mode mode = Mode::Window;
    // The folder argument as given; empty for none.
    QString folder;
    // The outcome as one JSON document instead of text.
    bool json = false;
    // "Not all pictures that have free text are selected": by default Test & Preview stops.
    FreeTextAnswer freeText = FreeTextAnswer::KeepEverything;
    // The warnings that stop a run unless the user goes on (a unique-check folder that cannot be
    // read, subjects that will not be used) are answered with going on.
    bool goOn = false;
    // Mode::Error: the one line that says what is wrong.
    QString error;

    bool isCommand() const { return mode == Mode::Preview || mode == Mode::Retitle || mode == Mode::Undo; }
    // The command's name as --json reports it: "preview", "retitle" or "undo".
    QString commandName() const;

    // arguments: the program's arguments, the program itself first.
    static CommandLine parse(const QStringList &arguments);
    static QString helpText();
    static QString versionText();
    // The exit code of a command line that could not be understood.
    static constexpr int usageExitCode = 2;
};

} // namespace App
