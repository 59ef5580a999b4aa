#pragma once

#include "app/optionsmodel.h"
#include "session/folderbuild.h"

#include <functional>
#include <memory>

namespace App {

class Application;
class ClipboardModel;
class FolderBuildModel;

// The commands that fill the Static dictionary on the user's request, from a folder tree of
// titled pictures or from free text, and the options dialog that sets the dictionary limits.
// The window shows each model in its dialog and, after OK, hands it back here.
class DictionaryBuilding final
{
public:
    explicit DictionaryBuilding(Application &application);

    // The folder dialog, preset from the program and the folder's settings.
    std::unique_ptr<FolderBuildModel> folderModel() const;
    // After the folder dialog's OK: remembers the folder and builds from it. service is called
    // before each folder and every 500 entries; false from it cancels the build: the dictionary
    // and its files stay as they were, and the user is told so. finished is called once the
    // dictionary is built, before a dictionary above its maximum is told; folders that could not
    // be read are told last.
    Session::FolderBuildResult buildFromFolder(const FolderBuildModel &model,
                                               const Session::FolderBuild::Service &service = {},
                                               const std::function<void()> &finished = {});
    // "2 folders could not be read".
    static QString unreadableText(int folders);

    // The text dialog, after its information message.
    std::unique_ptr<ClipboardModel> clipboardModel();
    // After the text dialog's OK: builds from its lines, clipped at PSClipSize.
    void buildFromText(const ClipboardModel &model);

    // The options dialog on page, once the entry counts are shown.
    std::unique_ptr<OptionsModel> optionsModel(OptionsModel::Page page) const;
    // After the options dialog's OK: stores and saves the settings and passes on the new limits.
    void acceptOptions(OptionsModel &model);

private:
    Application &m_application;
};

} // namespace App
