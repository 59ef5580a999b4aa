#include "ui/mainmenus.h"

#include "app/application.h"
#include "compose/datetimesettingsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlesettingsmodel.h"
#include "session/freetexteditor.h"
#include "session/selection.h"
#include "session/stageworkflow.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace Ui {

using App::MainCommand;
using App::MainCommands;
using App::MainMenu;

namespace {

QString objectNameOf(MainMenu menu)
{
    switch (menu) {
    case MainMenu::File:
        return u"fileMenu"_s;
    case MainMenu::Dictionary:
        return u"dictionaryMenu"_s;
    case MainMenu::Subjects:
        return u"subjectsMenu"_s;
    case MainMenu::Edit:
        return u"editMenu"_s;
    case MainMenu::Extra:
        return u"extraMenu"_s;
    case MainMenu::AddTitleElements:
        return u"elementsMenu"_s;
    case MainMenu::Retitle:
        return u"retitleMenu"_s;
    case MainMenu::Help:
        return u"helpMenu"_s;
    }
    return {};
}

} // namespace

MainMenus::MainMenus(QMenuBar *menuBar, App::Application &application, QObject *parent)
    : QObject(parent), m_commands(application)
{
    for (const MainMenu which : MainCommands::menus()) {
        QMenu *menu = menuBar->addMenu(MainCommands::menuCaption(which));
        menu->setObjectName(objectNameOf(which));
        m_menus.insert(which, menu);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { refreshMenu(menu); });
        for (const App::MenuEntry &entry : MainCommands::entries(which))
            addCommand(menu, entry);
    }
    // Menus show their state as it is when they open; the other changes keep the shortcuts and
    // anything that looks at an item between openings in step.
    connect(&application.workflow(), &Session::StageWorkflow::commandsChanged, this, &MainMenus::refresh);
    connect(&application.freeTextEditor(), &Session::FreeTextEditor::currentRowChanged, this, &MainMenus::refresh);
    connect(&application.selection(), &Session::Selection::captionsChanged, this, &MainMenus::refresh);
    connect(&application.titleSettings(), &Compose::TitleSettingsModel::changed, this, &MainMenus::refresh);
    connect(&application.numberSettings(), &Compose::NumberSettingsModel::changed, this, &MainMenus::refresh);
    connect(&application.dateTimeSettings(), &Compose::DateTimeSettingsModel::changed, this, &MainMenus::refresh);
    connect(&application, &App::Application::subjectsInUseChanged, this, &MainMenus::refresh);
    refresh();
}

QAction *MainMenus::addCommand(QMenu *menu, const App::MenuEntry &entry)
{
    if (entry.separatorBefore)
        menu->addSeparator();
    if (entry.items.isEmpty())
        return createAction(menu, entry.command);
    QMenu *submenu = menu->addMenu(QString());
    QAction *action = submenu->menuAction();
    action->setData(int(entry.command));
    action->setStatusTip(MainCommands::info(entry.command).statusText);
    m_actions.insert(entry.command, action);
    QActionGroup *group = nullptr;
    for (const MainCommand item : entry.items) {
        QAction *itemAction = createAction(submenu, item);
        if (MainCommands::info(item).exclusive) {
            if (!group)
                group = new QActionGroup(submenu);
            group->addAction(itemAction);
        }
    }
    connect(submenu, &QMenu::aboutToShow, this, [this, submenu] { refreshMenu(submenu); });
    return action;
}

QAction *MainMenus::createAction(QMenu *menu, MainCommand command)
{
    const App::CommandInfo info = MainCommands::info(command);
    QAction *action = menu->addAction(QString());
    action->setData(int(command));
    action->setStatusTip(info.statusText);
    action->setCheckable(info.checkable);
    if (!info.shortcut.isEmpty()) {
        action->setShortcut(QKeySequence::fromString(info.shortcut, QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, [this, command] {
        m_commands.run(command);
        refresh();
    });
    m_actions.insert(command, action);
    return action;
}

QAction *MainMenus::viewMenuPlace() const
{
    return m_menus.value(MainMenu::Extra)->menuAction();
}

void MainMenus::refreshMenu(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const App::CommandState state = m_commands.state(MainCommand(action->data().toInt()));
        action->setText(state.caption);
        action->setEnabled(state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

void MainMenus::refresh()
{
    for (auto menu = m_menus.cbegin(); menu != m_menus.cend(); ++menu) {
        QAction *title = menu.value()->menuAction();
        const bool enabled = m_commands.isMenuEnabled(menu.key());
        title->setVisible(m_commands.isMenuVisible(menu.key()));
        title->setEnabled(enabled);
        const QString caption = m_commands.menuTitle(menu.key());
        if (title->text() != caption)
            title->setText(caption);
        refreshMenu(menu.value());
        for (QAction *action : menu.value()->actions()) {
            if (action->menu())
                refreshMenu(action->menu());
        }
    }
}

} // namespace Ui
