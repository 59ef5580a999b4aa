#include "metadata/valuetext.h"

#include "metadata/tiffvalues_p.h"

#include <QtEndian>

namespace Metadata {

namespace {

constexpr quint16 firstWindowsTextTag = 40091;
constexpr quint16 lastWindowsTextTag = 40095;

QString windowsText(QByteArrayView data)
{
    QString text;
    const qsizetype units = std::min<qsizetype>(data.size() / 2, maxValueTextLength + 1);
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        const auto unit = qFromLittleEndian<char16_t>(data.data() + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    // UCS-2 knows no surrogates; one that is not half of a pair would make invalid UTF-16.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    if (text.size() > maxValueTextLength) {
        text.truncate(maxValueTextLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

// Joins the values made by textAt, stopping once the text is longer than it may be.
template<typename TextAt>
QString joined(qsizetype count, TextAt textAt)
{
    QString text;
    for (qsizetype i = 0; i < count && text.size() <= maxValueTextLength; ++i) {
        if (i > 0)
            text.append(u',');
        text.append(textAt(i));
    }
    text.truncate(maxValueTextLength);
    return text;
}

} // namespace

QString valueText(const ExifEntry &entry, ExifDirectory directory, bool bigEndian)
{
    if (directory == ExifDirectory::Ifd0 && entry.tag >= firstWindowsTextTag
        && entry.tag <= lastWindowsTextTag)
        return windowsText(entry.data);

    const qsizetype count = TiffValues::valueCount(entry);
    switch (static_cast<TiffType>(entry.type)) {
    case TiffType::Ascii:
        return TiffValues::asciiText(entry.data).left(maxValueTextLength);
    case TiffType::Undefined:
        return QString::fromLatin1(entry.data.first(std::min<qsizetype>(count, maxValueTextLength / 2))
                                       .toHex()
                                       .toUpper());
    case TiffType::Rational:
    case TiffType::SRational:
        return joined(count, [&](qsizetype i) {
            return TiffValues::rationalText(TiffValues::rationalAt(entry, i, bigEndian));
        });
    case TiffType::Float:
    case TiffType::Double:
        return joined(count, [&](qsizetype i) {
            return TiffValues::generalText(TiffValues::realAt(entry, i, bigEndian));
        });
    default:
        if (!TiffValues::isIntegerType(entry.type))
            return {};
        return joined(count, [&](qsizetype i) {
            return QString::number(TiffValues::integerAt(entry, i, bigEndian));
        });
    }
}

} // namespace Metadata
