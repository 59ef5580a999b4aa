#include "metadata/tiffvalues_p.h"

#include "metadata/byteorder_p.h"
#include "records/textcodec.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Metadata::TiffValues {

qsizetype valueCount(const ExifEntry &entry)
{
    const int size = tiffTypeSize(entry.type);
    if (size == 0)
        return 0;
    return std::min<qsizetype>(qsizetype(entry.count), entry.data.size() / size);
}

qint64 integerAt(const ExifEntry &entry, qsizetype index, bool bigEndian)
{
    const char *p = entry.data.constData() + index * tiffTypeSize(entry.type);
    switch (static_cast<TiffType>(entry.type)) {
    case TiffType::Byte:
        return static_cast<quint8>(*p);
    case TiffType::SByte:
        return static_cast<qint8>(*p);
    case TiffType::Short:
        return ByteOrder::u16(p, bigEndian);
    case TiffType::SShort:
        return static_cast<qint16>(ByteOrder::u16(p, bigEndian));
    case TiffType::Long:
    case TiffType::Ifd:
        return ByteOrder::u32(p, bigEndian);
    case TiffType::SLong:
        return static_cast<qint32>(ByteOrder::u32(p, bigEndian));
    default:
        return 0;
    }
}

Rational rationalAt(const ExifEntry &entry, qsizetype index, bool bigEndian)
{
    const char *p = entry.data.constData() + index * 8;
    const quint32 numerator = ByteOrder::u32(p, bigEndian);
    const quint32 denominator = ByteOrder::u32(p + 4, bigEndian);
    if (static_cast<TiffType>(entry.type) == TiffType::SRational)
        return {static_cast<qint32>(numerator), static_cast<qint32>(denominator)};
    return {numerator, denominator};
}

double realAt(const ExifEntry &entry, qsizetype index, bool bigEndian)
{
    if (static_cast<TiffType>(entry.type) == TiffType::Float) {
        const quint32 bits = ByteOrder::u32(entry.data.constData() + index * 4, bigEndian);
        return double(std::bit_cast<float>(bits));
    }
    return std::bit_cast<double>(ByteOrder::u64(entry.data.constData() + index * 8, bigEndian));
}

bool isIntegerType(quint16 type)
{
    switch (static_cast<TiffType>(type)) {
    case TiffType::Byte:
    case TiffType::SByte:
    case TiffType::Short:
    case TiffType::SShort:
    case TiffType::Long:
    case TiffType::SLong:
    case TiffType::Ifd:
        return true;
    default:
        return false;
    }
}

bool isRationalType(quint16 type)
{
    const auto tiffType = static_cast<TiffType>(type);
    return tiffType == TiffType::Rational || tiffType == TiffType::SRational;
}

QString rationalText(Rational value)
{
    if (value.denominator == 0)
        return {};
    if (value.denominator == 1)
        return QString::number(value.numerator);
    return QString::number(value.numerator) + u'/' + QString::number(value.denominator);
}

QString generalText(double value)
{
    // printf prints every NaN as "nan"; to_chars would keep the sign of a negative one.
    if (std::isnan(value))
        return u"nan"_s;
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    if (error != std::errc())
        return {};
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

QString asciiText(QByteArrayView data)
{
    const qsizetype end = data.indexOf('\0');
    return Records::TextCodec::decode(end < 0 ? data : data.first(end));
}

} // namespace Metadata::TiffValues
