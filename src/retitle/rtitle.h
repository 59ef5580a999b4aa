#pragma once

#include <QString>

namespace Retitle {

// One picture of a test pass: its new title, destination and what the checks found.
struct Rtitle
{
    // The new title, a file name with its extension.
    QString FinalTitle;
    QString FinalTitle_low;
    // The destination folder, absolute, without a trailing '/' except for the root itself.
    QString Folder;
    QString Folder_low;
    // The explanation that goes with error 6.
    QString SyncConflictName;
    // The symbolic link that goes with error 7.
    QString LinkOnTheWay;
    // The picture's row in the picture table.
    qint32 FinalTitle_Row = 0;
    // The record's position in the sorted title order.
    qint32 Alfa_order = 0;
    // The sequence number that made the title unique, 0 for none.
    qint32 AssignedNumber = 0;
    // 0 = none, 1..7 (ErrorCode enum).
    qint32 ErrorCode = 0;
    // 0 = none, 1..4.
    qint32 WarningCode = 0;

    bool operator==(const Rtitle &) const = default;
};

// The meaning of Rtitle::ErrorCode.
namespace TitleError {
constexpr qint32 none = 0;
constexpr qint32 exists = 1;
constexpr qint32 hasDuplicates = 2;
constexpr qint32 isDuplicate = 3;
constexpr qint32 pathTooLong = 4;
constexpr qint32 empty = 5;
constexpr qint32 syncConflict = 6;
// The destination lies behind a symbolic link below the main storage folder.
constexpr qint32 throughLink = 7;
constexpr qint32 last = 7;
} // namespace TitleError

constexpr qint32 lastWarning = 4;

} // namespace Retitle
