#include "metadata/datetaken.h"

#include "metadata/exifdata.h"

#include <QDate>
#include <QTime>

namespace Metadata {

namespace {

constexpr quint16 dateTimeOriginalTag = 0x9003;
// "yyyy:mm:dd hh:mm:ss"
constexpr QByteArrayView shape("dddd:dd:dd dd:dd:dd");

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int number(QByteArrayView text, qsizetype from, qsizetype length)
{
    int value = 0;
    for (qsizetype i = from; i < from + length; ++i)
        value = value * 10 + (text.at(i) - '0');
    return value;
}

} // namespace

QString dateTakenText(QByteArrayView dateTimeOriginal)
{
    const qsizetype end = dateTimeOriginal.indexOf('\0');
    const QByteArrayView text = end < 0 ? dateTimeOriginal : dateTimeOriginal.first(end);
    if (text.size() != shape.size())
        return {};
    for (qsizetype i = 0; i < shape.size(); ++i) {
        if (shape.at(i) == 'd' ? !isDigit(text.at(i)) : text.at(i) != shape.at(i))
            return {};
    }
    const int year = number(text, 0, 4);
    if (year < 1980 || year > 2107)
        return {};
    if (!QDate::isValid(year, number(text, 5, 2), number(text, 8, 2))
        || !QTime::isValid(number(text, 11, 2), number(text, 14, 2), number(text, 17, 2)))
        return {};
    QString taken = QString::fromLatin1(text);
    taken[4] = u'-';
    taken[7] = u'-';
    return taken;
}

QString dateTakenText(const ExifData &data)
{
    const ExifEntry *entry = data.find(ExifDirectory::Exif, dateTimeOriginalTag);
    if (!entry || static_cast<TiffType>(entry->type) != TiffType::Ascii)
        return {};
    return dateTakenText(entry->data);
}

} // namespace Metadata
