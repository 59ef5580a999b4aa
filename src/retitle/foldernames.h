#pragma once

#include "platform/filesystem.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace Retitle {

// The names in folders, each folder listed once and looked up without regard to letter case, so
// that checking thousands of titles costs one listing per folder. A folder copied to a memory
// card or a shared drive later must not hold two names that differ in case only, so names are
// compared in lower case everywhere. The listing is a snapshot: clear() forgets it.
class FolderNames final
{
public:
    explicit FolderNames(const Platform::FileSystem &files);

    // An entry of the folder has this name, in any letter case.
    bool contains(const QString &folder, const QString &name);
    // The listed entry for a name in any letter case: the one spelt exactly so, else the first;
    // empty when there is none.
    QString actualName(const QString &folder, const QString &name);
    // The files (not folders) whose name without its extension is base, in any letter case,
    // sorted.
    QStringList withBase(const QString &folder, const QString &base);
    // The files whose name begins with base and a dot, in any letter case, sorted: those that
    // may follow a picture of that base name.
    QStringList related(const QString &folder, const QString &base);
    // Every file named name in some letter case: the one spelt exactly so first, then the others
    // sorted.
    QStringList spellings(const QString &folder, const QString &name);

    void clear() { m_listings.clear(); }

private:
    struct Listing
    {
        QList<Platform::FolderEntry> entries;
        // The names as spelt, and each lower-cased name with the first entry spelt so.
        QSet<QString> exact;
        QHash<QString, QString> byLowerName;
        // Built when first asked for: most users of a listing never need it.
        std::optional<QHash<QString, QStringList>> byBase;
        // By the name up to its first dot, lower case.
        std::optional<QHash<QString, QStringList>> byStem;
    };
    Listing &listing(const QString &folder);

    const Platform::FileSystem &m_files;
    QHash<QString, Listing> m_listings;
};

} // namespace Retitle
