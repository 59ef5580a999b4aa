#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <array>

namespace Metadata {

// The five directories the program reads, in the order its tag list gives them.
enum class ExifDirectory { Ifd0, Exif, Interoperability, Gps, Ifd1 };
inline constexpr int exifDirectoryCount = 5;

// TIFF 6.0 field types, with type 13 (IFD) of the TIFF extensions.
enum class TiffType : quint16 {
    Byte = 1,
    Ascii = 2,
    Short = 3,
    Long = 4,
    Rational = 5,
    SByte = 6,
    Undefined = 7,
    SShort = 8,
    SLong = 9,
    SRational = 10,
    Float = 11,
    Double = 12,
    Ifd = 13,
};

// Bytes per value of a field type; 0 for a type TIFF 6.0 does not define, whose fields a
// reader skips.
int tiffTypeSize(quint16 type);

// One field of a directory as stored: tag, type, count and the value bytes in the byte order
// of the structure. data holds the value, or its first ExifData::maxValueBytes bytes when it
// is longer: every text made from a value is cut to 200 characters, which needs at most 201
// values of 8 bytes. It stays empty for a tag outside the tag-name table, whose value is never
// read.
struct ExifEntry
{
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    QByteArray data;

    bool operator==(const ExifEntry &) const = default;
};

// Which entries a read keeps: every entry, the named tags with their values; or only those the
// date taken needs (the directory pointers and DateTimeOriginal), which spares the copies of
// all other values while the structure is checked all the same.
enum class TagSelection { Named, DateTaken };

// The directories of one EXIF structure, each with its entries in the order stored.
struct ExifData
{
    static constexpr int maxValueBytes = 4096;

    bool bigEndian = false;
    std::array<QList<ExifEntry>, exifDirectoryCount> directories;

    const QList<ExifEntry> &directory(ExifDirectory which) const;
    // The first entry of the tag in the directory, nullptr when it has none.
    const ExifEntry *find(ExifDirectory which, quint16 tag) const;

    bool operator==(const ExifData &) const = default;
};

} // namespace Metadata
