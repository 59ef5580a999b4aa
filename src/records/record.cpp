#include "records/record.h"

#include "records/textcodec.h"

#include <QtEndian>

#include <cstring>

namespace Records {

Record::Record(int size) : m_bytes(size, '\0') {}

Record Record::fromBytes(const QByteArray &bytes, int size)
{
    // Reading a file decodes every record once; sharing the bytes saves copying each.
    if (bytes.size() == size) {
        Record record(0);
        record.m_bytes = bytes;
        return record;
    }
    Record record(size);
    std::memcpy(record.m_bytes.data(), bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), size)));
    return record;
}

QString Record::string(int offset, int maxLength) const
{
    Q_ASSERT(offset >= 0 && offset + 1 + maxLength <= size());
    const char *field = m_bytes.constData() + offset + 1;
    int length = byte(offset);
    if (length > maxLength) {
        // A damaged length: the field's text ends where its zero bytes begin, since a writer
        // leaves the bytes past a text zero, so that padding never reads as characters.
        const void *zero = std::memchr(field, 0, size_t(maxLength));
        length = zero ? int(static_cast<const char *>(zero) - field) : maxLength;
    }
    return TextCodec::decode(QByteArrayView(field, length));
}

void Record::setString(int offset, int maxLength, const QString &text)
{
    Q_ASSERT(offset >= 0 && offset + 1 + maxLength <= size());
    char *field = m_bytes.data() + offset;
    std::memset(field, 0, size_t(maxLength) + 1);
    field[0] = char(TextCodec::encode(text, field + 1, maxLength));
}

qint32 Record::int32(int offset) const
{
    Q_ASSERT(offset >= 0 && offset + 4 <= size());
    return qFromLittleEndian<qint32>(m_bytes.constData() + offset);
}

void Record::setInt32(int offset, qint32 value)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= size());
    qToLittleEndian(value, m_bytes.data() + offset);
}

bool Record::boolean(int offset) const
{
    return byte(offset) != 0;
}

void Record::setBoolean(int offset, bool value)
{
    setByte(offset, value ? 1 : 0);
}

double Record::float64(int offset) const
{
    Q_ASSERT(offset >= 0 && offset + 8 <= size());
    const quint64 bits = qFromLittleEndian<quint64>(m_bytes.constData() + offset);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void Record::setFloat64(int offset, double value)
{
    Q_ASSERT(offset >= 0 && offset + 8 <= size());
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, m_bytes.data() + offset);
}

quint8 Record::byte(int offset) const
{
    Q_ASSERT(offset >= 0 && offset < size());
    return quint8(m_bytes.at(offset));
}

void Record::setByte(int offset, quint8 value)
{
    Q_ASSERT(offset >= 0 && offset < size());
    m_bytes[offset] = char(value);
}

} // namespace Records
