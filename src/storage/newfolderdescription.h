#pragma once

#include "storage/existingfolders.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Storage {

// A picture of the planning with what a description proposal reads of it.
struct DestinedPicture
{
    QString currentTitle;
    QString freeText;
    QString prefix;
    QString suffix;
    // The lower-case destination, matched against ExFolderL.
    QString Folder_low;

    bool operator==(const DestinedPicture &) const = default;
};

// What the descriptions of new folders are asked with: the planned folders in planning order
// and every planned picture in test-pass order.
struct NewFolderDescriptionInput
{
    QList<ExistingFolders> newFolders;
    QList<DestinedPicture> pictures;
    QString pictureFolder;
};

// The descriptions given, one per new folder in the order asked (empty for none), or nothing
// when the user cancelled.
using DescribeNewFolders = std::function<std::optional<QStringList>(const NewFolderDescriptionInput &)>;

// The characters no description may hold, as in file names.
bool isIllegalInDescription(QChar c);
// The description as it may go into a folder name after levelName and a space: illegal and
// control characters left out, surrounding spaces trimmed, and cut so that the level stays
// within 255 bytes. Never brings a "/" or a ".." level into a path.
QString folderSafeDescription(const QString &levelName, const QString &description);

} // namespace Storage
