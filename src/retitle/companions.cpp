#include "retitle/companions.h"

#include "retitle/foldernames.h"
#include "retitle/paths_p.h"

#include <QSet>

namespace Retitle {

QList<Session::Follower> companionsAmong(const QStringList &related, const QString &pictureName,
                                         const QStringList &syncExtensions, const Session::MediaOptions &media)
{
    const QString base = withoutExtension(pictureName);
    QList<Session::Follower> companions;
    QSet<QString> taken;
    for (const QString &extension : syncExtensions) {
        const QString wanted = companionName(pictureName, extension);
        const QString lower = wanted.toLower();
        // The one spelt as the extension first, then the others in name order.
        QStringList spellings;
        for (const QString &name : related) {
            // A video of the sync extension's type is no companion of itself.
            if (name == pictureName)
                continue;
            if (name == wanted)
                spellings.prepend(name);
            else if (name.toLower() == lower)
                spellings.append(name);
        }
        for (const QString &name : std::as_const(spellings)) {
            if (!taken.contains(name)) {
                taken.insert(name);
                companions.append({name, name.mid(base.size()), false, false});
            }
        }
    }
    for (const Session::Follower &follower : Session::followersOf(pictureName, related, media)) {
        if (!taken.contains(follower.name)) {
            taken.insert(follower.name);
            companions.append(follower);
        }
    }
    return companions;
}

QList<Session::Follower> companionsOf(FolderNames &names, const QString &folder, const QString &pictureName,
                                      const QStringList &syncExtensions, const Session::MediaOptions &media)
{
    return companionsAmong(names.related(folder, withoutExtension(pictureName)), pictureName, syncExtensions, media);
}

} // namespace Retitle
