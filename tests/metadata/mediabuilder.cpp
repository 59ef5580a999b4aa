#include "mediabuilder.h"

#include <QtEndian>

namespace MediaBuilder {

QByteArray u16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray u32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray u64(quint64 value)
{
    QByteArray bytes(8, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray box(const QByteArray &type, const QByteArray &payload)
{
    return u32(quint32(8 + payload.size())) + type + payload;
}

QByteArray fullBox(const QByteArray &type, quint8 version, const QByteArray &payload)
{
    return box(type, QByteArray(1, char(version)) + QByteArray(3, '\0') + payload);
}

QByteArray heif(const QByteArray &tiff, HeifPlace place, int ilocVersion, const QByteArray &brand)
{
    const QByteArray item = u32(6) + QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray ftyp = box("ftyp", brand + u32(0) + "mif1" + brand);
    const QByteArray handler = fullBox("hdlr", 0, u32(0) + "pict" + QByteArray(12, '\0') + QByteArray(1, '\0'));
    const QByteArray infos = fullBox("iinf", 0,
                                     u16(2) + fullBox("infe", 2, u16(1) + u16(0) + "hvc1" + QByteArray(1, '\0'))
                                         + fullBox("infe", 2, u16(2) + u16(0) + "Exif" + QByteArray(1, '\0')));
    const auto locations = [&](quint32 exifOffset) -> QByteArray {
        // Offsets and lengths of 4 bytes, no base offset; the picture item's one extent is a
        // stand-in of 4 bytes at offset 0.
        QByteArray body = QByteArray("\x44\x00", 2) + u16(2);
        for (quint16 id : {quint16(1), quint16(2)}) {
            body += u16(id);
            if (ilocVersion == 1)
                body += u16(id == 2 && place == HeifPlace::ItemData ? 1 : 0);
            body += u16(0) + u16(1);
            body += id == 1 ? u32(0) + u32(4) : u32(exifOffset) + u32(quint32(item.size()));
        }
        return fullBox("iloc", quint8(ilocVersion), body);
    };
    if (place == HeifPlace::ItemData) {
        const QByteArray meta = fullBox("meta", 0, handler + infos + locations(0) + box("idat", item));
        return ftyp + meta;
    }
    const qsizetype metaSize = fullBox("meta", 0, handler + infos + locations(0)).size();
    const quint32 exifOffset = quint32(ftyp.size() + metaSize + 8);
    return ftyp + fullBox("meta", 0, handler + infos + locations(exifOffset)) + box("mdat", item);
}

QByteArray webp(const QByteArray &tiff, bool exifHeader)
{
    const auto chunk = [](const QByteArray &type, const QByteArray &data) -> QByteArray {
        QByteArray size(4, '\0');
        qToLittleEndian(quint32(data.size()), size.data());
        QByteArray bytes = type + size + data;
        if (data.size() % 2)
            bytes += '\0';
        return bytes;
    };
    const QByteArray exif = (exifHeader ? QByteArray("Exif\0\0", 6) : QByteArray()) + tiff;
    const QByteArray body = "WEBP" + chunk("VP8X", QByteArray(10, '\0')) + chunk("VP8 ", QByteArray(18, '\x2a'))
                            + chunk("EXIF", exif);
    QByteArray size(4, '\0');
    qToLittleEndian(quint32(body.size()), size.data());
    return "RIFF" + size + body;
}

QByteArray cr3(const QByteArray &cmt1, const QByteArray &cmt2, const QByteArray &cmt4, const QByteArray &thumbnail,
               const QByteArray &preview)
{
    QByteArray canon = box("CNCV", "CanonCR3_001/00.09.00/00.00.00");
    if (!cmt1.isEmpty())
        canon += box("CMT1", cmt1);
    if (!cmt2.isEmpty())
        canon += box("CMT2", cmt2);
    if (!cmt4.isEmpty())
        canon += box("CMT4", cmt4);
    if (!thumbnail.isEmpty())
        canon
            += box("THMB", u32(0) + u16(160) + u16(120) + u32(quint32(thumbnail.size())) + u16(1) + u16(0) + thumbnail);
    const QByteArray canonUuid("\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16);
    QByteArray file = box("ftyp", "crx " + u32(1) + "crx isom") + box("moov", box("uuid", canonUuid + canon));
    if (!preview.isEmpty()) {
        const QByteArray previewUuid("\xea\xf4\x2b\x5e\x1c\x98\x4b\x88\xb9\xfb\xb7\xdc\x40\x6e\x4d\x16", 16);
        const QByteArray prvw =
            box("PRVW", u32(0) + u16(1) + u16(1620) + u16(1080) + u16(1) + u32(quint32(preview.size())) + preview);
        file += box("uuid", previewUuid + u64(1) + prvw);
    }
    return file;
}

QByteArray raf(const QByteArray &jpeg)
{
    QByteArray header = "FUJIFILMCCD-RAW 0201FF392201" + QByteArray("FinePix S5Pro").leftJustified(32, '\0');
    header += "0106" + QByteArray(20, '\0');
    const quint32 offset = 148;
    header += u32(offset) + u32(quint32(jpeg.size()));
    header = header.leftJustified(offset, '\0');
    return header + jpeg;
}

QByteArray movie(const Movie &film)
{
    QByteArray header;
    if (film.headerVersion == 1)
        header = u64(film.created) + u64(film.created) + u32(film.timeScale) + u64(film.duration);
    else
        header = u32(quint32(film.created)) + u32(quint32(film.created)) + u32(film.timeScale)
                 + u32(quint32(film.duration));
    header += u32(0x00010000) + u16(0x0100) + QByteArray(10, '\0') + QByteArray(36, '\0') + QByteArray(24, '\0')
              + u32(2);
    QByteArray moov = fullBox("mvhd", quint8(film.headerVersion), header);
    if (!film.appleDate.isEmpty()) {
        const QByteArray key = "com.apple.quicktime.creationdate";
        const QByteArray other = "com.apple.quicktime.make";
        const QByteArray keys = fullBox("keys", 0, u32(2) + box("mdta", other) + box("mdta", key));
        const QByteArray value = box("data", u32(1) + u32(0) + film.appleDate);
        const QByteArray items = box("ilst", u32(16 + 8 + 5) + u32(1) + box("data", u32(1) + u32(0) + "Apple")
                                                 + u32(quint32(8 + value.size())) + u32(2) + value);
        const QByteArray handler = fullBox("hdlr", 0, u32(0) + "mdta" + QByteArray(12, '\0') + QByteArray(1, '\0'));
        if (film.keyInUserData)
            moov += box("udta", fullBox("meta", 0, handler + keys + items));
        else
            moov += box("meta", handler + keys + items);
    }
    return box("ftyp", film.brand + u32(0x200) + film.brand) + box("mdat", QByteArray(300, '\x17'))
           + box("moov", moov);
}

QByteArray jpegPicture(int size, quint8 frameMarker)
{
    const auto segment = [](quint8 marker, const QByteArray &payload) -> QByteArray {
        return QByteArray(1, '\xFF') + char(marker) + u16(quint16(payload.size() + 2)) + payload;
    };
    QByteArray jpeg = QByteArray("\xFF\xD8", 2) + segment(0xDB, QByteArray(65, '\x01'))
                      + segment(frameMarker, QByteArray("\x08\x00\x10\x00\x10\x01\x01\x11\x00", 9))
                      + segment(0xDA, QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
    jpeg += QByteArray(qMax(0, size - int(jpeg.size()) - 2), '\x55');
    return jpeg + QByteArray("\xFF\xD9", 2);
}

} // namespace MediaBuilder
