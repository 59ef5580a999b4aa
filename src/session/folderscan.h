#pragma once

#include "session/mediatypes.h"

#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

namespace Session {

// The pictures of a folder as scanPictureFolder finds them.
struct PictureFolderScan
{
    QStringList names;
    // Pictures left out because their names are not valid UTF-8: no text the program holds or
    // stores could name them again, so they cannot be retitled.
    int notUtf8 = 0;
    // The rows a RAW file or a video follows as its pair.
    QSet<QString> pairLeaders;
};

// Lists the pictures of a folder: files of a listed type that are not read-only and whose names
// are valid UTF-8, but for those that follow another as its pair; no sub-folders and nothing
// inside them, sorted by the user's locale without regard to letter case. yield is called every
// 500 directory entries so the window stays responsive.
PictureFolderScan scanPictureFolder(const QString &folder, const std::function<void()> &yield = {},
                                    const MediaOptions &options = {});

// The order of the picture table: the user's locale, ignoring letter case; names it calls equal
// are ordered by their code points, so the order never depends on the directory's.
void sortTitles(QStringList *names, const QLocale &locale = QLocale::system());

} // namespace Session
