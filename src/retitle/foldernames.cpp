#include "retitle/foldernames.h"

#include "retitle/paths_p.h"

namespace Retitle {

FolderNames::FolderNames(const Platform::FileSystem &files) : m_files(files) {}

FolderNames::Listing &FolderNames::listing(const QString &folder)
{
    auto found = m_listings.find(folder);
    if (found != m_listings.end())
        return *found;
    Listing listing;
    listing.entries = m_files.entries(folder);
    listing.exact.reserve(listing.entries.size());
    listing.byLowerName.reserve(listing.entries.size());
    for (const Platform::FolderEntry &entry : std::as_const(listing.entries)) {
        listing.exact.insert(entry.name);
        const QString lower = entry.name.toLower();
        if (!listing.byLowerName.contains(lower))
            listing.byLowerName.insert(lower, entry.name);
    }
    return *m_listings.insert(folder, std::move(listing));
}

bool FolderNames::contains(const QString &folder, const QString &name)
{
    const Listing &names = listing(folder);
    return names.exact.contains(name) || names.byLowerName.contains(name.toLower());
}

QString FolderNames::actualName(const QString &folder, const QString &name)
{
    const Listing &names = listing(folder);
    if (names.exact.contains(name))
        return name;
    return names.byLowerName.value(name.toLower());
}

QStringList FolderNames::withBase(const QString &folder, const QString &base)
{
    Listing &names = listing(folder);
    if (!names.byBase) {
        names.byBase.emplace();
        for (const Platform::FolderEntry &entry : std::as_const(names.entries)) {
            if (!entry.isFolder)
                (*names.byBase)[withoutExtension(entry.name).toLower()].append(entry.name);
        }
    }
    QStringList found = names.byBase->value(base.toLower());
    found.sort();
    return found;
}

QStringList FolderNames::related(const QString &folder, const QString &base)
{
    Listing &names = listing(folder);
    const auto stemOf = [](const QString &name) { return name.left(name.indexOf(u'.')).toLower(); };
    if (!names.byStem) {
        names.byStem.emplace();
        for (const Platform::FolderEntry &entry : std::as_const(names.entries)) {
            if (!entry.isFolder && entry.name.contains(u'.'))
                (*names.byStem)[stemOf(entry.name)].append(entry.name);
        }
    }
    const QString prefix = base.toLower() + u'.';
    QStringList found;
    for (const QString &name : names.byStem->value(stemOf(base + u'.'))) {
        if (name.toLower().startsWith(prefix))
            found.append(name);
    }
    found.sort();
    return found;
}

QStringList FolderNames::spellings(const QString &folder, const QString &name)
{
    const QString lower = name.toLower();
    QStringList found;
    for (const QString &file : withBase(folder, withoutExtension(name))) {
        if (file == name)
            found.prepend(file);
        else if (file.toLower() == lower)
            found.append(file);
    }
    return found;
}

} // namespace Retitle
