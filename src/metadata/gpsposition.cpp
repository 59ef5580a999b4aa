#include "metadata/gpsposition.h"

#include "metadata/exifdata.h"
#include "metadata/tiffvalues_p.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace Metadata {

namespace {

constexpr quint16 latitudeReferenceTag = 1;
constexpr quint16 latitudeTag = 2;
constexpr quint16 longitudeReferenceTag = 3;
constexpr quint16 longitudeTag = 4;

// Minutes and seconds above this are refused (they are far above 60 anyway, or a fraction no
// camera writes) so that the rounding below cannot overflow.
constexpr quint64 largestNumber = 1'000'000'000'000'000'000ULL;

// A whole number: one or more ASCII digits and nothing else.
bool isWholeNumber(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// The value of a whole number, nothing for another text or a number above largestNumber.
std::optional<quint64> wholeNumber(QStringView text)
{
    if (!isWholeNumber(text))
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : text) {
        value = value * 10 + quint64(c.unicode() - u'0');
        if (value > largestNumber)
            return std::nullopt;
    }
    return value;
}

// Seconds as numerator/denominator, below 60, written with exactly one decimal, rounded half
// up on the exact quotient.
QString fractionalSeconds(QStringView text)
{
    const qsizetype slash = text.indexOf(u'/');
    const std::optional<quint64> numerator = wholeNumber(text.first(slash));
    const std::optional<quint64> denominator = wholeNumber(text.sliced(slash + 1));
    if (!numerator || !denominator || *denominator == 0)
        return {};
    const quint64 whole = *numerator / *denominator;
    if (whole >= 60)
        return {};
    // The remainders stay below the denominator, at most 10^18, so ten times one fits.
    const quint64 remainder = *numerator % *denominator;
    quint64 tenths = whole * 10 + remainder * 10 / *denominator;
    if (2 * (remainder * 10 % *denominator) >= *denominator)
        ++tenths;
    return QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
}

QString convertedCoordinate(QStringView text)
{
    if (text.size() <= 4)
        return {};
    const QStringView reference = text.last(1);
    const QStringView number = text.chopped(1);
    const qsizetype firstComma = number.indexOf(u',');
    const qsizetype secondComma = firstComma < 0 ? -1 : number.indexOf(u',', firstComma + 1);
    if (secondComma < 0)
        return {};
    const QStringView degrees = number.first(firstComma);
    const QStringView minutes = number.sliced(firstComma + 1, secondComma - firstComma - 1);
    const QStringView secondsText = number.sliced(secondComma + 1);
    if (!isWholeNumber(degrees))
        return {};
    const std::optional<quint64> minutesValue = wholeNumber(minutes);
    if (!minutesValue || *minutesValue > 60)
        return {};
    QString seconds;
    if (secondsText.contains(u'/')) {
        seconds = fractionalSeconds(secondsText);
    } else if (const std::optional<quint64> value = wholeNumber(secondsText); value && *value <= 60) {
        seconds = secondsText.toString();
    }
    if (seconds.isEmpty())
        return {};
    return degrees + u' ' + minutes + u' ' + seconds + u' ' + reference;
}

} // namespace

QString coordinateText(const ExifData &data, GpsCoordinate coordinate)
{
    const bool latitude = coordinate == GpsCoordinate::Latitude;
    const ExifEntry *entry = data.find(ExifDirectory::Gps, latitude ? latitudeTag : longitudeTag);
    if (!entry || !TiffValues::isRationalType(entry->type) || TiffValues::valueCount(*entry) < 3)
        return {};
    const TiffValues::Rational degrees = TiffValues::rationalAt(*entry, 0, data.bigEndian);
    const TiffValues::Rational minutes = TiffValues::rationalAt(*entry, 1, data.bigEndian);
    const TiffValues::Rational seconds = TiffValues::rationalAt(*entry, 2, data.bigEndian);
    if (degrees.denominator == 0 || minutes.denominator == 0)
        return {};
    const ExifEntry *referenceEntry =
        data.find(ExifDirectory::Gps, latitude ? latitudeReferenceTag : longitudeReferenceTag);
    const QString reference = referenceEntry ? TiffValues::asciiText(referenceEntry->data) : QString();
    if (seconds.denominator == 0) {
        const double decimalMinutes = double(minutes.numerator) / double(minutes.denominator);
        return TiffValues::rationalText(degrees) + u',' + TiffValues::generalText(decimalMinutes)
            + reference;
    }
    return TiffValues::rationalText(degrees) + u',' + TiffValues::rationalText(minutes) + u','
        + TiffValues::rationalText(seconds) + reference;
}

QString rawPositionText(const ExifData &data)
{
    const QString position = coordinateText(data, GpsCoordinate::Latitude) + u'~'
        + coordinateText(data, GpsCoordinate::Longitude);
    return position == u"~"_s ? QString() : position;
}

QString positionText(QStringView rawPosition)
{
    const qsizetype tilde = rawPosition.indexOf(u'~');
    if (tilde < 0)
        return {};
    const QString position = convertedCoordinate(rawPosition.first(tilde)) + u','
        + convertedCoordinate(rawPosition.sliced(tilde + 1));
    return position == u","_s ? QString() : position;
}

} // namespace Metadata
