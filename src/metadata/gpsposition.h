#pragma once

#include <QString>
#include <QStringView>

namespace Metadata {

struct ExifData;

enum class GpsCoordinate { Latitude, Longitude };

// GPSLatitude (2) or GPSLongitude (4) of the GPS IFD with its reference letter (1 or 3) as
// stored: degrees, minutes and seconds, each its numerator when the denominator is 1 and
// numerator "/" denominator otherwise, joined by "," and followed directly by the reference
// ("52,22,1234/100N"). A seconds denominator of 0 leaves the seconds out and writes the minutes
// as one decimal number ("48,53.32358N"). Empty when the tag is missing, holds fewer than three
// rationals or a degrees or minutes denominator is 0.
QString coordinateText(const ExifData &data, GpsCoordinate coordinate);
// Latitude text "~" longitude text; empty when both are.
QString rawPositionText(const ExifData &data);

// The position for display and the map link, from a raw position text: latitude "," longitude,
// each as degrees, minutes, seconds and reference letter separated by single spaces, seconds
// given as a fraction written with one decimal ("52 22 12.3 N,4 53 40 E"). A coordinate that
// is not of that form (minutes not a whole number up to 60, seconds not below 60 or a whole
// number up to 60) gives an empty part; the comma stays unless both parts are empty.
QString positionText(QStringView rawPosition);

} // namespace Metadata
