// libFuzzer entry for the EXIF reader: every input is read as a whole picture file and as a
// bare TIFF structure, and whatever it yields is turned into all the texts the program makes.

#include "metadata/datetaken.h"
#include "metadata/exifelrec.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/orientation.h"

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
    // The position text is parsed back from text, so it gets raw input of its own.
    sink += Metadata::positionText(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 256)))).size();
    return 0;
}
