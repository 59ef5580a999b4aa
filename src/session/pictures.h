#pragma once

#include <QString>
#include <QStringView>

namespace Session {

// extension: lower case, with its dot. withVoiceFiles also admits ".wav" and ".mov".
// ".tiff" is not a picture extension.
bool IsPictureExtension(QStringView extension, bool withVoiceFiles = false);
// The lower-case extension of a file name with its dot, empty when it has none.
QString extensionOf(QStringView fileName);
// True when the folder holds at least one non-folder entry of a type the table lists (*.jpg,
// *.heic, *.cr2, *.mp4, ...), in any letter case.
bool FolderHasPictures(const QString &folder);

// Work files of a session, by lower-case file name; "thumbs.db" counts as one too.
bool IsWorkFile(QStringView lowerCaseName);
// True when the folder holds nothing but work files.
bool FolderHoldsOnlyWorkFiles(const QString &folder);
// The picture's copy in the thumbnail folder "xelthumb" beside it.
QString ThumbnailPath(const QString &picturePath);

} // namespace Session
