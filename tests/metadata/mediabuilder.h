#pragma once

#include <QByteArray>

// Builds the containers of today's camera and phone files around EXIF structures, for tests:
// ISO base media boxes (HEIF, CR3, MP4/MOV), RIFF chunks (WebP) and the RAF header. Each puts
// the metadata last, so that cutting the file anywhere cuts into it.
namespace MediaBuilder {

QByteArray box(const QByteArray &type, const QByteArray &payload);
// A full box: version and 24-bit flags before the payload.
QByteArray fullBox(const QByteArray &type, quint8 version, const QByteArray &payload);
QByteArray u16(quint16 value);
QByteArray u32(quint32 value);
QByteArray u64(quint64 value);

enum class HeifPlace { FileOffset, ItemData };
// A HEIF picture whose "Exif" item (ID 2, after a picture item 1) holds the TIFF structure
// after a 4-byte offset and "Exif\0\0"; brand "heic" or "avif"; iloc of version 0 or 1
// (ItemData needs 1, the first version to name a construction method).
QByteArray heif(const QByteArray &tiff, HeifPlace place = HeifPlace::FileOffset, int ilocVersion = 0,
                const QByteArray &brand = "heic");
// A WebP file with a VP8X chunk and an EXIF chunk, the structure after "Exif\0\0" when asked.
QByteArray webp(const QByteArray &tiff, bool exifHeader = false);
// A CR3 file: ftyp "crx ", then a moov with Canon's uuid box holding CMT1, CMT2 and CMT4
// (each left out when empty), and a THMB box holding thumbnail, then a PRVW box holding
// preview in its own uuid box.
QByteArray cr3(const QByteArray &cmt1, const QByteArray &cmt2, const QByteArray &cmt4,
               const QByteArray &thumbnail = {}, const QByteArray &preview = {});
// A RAF file whose header points at jpeg.
QByteArray raf(const QByteArray &jpeg);

struct Movie
{
    int headerVersion = 0;
    // Seconds since 1904-01-01 00:00:00 UTC.
    quint64 created = 0;
    quint32 timeScale = 600;
    quint64 duration = 0;
    // Apple's creation-date key, left out when empty.
    QByteArray appleDate;
    // The key in moov/udta/meta (a full box) rather than moov/meta.
    bool keyInUserData = false;
    QByteArray brand = "qt  ";
};
// ftyp, a media-data box, then moov.
QByteArray movie(const Movie &movie);

// A JPEG of about size bytes with a frame of the given marker (0xC0 baseline, 0xC3 lossless).
QByteArray jpegPicture(int size, quint8 frameMarker = 0xC0);

} // namespace MediaBuilder
