#pragma once

#include "platform/dialogs.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace Dictionary {
class DictionaryStore;
}
namespace Session {
class PictureSession;
}
namespace Settings {
class ProgramSettings;
}

namespace App {

// The end of a folder: the "Done" box that asks whether the folder's work files may go, what
// becomes of its Active dictionary and, once the folder is empty, whether the folder goes too.
class FolderFinish final
{
public:
    FolderFinish(Session::PictureSession &pictures, Dictionary::DictionaryStore &dictionaries,
                 Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs);

    // The work files of a picture folder in the order they are removed.
    static QStringList workFileNames();

    // The box as it is to be shown now; quitCommand: asked by "&Quit session/Remove workfiles".
    Platform::Question question(bool quitCommand) const;
    // Shows the box and acts on the answer; true when the work files were removed.
    bool ShowForm8(bool quitCommand);
    // Deletes the work files in their order, stopping at the first that cannot go, and, when
    // removeSourceFolder is set, the picture folder itself. False when a work file stayed.
    bool RemoveWorkFiles(bool removeSourceFolder);
    // Whether the picture folder holds nothing but the work files and "Thumbs.db".
    bool sourceFolderRemovable() const;

    // Lets the window's events run before the folder is removed, so that nothing of the program
    // still looks into it.
    void setServiceEvents(std::function<void()> serviceEvents) { m_serviceEvents = std::move(serviceEvents); }
    // The last retitling of the folder can be undone, and undoes it (true when it did): a run
    // that moved every picture away is offered to be undone from the box that ends the folder.
    void setUndo(std::function<bool()> available, std::function<bool()> undo)
    {
        m_undoAvailable = std::move(available);
        m_undo = std::move(undo);
    }
    // The last box shown undid the retitling: the folder holds its pictures again.
    bool undidRetitling() const { return m_undid; }

private:
    void removeSourceFolder();

    Session::PictureSession &m_pictures;
    Dictionary::DictionaryStore &m_dictionaries;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    std::function<void()> m_serviceEvents;
    std::function<bool()> m_undoAvailable;
    std::function<bool()> m_undo;
    bool m_undid = false;
};

} // namespace App
