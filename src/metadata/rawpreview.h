#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace Metadata {

// Where a JPEG picture lies within a file: its first byte and its length.
struct PreviewLocation
{
    quint64 offset = 0;
    quint64 length = 0;

    bool operator==(const PreviewLocation &) const = default;
};

// The largest JPEG picture a camera RAW carries for display, so that it can be shown without
// decoding the sensor data. Looked for, by the file's first bytes: in a TIFF-based RAW, the
// JPEG-interchange pointers (0x0201, 0x0202) and single JPEG strips (0x0111, 0x0117) of IFD0,
// the directories chained after it and their SubIFDs (0x014A), and Panasonic's JpgFromRaw
// (0x002E); in a RAF file, the JPEG its header points at; in a CR3 file, the picture of the
// first track, the "PRVW" preview and the "THMB" thumbnail. A candidate counts only when it
// lies inside the file and is a baseline, extended or progressive JPEG (the lossless JPEG of a
// RAW's sensor data also starts with a JPEG marker). Nothing when the file has none.
class RawPreview final
{
public:
    static std::optional<PreviewLocation> locate(const QString &path);
    // The same for a whole file held in memory.
    static std::optional<PreviewLocation> locateBytes(QByteArrayView file);
    // The bytes of the preview at path; empty when it has none or it is larger than maxBytes.
    static QByteArray read(const QString &path);

    // A full-size camera JPEG is at most a few tens of megabytes.
    static constexpr quint64 maxBytes = 128 * 1024 * 1024;
    // Directories followed in a TIFF-based RAW; cameras write fewer than ten.
    static constexpr int maxDirectories = 32;
};

} // namespace Metadata
