#include "metadata/cr3exif_p.h"

#include "metadata/isoboxes_p.h"
#include "metadata/tiffparser_p.h"

#include <array>
#include <utility>

namespace Metadata {

ExifResult<ExifData> Cr3Exif::read(const ByteSource &file, TagSelection tags)
{
    const std::optional<ByteSource> movie = IsoBoxes::find(file, "moov");
    if (!movie)
        return Records::fail(ExifError{ExifError::Code::NoExif, -1});
    const std::optional<ByteSource> canon = IsoBoxes::findUuid(*movie, canonUuid);
    if (!canon)
        return Records::fail(ExifError{ExifError::Code::NoExif, -1});
    const std::optional<ByteSource> main = IsoBoxes::find(*canon, "CMT1");
    if (!main)
        return Records::fail(ExifError{ExifError::Code::NoExif, -1});
    ExifResult<ExifData> data = TiffParser::parse(*main, tags);
    if (!data)
        return data;
    constexpr std::array others{std::pair{"CMT2", ExifDirectory::Exif}, std::pair{"CMT4", ExifDirectory::Gps}};
    for (const auto &[type, directory] : others) {
        const std::optional<ByteSource> box = IsoBoxes::find(*canon, type);
        if (!box)
            continue;
        const ExifResult<ExifData> part = TiffParser::parseDirectory(*box, directory, tags);
        if (!part)
            return Records::fail(part.error());
        // The values are kept in the structure's byte order, one for all directories; Canon
        // writes every block little-endian.
        if (part->bigEndian != data->bigEndian)
            return Records::fail(ExifError{ExifError::Code::Malformed, -1});
        data->directories[std::size_t(directory)] = part->directories[std::size_t(directory)];
        if (directory == ExifDirectory::Exif) {
            data->directories[std::size_t(ExifDirectory::Interoperability)] =
                part->directories[std::size_t(ExifDirectory::Interoperability)];
        }
    }
    return data;
}

} // namespace Metadata
