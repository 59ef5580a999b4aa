#pragma once

#include "retitle/folderunique.h"

#include <QList>
#include <QString>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Retitle {

// The dialog that maintains the unique-check folders, as a model: it edits a copy of
// FolderUnique.dat that OK writes back.
class FolderUniqueEditor final
{
public:
    FolderUniqueEditor(const QString &path, Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs);

    // Reads the file; false after telling the user it could not be read.
    bool load();

    static QString windowCaption();
    static QString addCaption();
    static QString removeCaption();
    static QString okCaption();
    static QString cancelCaption();

    const QList<FolderUniqueRec> &entries() const { return m_entries; }
    void setChecked(int index, bool checked);

    // "&Add folder": the folder browser, starting at the last folder added. A folder already
    // listed (in any letter case) is refused with a message; a new one is appended checked and
    // remembered as the last folder. True when one was added.
    bool addFolder();
    // Adds the folder the browser gave.
    bool addFolder(const QString &folder);
    void remove(const QList<int> &indexes);

    // Any change enables OK.
    bool okEnabled() const { return m_changed; }
    // OK: rewrites the file with every entry; false after telling the user it failed.
    bool accept();

private:
    QString m_path;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    QList<FolderUniqueRec> m_entries;
    bool m_changed = false;
};

} // namespace Retitle
