#include "retitle/foldernames.h"

#include "retitle/paths_p.h"

#include "platform/filesystem.h"

namespace Retitle {

FolderNames::FolderNames(const Platform::FileSystem &files) : m_files(files) {}

const FolderNames::Listing &FolderNames::listing(const QString &folder)
{
    auto found = m_listings.find(folder);
    if (found != m_listings.end())
        return *found;
    Listing listing;
    for (const Platform::FolderEntry &entry : m_files.entries(folder)) {
        listing.byName[entry.name.toLower()].append(entry.name);
        if (!entry.isFolder)
            listing.byBase[withoutExtension(entry.name).toLower()].append(entry.name);
    }
    return *m_listings.insert(folder, std::move(listing));
}

bool FolderNames::contains(const QString &folder, const QString &name)
{
    return listing(folder).byName.contains(name.toLower());
}

QString FolderNames::actualName(const QString &folder, const QString &name)
{
    const QStringList names = listing(folder).byName.value(name.toLower());
    if (names.isEmpty())
        return {};
    return names.contains(name) ? name : names.first();
}

QStringList FolderNames::withBase(const QString &folder, const QString &base)
{
    QStringList names = listing(folder).byBase.value(base.toLower());
    names.sort();
    return names;
}

} // namespace Retitle
