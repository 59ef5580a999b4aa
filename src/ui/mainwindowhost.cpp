#include "ui/mainwindowhost.h"

#include "ui/hintstatusfilter.h"
#include "ui/mainwindow.h"

#include "app/application.h"

#include <QCoreApplication>

namespace Ui {

MainWindowHost::MainWindowHost(App::Application &application, QObject *parent)
    : QObject(parent), m_application(application), m_window(std::make_unique<MainWindow>(application))
{
    QCoreApplication::instance()->installEventFilter(new HintStatusFilter(this));
    // Queued: the language is switched from inside a dialog the old window opened.
    connect(&application, &App::Application::languageChanged, this, &MainWindowHost::replaceWindow,
            Qt::QueuedConnection);
}

MainWindowHost::~MainWindowHost() = default;

void MainWindowHost::rebuild()
{
    std::unique_ptr<MainWindow> old = std::exchange(m_window, std::make_unique<MainWindow>(m_application));
    m_window->takeOver(*old);
    Q_EMIT windowReplaced(m_window.get());
}

void MainWindowHost::replaceWindow()
{
    std::unique_ptr<MainWindow> old = std::exchange(m_window, std::make_unique<MainWindow>(m_application));
    m_window->takeOver(*old);
    Q_EMIT windowReplaced(m_window.get());
    old->hide();
    old.release()->deleteLater();
}

} // namespace Ui
