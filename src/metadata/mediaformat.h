#pragma once

#include <QByteArrayView>
#include <QString>

namespace Metadata {

// The kind of a file as its first bytes tell it, whatever its name says. Every TIFF-based camera
// RAW (CR2, NEF, NRW, ARW, SR2, DNG, PEF, SRW, 3FR, IIQ, ERF and RW2 and ORF with their own
// magic numbers) is Tiff; Raf is Fujifilm's RAW; Cr3, Heif (HEIC, HEIF, AVIF) and Video (MP4,
// MOV, M4V, 3GP) are ISO base media files told apart by the brands of their ftyp box, and a
// QuickTime file without one is a Video when it starts with one of QuickTime's top-level boxes.
enum class MediaFormat { Unknown, Jpeg, Png, Tiff, Raf, Cr3, Heif, WebP, Video };

// head: the file's first bytes; headBytes of them suffice.
MediaFormat mediaFormat(QByteArrayView head);
// The format of the file at path; Unknown when it cannot be read.
MediaFormat mediaFormatOf(const QString &path);

inline constexpr int headBytes = 256;

} // namespace Metadata
