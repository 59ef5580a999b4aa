#include "ui/dictionarycommands.h"

#include "ui/clipboarddialog.h"
#include "ui/folderbuilddialog.h"
#include "ui/optionsdialog.h"

#include "app/application.h"
#include "app/clipboardmodel.h"
#include "app/dictionarybuilding.h"
#include "app/folderbuildmodel.h"

#include <QApplication>
#include <QProgressDialog>

#include <optional>

namespace Ui {

namespace {

// The wait cursor while a build runs on the interface's thread.
class WaitCursor final
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

void makeDictionaryFromFolder(App::Application &application, QWidget *parent, const std::function<void()> &help)
{
    App::DictionaryBuilding building(application);
    const auto model = building.folderModel();
    {
        FolderBuildDialog dialog(*model, parent);
        QObject::connect(&dialog, &FolderBuildDialog::helpRequested, &dialog, help);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    // The folders are counted as they are found, so the bar grows towards a moving end.
    QProgressDialog progress(App::FolderBuildModel::progressText({}), App::FolderBuildModel::cancelCaption(), 0, 1,
                             parent);
    progress.setWindowTitle(App::FolderBuildModel::caption());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    std::optional<WaitCursor> wait;
    wait.emplace();
    // Neither the progress nor the wait cursor stay over the message that may follow.
    const auto finished = [&progress, &wait] {
        progress.reset();
        progress.hide();
        wait.reset();
    };
    building.buildFromFolder(*model, [&progress](const Session::FolderBuildProgress &at) {
        progress.setMaximum(at.foldersFound);
        progress.setValue(at.foldersRead);
        progress.setLabelText(App::FolderBuildModel::progressText(at));
        QApplication::processEvents();
        return !progress.wasCanceled();
    }, finished);
}

void makeDictionaryFromClipboard(App::Application &application, QWidget *parent, const std::function<void()> &help)
{
    App::DictionaryBuilding building(application);
    const auto model = building.clipboardModel();
    ClipboardDialog dialog(*model, parent);
    QObject::connect(&dialog, &ClipboardDialog::helpRequested, &dialog, help);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const WaitCursor wait;
    building.buildFromText(*model);
}

void showOptions(App::Application &application, App::OptionsModel::Page page, QWidget *parent,
                 const std::function<void()> &help)
{
    App::DictionaryBuilding building(application);
    const auto model = building.optionsModel(page);
    OptionsDialog dialog(*model, parent);
    QObject::connect(&dialog, &OptionsDialog::helpRequested, &dialog, help);
    if (dialog.exec() == QDialog::Accepted)
        building.acceptOptions(*model);
}

} // namespace Ui
