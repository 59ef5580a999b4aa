#include "records/textcodec.h"

#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace Records::TextCodec {

namespace {

// Bytes 0x80..0x9F of Windows-1252, the code page of the files written before. The five bytes it
// leaves undefined map to the C1 control of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> highTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t replacementCharacter = 0xFFFD;

// The offset of the first byte that is not ASCII, or the size when there is none. Work-file texts
// are mostly ASCII: eight bytes are looked at in one step.
qsizetype firstNonAscii(QByteArrayView bytes)
{
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, sizeof word);
        if (word & 0x8080808080808080ULL)
            break;
    }
    for (; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return i;
    }
    return size;
}

// Whether bytes from offset start on are valid UTF-8.
bool isValidUtf8From(QByteArrayView bytes, qsizetype start)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = start; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The range of the second byte excludes overlong forms, surrogates and code points
        // beyond U+10FFFF; every later byte is a plain continuation byte.
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead == 0xE0) {
            length = 3;
            low = 0xA0;
        } else if (lead == 0xED) {
            length = 3;
            high = 0x9F;
        } else if (lead >= 0xE1 && lead <= 0xEF) {
            length = 3;
        } else if (lead == 0xF0) {
            length = 4;
            low = 0x90;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            length = 4;
        } else if (lead == 0xF4) {
            length = 4;
            high = 0x8F;
        } else {
            return false;
        }
        if (size - i < length || data[i + 1] < low || data[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    // Windows-1252 is Latin-1 but for 0x80..0x9F: convert the fast way and mend those few.
    QString text = QString::fromLatin1(bytes);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80 && byte <= 0x9F)
            text[i] = QChar(highTable[byte - 0x80]);
    }
    return text;
}

int utf8Length(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
}

} // namespace

qsizetype encode(QStringView text, char *out, qsizetype capacity)
{
    qsizetype written = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 0x80) {
            if (written == capacity)
                break;
            out[written++] = char(unit);
            continue;
        }
        char32_t codePoint = unit;
        qsizetype units = 1;
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, text.at(i + 1).unicode());
            units = 2;
        } else if (QChar::isSurrogate(unit)) {
            codePoint = replacementCharacter;
        }
        const int length = utf8Length(codePoint);
        if (capacity - written < length)
            break;
        char *at = out + written;
        if (length == 2) {
            at[0] = char(0xC0 | (codePoint >> 6));
        } else if (length == 3) {
            at[0] = char(0xE0 | (codePoint >> 12));
            at[1] = char(0x80 | ((codePoint >> 6) & 0x3F));
        } else {
            at[0] = char(0xF0 | (codePoint >> 18));
            at[1] = char(0x80 | ((codePoint >> 12) & 0x3F));
            at[2] = char(0x80 | ((codePoint >> 6) & 0x3F));
        }
        at[length - 1] = char(0x80 | (codePoint & 0x3F));
        written += length;
        i += units - 1;
    }
    return written;
}

QByteArray encode(QStringView text)
{
    // Never more than three bytes per UTF-16 unit: a surrogate pair takes four for two.
    QByteArray bytes(3 * text.size(), Qt::Uninitialized);
    bytes.truncate(encode(text, bytes.data(), bytes.size()));
    return bytes;
}

QString fitted(QStringView text, qsizetype capacity)
{
    QByteArray bytes(qMin(capacity, 3 * text.size()), Qt::Uninitialized);
    bytes.truncate(encode(text, bytes.data(), bytes.size()));
    return decode(bytes);
}

QString decode(QByteArrayView bytes)
{
    // Empty input gives an empty string, never a null one, whatever the view points at.
    if (bytes.isEmpty())
        return u""_s;
    const qsizetype nonAscii = firstNonAscii(bytes);
    if (nonAscii == bytes.size())
        return QString::fromLatin1(bytes);
    if (isValidUtf8From(bytes, nonAscii))
        return QString::fromUtf8(bytes);
    return decodeWindows1252(bytes);
}

bool isValidUtf8(QByteArrayView bytes)
{
    return isValidUtf8From(bytes, firstNonAscii(bytes));
}

} // namespace Records::TextCodec
