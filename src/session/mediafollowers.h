#pragma once

#include "session/mediatypes.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace Session {

// A file that goes wherever a picture goes: a RAW file or a video of the picture's name (its
// pair), or a sidecar another program keeps beside it. Its new name keeps the part that follows
// the picture's base name as found, letter case included: other programs pair the files by
// their exact names.
struct Follower
{
    // The file's name as found.
    QString name;
    // What follows the new base name (".CR2", ".CR2.xmp", ".xmp"), or the whole new title when
    // afterTitle is set (".json" of IMG_1.jpg.json).
    QString tail;
    bool afterTitle = false;
    // A RAW file or a video rather than a sidecar.
    bool pair = false;

    // The follower's name beside a picture retitled to newTitle; letterCase 1 gives its tail in
    // lower case, 2 in upper case, anything else as found.
    QString newName(const QString &newTitle, int letterCase = 0) const;
    bool operator==(const Follower &) const = default;
};

// The followers of picture among candidates, the names of files in its folder (others than
// those that begin with the picture's base name and a dot, in any letter case, are passed
// over): its pairs while options.pairsFollow, when no listed file of its name leads it, and the
// sidecars of the picture and of its pairs in both naming styles (IMG_1.xmp, IMG_1.CR2.xmp),
// including Google Takeout's IMG_1.jpg.json and IMG_1.jpg.supplemental-metadata.json. Pairs come
// first, in candidates' order.
QList<Follower> followersOf(const QString &picture, const QStringList &candidates, const MediaOptions &options);

// The table's rows among the names of a folder's files: the listed ones that follow no other
// picture as its pair. pairLeaders, when given, receives the rows a pair follows.
QStringList withoutPairs(const QStringList &names, const MediaOptions &options, QSet<QString> *pairLeaders = nullptr);

} // namespace Session
