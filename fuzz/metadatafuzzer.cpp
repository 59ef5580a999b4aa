// libFuzzer entry for the metadata reader: every input is read as a whole picture file of any
// format the reader knows (JPEG, PNG, TIFF and the RAWs, RAF, CR3, HEIF, WebP), as a bare TIFF
// structure and as a video, its RAW preview and thumbnail are looked for, and whatever it
// yields is turned into all the texts the program makes.

#include "metadata/datetaken.h"
#include "metadata/exifelrec.h"
#include "metadata/exifreader.h"
#include "metadata/exifthumbnail.h"
#include "metadata/gpsposition.h"
#include "metadata/mediaformat.h"
#include "metadata/orientation.h"
#include "metadata/rawpreview.h"
#include "metadata/videoreader.h"

#include <QTimeZone>

#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Keeps the optimiser from dropping work whose result is not used.
std::size_t sink = 0;

void makeTexts(const Metadata::ExifResult<Metadata::ExifData> &data)
{
    if (!data)
        return;
    sink += Metadata::dateTakenText(*data).size();
    sink += Metadata::orientationText(*data).size();
    sink += Metadata::positionText(Metadata::rawPositionText(*data)).size();
    for (const Metadata::ExifElRec &element : Metadata::tagList(*data))
        sink += element.ElValue.size() + element.ElUserTag.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    makeTexts(Metadata::ExifReader::readBytes(bytes));
    makeTexts(Metadata::ExifReader::readTiff(bytes));
    sink += std::size_t(Metadata::mediaFormat(bytes));
    if (const auto video = Metadata::VideoReader::readBytes(bytes)) {
        sink += Metadata::videoDateTakenText(*video, QTimeZone::utc()).size() + std::size_t(video->durationMs);
    }
    if (const auto preview = Metadata::RawPreview::locateBytes(bytes)) {
        // The location must lie inside the input.
        if (preview->offset > size || preview->length > size - preview->offset)
            __builtin_trap();
        sink += preview->length;
    }
    sink += std::size_t(Metadata::ExifThumbnail::readBytes(bytes).size());
    // The position text is parsed back from text, so it gets raw input of its own.
    sink += Metadata::positionText(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 256)))).size();
    return 0;
}
