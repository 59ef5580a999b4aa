#pragma once

#include "session/mediafollowers.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Retitle {

class FolderNames;

// Every file that follows the picture pictureName of folder, each once: first the files of the
// sync extensions in their order (every letter case of each), then its pairs and sidecars. Each
// keeps the part of its name after the picture's base name as found, so IMG_1.WAV becomes
// New.WAV and IMG_1.CR2.xmp New.CR2.xmp.
QList<Session::Follower> companionsOf(FolderNames &names, const QString &folder, const QString &pictureName,
                                      const QStringList &syncExtensions, const Session::MediaOptions &media);

// The same, from the names that begin with the picture's base name and a dot.
QList<Session::Follower> companionsAmong(const QStringList &related, const QString &pictureName,
                                         const QStringList &syncExtensions, const Session::MediaOptions &media);

} // namespace Retitle
