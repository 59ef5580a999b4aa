#include "ui/program.h"

#include "ui/mainwindow.h"
#include "ui/mainwindowhost.h"
#include "ui/qtdialogs.h"
#include "ui/screeninfo.h"

#include "app/application.h"
#include "app/storagemanagement.h"
#include "l10n/language.h"
#include "l10n/text.h"
#include "platform/drives.h"
#include "platform/folders.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <utility>

using namespace Qt::StringLiterals;

namespace Ui {

namespace {

QString noDisplayMessage()
{
    return L10n::title() + u": "_s
           + L10n::text(1339, "Mirelto needs a graphical display, and none is available here (try mirelto --help "
                        "for the commands that work without one).");
}

// What Qt says while the window system is being reached. When no display answers, Qt ends the
// program with a fatal message and a core dump; the program ends with one line instead.
QList<QByteArray> heldMessages;

void holdMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(noDisplayMessage()));
        std::_Exit(1);
    }
    heldMessages.append(message.toLocal8Bit());
}

bool displayNamed()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
           || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int runProgram(int argc, char **argv, const QString &folderArgument)
{
    if (!displayNamed()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(noDisplayMessage()));
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(holdMessages);
    // Qt Multimedia's FFmpeg backend decodes the frame a video is previewed by on its own; the
    // GStreamer backend aborts where the system lacks one of its plugins. A choice the user made
    // stands.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const QByteArray &held : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", held.constData());
    heldMessages.clear();
    QApplication::setApplicationName(u"Mirelto"_s);
    QApplication::setApplicationVersion(Platform::programVersion());
    // Ties the windows to the installed mirelto.desktop, for the desktop's icon and name.
    QGuiApplication::setDesktopFileName(u"mirelto"_s);

    Platform::SingleInstance instance(QCoreApplication::applicationFilePath());
    switch (instance.claim(folderArgument.isEmpty() ? QString() : Platform::folderFromArgument(folderArgument))) {
    case Platform::SingleInstance::Outcome::OtherRunning:
        return 0;
    case Platform::SingleInstance::Outcome::Failed:
        std::fprintf(stderr, "Mirelto: %s\n", qUtf8Printable(instance.errorString()));
        return 1;
    case Platform::SingleInstance::Outcome::First:
        break;
    }
    Platform::TerminationSignals termination;

    QtDialogs dialogs;
    Platform::SystemDrives drives;
    App::Application program({Platform::workFolder(), Platform::applicationFolder()},
                             {drives, primaryScreenInfo(), L10n::detectLocalLanguage()}, dialogs);
    MainWindowHost host(program);
    const auto attach = [&dialogs](MainWindow *window) {
        dialogs.setParentWindow(window);
        QObject::connect(&dialogs, &QtDialogs::statusMessage, window, &MainWindow::showStatus);
    };
    attach(&host.window());
    QObject::connect(&host, &MainWindowHost::windowReplaced, &host, attach);
    QObject::connect(&instance, &Platform::SingleInstance::raiseRequested, &host,
                     [&host, &program](const QString &folder) {
                         MainWindow &window = host.window();
                         if (window.isMinimized())
                             window.showNormal();
                         window.raise();
                         window.activateWindow();
                         program.anotherLaunch(folder);
                     });
    // SIGTERM and SIGINT end the program whatever box is open: the boxes close as cancelled and
    // every later question keeps everything. Before the window is shown the start-up unwinds on
    // its own; once it is shown it closes the ordinary way, saving what closing saves, as soon as
    // the closed boxes' event loops have returned.
    QObject::connect(&termination, &Platform::TerminationSignals::terminationRequested, &host, [&dialogs, &host] {
        dialogs.endAll();
        if (host.window().isVisible()) {
            QTimer::singleShot(0, &host, [&host] {
                host.window().close();
                QCoreApplication::quit();
            });
        }
    });

    if (!program.start(folderArgument))
        return program.startupError().isEmpty() ? 0 : 1;
    instance.setFolder(program.pictureFolder());
    // The window was built before the settings named the interface language.
    if (program.language() != L10n::LanguageCode::English)
        host.rebuild();
    // The boxes wear the chosen theme from the start.
    host.window().applyStoredTheme();
    host.window().showForSession();
    // While storage management was never set up, its setup is offered over the shown window,
    // before the start tick resumes the session.
    QTimer::singleShot(100, &program, [&program, &host, &dialogs] {
        // A resumed session whose storage main folder is gone left storage management off: it
        // says why, instead of Test & Preview failing later on.
        if (program.storage().startupPrompt() || program.storage().resumeNotice())
            host.window().runStorageSetup();
        if (!dialogs.isEnding())
            program.startTick();
    });
    return QApplication::exec();
}

} // namespace Ui
