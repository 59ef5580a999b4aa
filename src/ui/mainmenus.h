#pragma once

#include "app/maincommands.h"

#include <QHash>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace Ui {

// The main window's menu bar, built from the command table. Each menu takes its captions and
// enabled and checked states from the table each time it opens; choosing an item runs the
// command in the core.
class MainMenus final : public QObject
{
    Q_OBJECT

public:
    MainMenus(QMenuBar *menuBar, App::Application &application, QObject *parent = nullptr);

    App::MainCommands &commands() { return m_commands; }
    QMenu *menu(App::MainMenu menu) const { return m_menus.value(menu); }
    QAction *action(App::MainCommand command) const { return m_actions.value(command); }
    // The menu bar place of the thumbnail menu: insert it before this action.
    QAction *viewMenuPlace() const;
    // Takes every item's state from the command table.
    void refresh();

private:
    QAction *addCommand(QMenu *menu, const App::MenuEntry &entry);
    QAction *createAction(QMenu *menu, App::MainCommand command);
    void refreshMenu(QMenu *menu);

    App::MainCommands m_commands;
    QHash<App::MainMenu, QMenu *> m_menus;
    QHash<App::MainCommand, QAction *> m_actions;
};

} // namespace Ui
