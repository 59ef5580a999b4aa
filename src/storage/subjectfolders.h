#pragma once

#include <QString>
#include <QStringList>

namespace Storage {

// Subjects read from folder names: suggestions from the picture folder's own path, and the
// subjects a storage main folder already holds in its folder levels.
namespace SubjectFolders {

// With L1 ... Ln the folder levels of pictureFolder below its root, the subjects Ln,
// Ln-1;Ln, and so on up to L1;...;Ln.
QStringList suggestions(const QString &pictureFolder);

// A level that starts like a year, a month, a date or a group folder: its first four
// characters, compared as text, lie between "0000" and "9999".
bool isDateLike(const QString &level);

// The subject a folder at levels below the main folder stands for: its levels joined by ';',
// without a trailing thumbnail folder, skipping date-like levels before the first subject level
// and ending at the first date-like level after it. Empty when there is none.
QString subjectOfLevels(QStringList levels);

// The most candidates one scan collects.
constexpr int maximumCandidates = 1002;

// Every distinct subject (compared in lower case) of the folders below mainFolder, taken
// breadth first, at most maximumCandidates. Linked folders are not followed.
QStringList candidates(const QString &mainFolder);

} // namespace SubjectFolders

} // namespace Storage
