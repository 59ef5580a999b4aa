#pragma once

#include <QString>

namespace Metadata {

struct ExifData;

// What tells the camera of a picture and its clock: the date taken (see dateTakenText), Make
// (0x010F) and Model (0x0110) of IFD0, BodySerialNumber (0xA431) and OffsetTimeOriginal
// (0x9011, "+hh:mm", the time zone the camera's clock was set to) of the Exif IFD. Texts are
// trimmed; a tag that is missing or not ASCII gives the empty text.
struct CameraFacts
{
    QString dateTaken;
    QString make;
    QString model;
    QString serial;
    QString offsetTime;

    bool operator==(const CameraFacts &) const = default;
};

CameraFacts cameraFactsOf(const ExifData &data);
// The facts of the picture at path, all empty when it has no readable EXIF data.
CameraFacts readCameraFacts(const QString &path);

} // namespace Metadata
