#include "app/commandprogram.h"

#include "app/application.h"
#include "app/commanddialogs.h"
#include "app/commandoutput.h"
#include "app/commandrun.h"

#include "l10n/language.h"
#include "l10n/text.h"
#include "platform/drives.h"
#include "platform/folders.h"
#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// Whether another copy of the program runs; it is told nothing but asked for its folder, and the
// command is refused with a message that names it.
bool refusedByRunningCopy(Platform::SingleInstance &instance, const QString &folder)
{
    switch (instance.claim(folder, Platform::SingleInstance::Contact::AskFolder)) {
    case Platform::SingleInstance::Outcome::First:
        return false;
    case Platform::SingleInstance::Outcome::Failed:
        print(stderr, L10n::title() + u": "_s + instance.errorString() + u'\n');
        return true;
    case Platform::SingleInstance::Outcome::OtherRunning:
        break;
    }
    const QString running = instance.runningFolder();
    const QString message =
        running.isEmpty()
            ? text(1793, "Mirelto is already running. Close it first to work on folder %1.").arg(QDir::toNativeSeparators(folder))
            : text(909, "Mirelto is already working on folder %1. Close it first to work on folder %2.")
                  .arg(QDir::toNativeSeparators(running), QDir::toNativeSeparators(folder));
    print(stderr, L10n::title() + u": "_s + message + u'\n');
    return true;
}

int runCommand(const CommandLine &line)
{
    const QString folder = Platform::folderFromArgument(line.folder);
    Platform::SingleInstance instance(QCoreApplication::applicationFilePath());
    if (refusedByRunningCopy(instance, folder))
        return 1;
    instance.setFolder(folder);

    CommandDialogs dialogs(line);
    if (!line.json)
        dialogs.setEcho([](const QString &message) { print(stderr, message + u'\n'); });
    Platform::SystemDrives drives;
    // No window opens, so no screen limits what the commands can do.
    const Platform::ScreenInfo screen{1920, 1080, Platform::TaskbarEdge::None, 1};
    Application program({Platform::workFolder(), Platform::applicationFolder()},
                        {drives, screen, L10n::detectLocalLanguage()}, dialogs);
    CommandRun command(program, dialogs, line);
    const CommandOutcome &outcome = command.run();
    print(stdout, line.json ? QString::fromUtf8(commandJson(outcome)) : commandText(outcome));
    return outcome.exitCode;
}

} // namespace

int runWithoutWindow(const CommandLine &line, int &argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"Mirelto"_s);
    QCoreApplication::setApplicationVersion(Platform::programVersion());
    if (line.isCommand())
        return runCommand(line);
    // Without a work folder to read the chosen language from, the help speaks the system's.
    L10n::LanguageSwitch language;
    language.apply(L10n::detectLocalLanguage(), L10n::detectLocalLanguage());
    switch (line.mode) {
    case CommandLine::Mode::Help:
        print(stdout, CommandLine::helpText());
        return 0;
    case CommandLine::Mode::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Mode::Error:
        print(stderr, line.error + u'\n');
        return CommandLine::usageExitCode;
    default:
        break;
    }
    return 1;
}

} // namespace App
