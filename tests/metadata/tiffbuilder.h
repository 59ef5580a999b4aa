#pragma once

#include "metadata/exifdata.h"

#include <QByteArray>
#include <QList>

#include <map>
#include <utility>

// Builds EXIF structures byte by byte for tests: a TIFF header, the five directories with the
// pointers between them, and a data area after the directories for values longer than four
// bytes, so that every byte of the result is referenced and cutting it anywhere breaks it.
class TiffBuilder final
{
public:
    explicit TiffBuilder(bool bigEndian = false);

    // value: the value bytes in this builder's byte order (see u16, u32).
    TiffBuilder &add(Metadata::ExifDirectory directory, quint16 tag, Metadata::TiffType type, quint32 count,
                     const QByteArray &value);
    // An entry of any type number, also one TIFF does not define.
    TiffBuilder &addRaw(Metadata::ExifDirectory directory, quint16 tag, quint16 type, quint32 count,
                        const QByteArray &value);
    // An ASCII value with its terminating NUL.
    TiffBuilder &ascii(Metadata::ExifDirectory directory, quint16 tag, const QByteArray &text);
    TiffBuilder &shorts(Metadata::ExifDirectory directory, quint16 tag, const QList<quint16> &values);
    TiffBuilder &longs(Metadata::ExifDirectory directory, quint16 tag, const QList<quint32> &values);
    TiffBuilder &rationals(Metadata::ExifDirectory directory, quint16 tag,
                           const QList<std::pair<quint32, quint32>> &values);
    // An entry whose value offset is given rather than laid out.
    TiffBuilder &addAt(Metadata::ExifDirectory directory, quint16 tag, Metadata::TiffType type, quint32 count,
                       quint32 valueOffset);
    // Writes offset as the pointer to the directory (for IFD1: IFD0's next offset), whether or
    // not the directory has entries.
    TiffBuilder &pointTo(Metadata::ExifDirectory directory, quint32 offset);

    QByteArray build() const;
    // Where build() puts the directory; 0 when it has none.
    quint32 offsetOf(Metadata::ExifDirectory directory) const;

    QByteArray u16(quint16 value) const;
    QByteArray u32(quint32 value) const;

    // A JPEG file: SOI, the given segments, fillBytes 0xFF bytes, the APP1 "Exif" segment
    // holding tiff, a quantisation table, the scan and EOI.
    static QByteArray jpeg(const QByteArray &tiff, const QList<QByteArray> &segmentsBefore = {}, int fillBytes = 0);
    // One JPEG marker segment.
    static QByteArray segment(quint8 marker, const QByteArray &payload);
    // A PNG file: signature, IHDR, an eXIf chunk holding tiff, IDAT and IEND.
    static QByteArray png(const QByteArray &tiff);
    static QByteArray pngChunk(const QByteArray &type, const QByteArray &data);

private:
    struct Entry
    {
        quint16 tag = 0;
        quint16 type = 0;
        quint32 count = 0;
        QByteArray value;
        // Set for an entry whose value offset is written as given.
        bool fixedOffset = false;
        quint32 valueOffset = 0;
    };

    bool isPresent(Metadata::ExifDirectory directory) const;
    QList<Entry> entriesWithPointers(Metadata::ExifDirectory directory) const;
    std::map<Metadata::ExifDirectory, quint32> layout() const;

    bool m_bigEndian;
    std::map<Metadata::ExifDirectory, QList<Entry>> m_entries;
    std::map<Metadata::ExifDirectory, quint32> m_pointers;
};
