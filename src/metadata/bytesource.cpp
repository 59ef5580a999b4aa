#include "metadata/bytesource_p.h"

#include <QIODevice>

#include <algorithm>

namespace Metadata {

namespace {

constexpr quint64 chunkSize = 64 * 1024;

} // namespace

ByteSource::ByteSource(QByteArrayView bytes) : m_bytes(bytes), m_size(quint64(bytes.size())) {}

ByteSource::ByteSource(QIODevice &device)
    : m_device(&device), m_chunk(std::make_shared<Chunk>()), m_size(quint64(std::max<qint64>(device.size(), 0)))
{
}

ByteSource ByteSource::window(quint64 offset, quint64 length) const
{
    ByteSource part = *this;
    offset = std::min(offset, m_size);
    part.m_base = m_base + offset;
    part.m_size = std::min(length, m_size - offset);
    return part;
}

std::optional<QByteArray> ByteSource::read(quint64 offset, quint64 length) const
{
    if (!contains(offset, length))
        return std::nullopt;
    const quint64 start = m_base + offset;
    if (!m_device)
        return QByteArray(m_bytes.data() + start, qsizetype(length));
    Chunk &chunk = *m_chunk;
    const auto cached = [&]() -> std::optional<QByteArray> {
        if (start < chunk.start || start - chunk.start > quint64(chunk.bytes.size())
            || length > quint64(chunk.bytes.size()) - (start - chunk.start))
            return std::nullopt;
        return QByteArray(chunk.bytes.constData() + (start - chunk.start), qsizetype(length));
    };
    if (auto bytes = cached())
        return bytes;
    if (!m_device->seek(qint64(start)))
        return std::nullopt;
    if (length <= chunkSize) {
        chunk.start = start;
        chunk.bytes = m_device->read(qint64(chunkSize));
        if (auto bytes = cached())
            return bytes;
        chunk.bytes.clear();
        return std::nullopt;
    }
    QByteArray bytes = m_device->read(qint64(length));
    if (quint64(bytes.size()) != length)
        return std::nullopt;
    return bytes;
}

std::optional<quint8> ByteSource::byteAt(quint64 offset) const
{
    const std::optional<QByteArray> bytes = read(offset, 1);
    if (!bytes)
        return std::nullopt;
    return static_cast<quint8>(bytes->at(0));
}

} // namespace Metadata
