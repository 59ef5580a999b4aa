#pragma once

#include <QObject>
#include <QString>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}
namespace Session {
struct FolderBuildProgress;
}

namespace App {

// The dialog "Make Static Dictionary": the folder whose picture titles are to fill the Static
// dictionary, whether they are added to it or replace it, and whether sub-folders are read.
// Closing it with OK leaves the build to DictionaryBuilding.
class FolderBuildModel final : public QObject
{
    Q_OBJECT

public:
    // addOrReplaceDefault: the folder's session setting, 1 presets Replace, 0 Add.
    FolderBuildModel(const Settings::ProgramSettings &settings, int addOrReplaceDefault, Platform::Dialogs &dialogs,
                     QObject *parent = nullptr);

    static QString caption();
    static QString selectCaption();
    static QString selectedCaption();
    static QString choiceCaption();
    static QString addCaption();
    static QString replaceCaption();
    static QString subfoldersCaption();
    static QString makeCaption();
    static QString browseCaption();
    static QString cancelCaption();
    static QString helpCaption();
    // The hint of the stage-2 button that opens the dialog.
    static QString buttonHint();
    // The progress display of the build that follows.
    static QString progressText(const Session::FolderBuildProgress &progress);

    // The last folder built from when it still exists, otherwise empty, until one is picked.
    const QString &folder() const { return m_folder; }
    bool replace() const { return m_replace; }
    void setReplace(bool replace) { m_replace = replace; }
    // Checked each time the dialog opens.
    bool includeSubfolders() const { return m_includeSubfolders; }
    void setIncludeSubfolders(bool include) { m_includeSubfolders = include; }

    // The folder picker, at the selected folder; a cancelled pick keeps it.
    void browse();
    // Only an existing folder can be built from.
    bool makeEnabled() const;
    // "&Make dictionary": true when the dialog may close with OK. A folder that is no local path
    // (a network location) is refused with an error box.
    bool accept();

Q_SIGNALS:
    void changed();

private:
    Platform::Dialogs &m_dialogs;
    QString m_folder;
    bool m_replace = true;
    bool m_includeSubfolders = true;
};

} // namespace App
