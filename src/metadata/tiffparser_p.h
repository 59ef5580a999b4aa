#pragma once

#include "metadata/exifdata.h"
#include "metadata/exiferror.h"

namespace Metadata {

class ByteSource;

// Reads the five directories of a TIFF structure (TIFF 6.0, EXIF 2.3, and the variants of RW2
// and ORF files, which differ only in the magic number): IFD0, the Exif IFD
// (pointer 0x8769 in IFD0), its Interoperability IFD (pointer 0xA005), the GPS IFD (pointer
// 0x8825 in IFD0) and IFD1 (the directory after IFD0). Maker notes and other directories are
// never entered. The structure is read completely or not at all: a header, directory or value
// outside its bounds, a directory reached twice or a structure larger than any real picture's
// makes it Malformed.
class TiffParser final
{
public:
    // block: the structure from its byte-order mark on; every offset in it counts from there.
    [[nodiscard]] static ExifResult<ExifData> parse(const ByteSource &block, TagSelection tags = TagSelection::Named);
    // A structure whose header points at one directory of another kind, as CR3 files store
    // theirs: the entries go to that directory, the Exif IFD's Interoperability IFD is
    // followed, nothing else. With Ifd0 the same as parse.
    [[nodiscard]] static ExifResult<ExifData> parseDirectory(const ByteSource &block, ExifDirectory first,
                                                             TagSelection tags = TagSelection::Named);

    // TIFF's 42, and the numbers Panasonic's RW2 (0x55) and Olympus's ORF ("RO", "RS") put in
    // its place in front of an otherwise standard structure.
    static bool isMagic(quint16 magic);

    // Limits that no camera comes near and that keep a hostile file from costing time or
    // memory: entries per directory, and bytes read for directories and values together.
    static constexpr int maxEntries = 4096;
    static constexpr quint64 maxBytesRead = 16 * 1024 * 1024;
};

} // namespace Metadata
