#include "metadata/mediaformat.h"

#include "metadata/byteorder_p.h"
#include "metadata/tiffparser_p.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace Metadata {

namespace {

bool isTiff(QByteArrayView head)
{
    if (head.size() < 8 || !(head.startsWith("II") || head.startsWith("MM")))
        return false;
    return TiffParser::isMagic(ByteOrder::u16(head.data() + 2, head.startsWith("MM")));
}

constexpr std::array heifBrands{"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "mif2", "msf1", "avif", "avis"};
// Top-level boxes a QuickTime movie may start with when it has no ftyp box.
constexpr std::array quickTimeBoxes{"moov", "mdat", "free", "skip", "wide", "pnot"};

MediaFormat isoFormat(QByteArrayView head)
{
    if (head.size() < 12)
        return MediaFormat::Unknown;
    const QByteArrayView type = head.sliced(4, 4);
    if (type != "ftyp") {
        for (const char *box : quickTimeBoxes) {
            if (type == box)
                return MediaFormat::Video;
        }
        return MediaFormat::Unknown;
    }
    const quint32 size = ByteOrder::u32(head.data(), true);
    if (size < 16)
        return MediaFormat::Unknown;
    const QByteArrayView major = head.sliced(8, 4);
    if (major == "crx ")
        return MediaFormat::Cr3;
    // Major brand, then the compatible brands after the minor version.
    const qsizetype end = std::min<qsizetype>(qsizetype(size), head.size());
    for (qsizetype at = 8; at + 4 <= end; at += at == 8 ? 8 : 4) {
        const QByteArrayView brand = head.sliced(at, 4);
        for (const char *heif : heifBrands) {
            if (brand == heif)
                return MediaFormat::Heif;
        }
    }
    return MediaFormat::Video;
}

} // namespace

MediaFormat mediaFormat(QByteArrayView head)
{
    if (head.startsWith("\xFF\xD8"))
        return MediaFormat::Jpeg;
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return MediaFormat::Png;
    if (isTiff(head))
        return MediaFormat::Tiff;
    if (head.startsWith("FUJIFILMCCD-RAW "))
        return MediaFormat::Raf;
    if (head.size() >= 12 && head.startsWith("RIFF") && head.sliced(8, 4) == "WEBP")
        return MediaFormat::WebP;
    return isoFormat(head);
}

MediaFormat mediaFormatOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return MediaFormat::Unknown;
    return mediaFormat(file.read(headBytes));
}

} // namespace Metadata
