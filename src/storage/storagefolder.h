#pragma once

#include <QDate>
#include <QString>

namespace Storage {

// What an existing folder below the storage folders is, told from its name alone.
enum class FolderKind : char16_t {
    // "2007-08-31 2007-09-02 ...": a period of days.
    Group = u'G',
    // "2007-08-31 ...": one day.
    DateTaken = u'D',
    Other = u'-',
};

struct StorageFolder
{
    FolderKind kind = FolderKind::Other;
    // Both the same day for a date-taken folder; invalid for any other folder.
    QDate first;
    QDate last;

    bool operator==(const StorageFolder &) const = default;
};

// Recognises a group folder by the digits of "nnnn-nn-nn nnnn-nn-nn" at the start of name and a
// date-taken folder by those of "nnnn-nn-nn"; the characters between the digit groups and
// whatever follows (day names, a description) are not examined. Digits that form no calendar
// date make the folder an ordinary one.
StorageFolder ClassifyStorageFolder(const QString &name);

} // namespace Storage
