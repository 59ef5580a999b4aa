#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

namespace Session {

// Lists the pictures of a folder: files with a picture extension that are not read-only, no
// sub-folders and nothing inside them, sorted by the user's locale without regard to letter case.
// yield is called every 500 directory entries so the window stays responsive.
QStringList scanPictureFolder(const QString &folder, const std::function<void()> &yield = {});

// The order of the picture table: the user's locale, ignoring letter case; names it calls equal
// are ordered by their code points, so the order never depends on the directory's.
void sortTitles(QStringList *names, const QLocale &locale = QLocale::system());

} // namespace Session
