#pragma once

#include "app/commandline.h"
#include "app/commandoutcome.h"

namespace App {

class Application;
class CommandDialogs;

// Runs --preview, --retitle or --undo on the program's core as the window's commands do: the
// start-up of the folder, then Test & Preview with its report and Retitle Now, or Retitle → Undo
// last retitling; a question gets what the command dialogs answer.
class CommandRun final
{
public:
    CommandRun(Application &application, CommandDialogs &dialogs, const CommandLine &line);

    // Runs the command; the outcome holds its exit code.
    const CommandOutcome &run();
    const CommandOutcome &outcome() const { return m_outcome; }

private:
    bool open();
    void test();
    void undo();
    void fail(const QString &message);

    Application &m_application;
    CommandDialogs &m_dialogs;
    CommandLine m_line;
    CommandOutcome m_outcome;
};

} // namespace App
