#pragma once

#include <QObject>

#include <memory>

namespace App {
class Application;
}

namespace Ui {

class MainWindow;

// Holds the main window of the session. When the interface language changes, every caption of
// the window is read again by building a new window over the same session in the old one's
// place; the old one goes once the event that switched the language has been handled.
class MainWindowHost final : public QObject
{
    Q_OBJECT

public:
    explicit MainWindowHost(App::Application &application, QObject *parent = nullptr);
    ~MainWindowHost() override;

    MainWindow &window() const { return *m_window; }
    // Builds the window anew at once, as after start-up when the settings named another language
    // than the one the window was built in; nothing may hold the old window then.
    void rebuild();

Q_SIGNALS:
    // A new window took the place of the old one, which is still alive until control returns to
    // the event loop.
    void windowReplaced(Ui::MainWindow *window);

private:
    void replaceWindow();

    App::Application &m_application;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace Ui
