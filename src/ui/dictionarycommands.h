#pragma once

#include "app/optionsmodel.h"

#include <functional>

class QWidget;

namespace App {
class Application;
}

namespace Ui {

// The dictionary commands of the menu and the stage-2 buttons: each opens its dialog over parent
// and, after OK, lets the core build or store. help opens the help on the dictionaries.
void makeDictionaryFromFolder(App::Application &application, QWidget *parent, const std::function<void()> &help);
void makeDictionaryFromClipboard(App::Application &application, QWidget *parent, const std::function<void()> &help);
void showOptions(App::Application &application, App::OptionsModel::Page page, QWidget *parent,
                 const std::function<void()> &help);

} // namespace Ui
