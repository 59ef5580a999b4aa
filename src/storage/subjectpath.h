#pragma once

#include <QString>
#include <QStringList>

namespace Storage {

// The folder levels of a subject text whose categories are separated by ';'. The text is typed
// by the user, so each level loses the characters no folder name may hold and its surrounding
// spaces, and is cut to the longest name a folder may have (255 bytes); levels that are left
// empty, "." or ".." are dropped, so a subject never adds an empty level nor climbs out of the
// storage folders.
QStringList subjectLevels(const QString &subject);

// The subject part of path, a destination built by scheme below mainFolder: the levels left when
// those of the letters after 'S' are taken from the end and those before 'S' from the front,
// joined by '/'. Empty when the scheme has no subject level, the path lies outside the main
// folder or it has no level left for the subject.
QString SubjectOfPath(const QString &scheme, const QString &mainFolder, const QString &path);

// A main folder as the start of a path to append "/" + level to: a root ("/", "D:/") loses its
// closing separator.
QString mainFolderBase(const QString &mainFolder);

} // namespace Storage
