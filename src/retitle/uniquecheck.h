#pragma once

#include "retitle/folderunique.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class Dialogs;
class FileSystem;
} // namespace Platform

namespace Retitle {

// The unique-check folders of a pass: a new title must not collide with a file anywhere in these
// folders or their subfolders, so that titles stay unique across a whole collection.
class UniqueCheck final
{
public:
    explicit UniqueCheck(const Platform::FileSystem &files);

    // CheckOnUniqueFolders: the unique-check list from the checked records that exist. A folder
    // that cannot be checked is asked about; false when the user declined to go on for any of
    // them (the others are still examined).
    bool CheckOnUniqueFolders(const QList<FolderUniqueRec> &records, Platform::Dialogs &dialogs);
    // The list as a test sets it.
    void setFolders(const QStringList &folders);

    const QStringList &folders() const { return m_folders; }
    bool isEmpty() const { return m_folders.isEmpty(); }

    // Lists every folder of the list and its subfolders at every depth, breadth first, and
    // remembers the names of their files. progress(scanned, found) follows the scan, also every
    // 500 entries within a folder. A folder that cannot be listed is skipped.
    void expand(const std::function<void(int scanned, int found)> &progress = {});
    // The folders of the list followed by all their subfolders.
    const QStringList &extendedFolders() const { return m_extended; }

    // True when no folder of the expansion holds a file named TestFileName (in any letter case)
    // nor, for each of companions, the companion file of that name; always true while the list
    // is empty.
    bool ExtendedCheckUnique(const QString &TestFileName, const QStringList &companions) const;

private:
    const Platform::FileSystem &m_files;
    QStringList m_folders;
    QStringList m_extended;
    QSet<QString> m_names;
};

} // namespace Retitle
