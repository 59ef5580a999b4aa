#pragma once

#include "exifwriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// Pictures for the title-element tests, written where a test asks.
namespace FixturePictures {

// The smallest JPEG: start and end of image.
inline QByteArray emptyJpeg()
{
    return QByteArray("\xFF\xD8\xFF\xD9", 4);
}

inline QByteArray jpeg(const Tools::ExifWriter &exif)
{
    const auto bytes = exif.insertInto(emptyJpeg());
    return bytes ? *bytes : QByteArray();
}

inline QByteArray jpegTakenAt(const QByteArray &dateTimeOriginal)
{
    Tools::ExifWriter exif;
    exif.setAscii(Tools::ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, dateTimeOriginal);
    return jpeg(exif);
}

// Writes the file and sets its modification time; false when that fails.
inline bool write(const QString &path, const QByteArray &content, const QDateTime &modified = {})
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush())
        return false;
    return !modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime);
}

} // namespace FixturePictures
