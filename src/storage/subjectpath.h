#pragma once

#include <QString>
#include <QStringList>

namespace Storage {

// The subject part of path, a destination built by scheme below mainFolder: the levels left when
// those of the letters after 'S' are taken from the end and those before 'S' from the front,
// joined by '/'. Empty when the scheme has no subject level, the path lies outside the main
// folder or it has no level left for the subject.
QString SubjectOfPath(const QString &scheme, const QString &mainFolder, const QString &path);

// A main folder as the start of a path to append "/" + level to: a root ("/", "D:/") loses its
// closing separator.
QString mainFolderBase(const QString &mainFolder);

} // namespace Storage
