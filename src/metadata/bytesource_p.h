#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <memory>
#include <optional>

class QIODevice;

namespace Metadata {

// A bounded run of bytes, held in memory or lying in an open file, that the parser reads piece
// by piece. Every read is checked against the bounds first, so a file is never read further
// than its structure leads and never by a length the caller did not limit. Offsets count from
// the start of the run. Copies share the underlying bytes or device, which must outlive them.
class ByteSource final
{
public:
    explicit ByteSource(QByteArrayView bytes);
    // device: open for reading and able to seek; the run is the whole device.
    explicit ByteSource(QIODevice &device);

    quint64 size() const { return m_size; }
    // Where the run starts within the bytes or device it was made from.
    quint64 start() const { return m_base; }
    bool contains(quint64 offset, quint64 length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }
    // The part [offset, offset + length) as a run of its own; both are clamped to this run.
    ByteSource window(quint64 offset, quint64 length) const;

    // The bytes [offset, offset + length), or nothing when they lie outside the run or the
    // device fails to deliver them.
    std::optional<QByteArray> read(quint64 offset, quint64 length) const;
    std::optional<quint8> byteAt(quint64 offset) const;

private:
    // The part of the device read last. EXIF structures are read in many small pieces close to
    // each other; each would otherwise cost a seek and a read of its own.
    struct Chunk
    {
        quint64 start = 0;
        QByteArray bytes;
    };

    QByteArrayView m_bytes;
    QIODevice *m_device = nullptr;
    std::shared_ptr<Chunk> m_chunk;
    quint64 m_base = 0;
    quint64 m_size = 0;
};

} // namespace Metadata
