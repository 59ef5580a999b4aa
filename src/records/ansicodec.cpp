#include "records/ansicodec.h"

#include <QStringDecoder>

#include <array>

using namespace Qt::StringLiterals;

namespace Records::AnsiCodec {

namespace {

// Bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined map to the C1 control of the
// same value, as Windows itself converts them, so they round-trip.
constexpr std::array<char16_t, 32> highTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (int i = 0; i < int(highTable.size()); ++i) {
        if (highTable[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

bool canEncode(char32_t codePoint)
{
    return byteFor(codePoint) >= 0;
}

qsizetype encode(QStringView text, char *out, qsizetype capacity)
{
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size() && written < capacity; ++i) {
        const QChar c = text.at(i);
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        }
        const int byte = byteFor(codePoint);
        out[written++] = byte < 0 ? '?' : char(byte);
    }
    return written;
}

QByteArray encode(QStringView text)
{
    // Never more bytes than UTF-16 units.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(encode(text, bytes.data(), bytes.size()));
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    // Empty input gives an empty string, never a null one, whatever the view points at.
    if (bytes.isEmpty())
        return u""_s;
    // Windows-1252 is Latin-1 but for 0x80..0x9F, which are rare in titles: convert the fast
    // way and mend those few.
    QString text = QString::fromLatin1(bytes);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80 && byte <= 0x9F)
            text[i] = QChar(highTable[byte - 0x80]);
    }
    return text;
}

} // namespace Records::AnsiCodec
