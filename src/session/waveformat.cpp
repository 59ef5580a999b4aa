#include "session/waveformat.h"

#include <QFile>
#include <QtEndian>

namespace Session {

namespace {

constexpr int pcmTag = 1;
// WAVE_FORMAT_EXTENSIBLE: the real tag is the first two bytes of the sub-format.
constexpr int extensibleTag = 0xFFFE;
// The "fmt " chunk comes first in every wave a camera writes; a few chunks before it are
// skipped, as long as they lie within this many bytes.
constexpr qsizetype headerBytes = 4096;

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

WaveFormat WaveFormat::read(const QByteArray &header)
{
    WaveFormat format;
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return format;
    for (qsizetype at = 12; at + 8 <= header.size();) {
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + at + 4);
        if (header.mid(at, 4) != "fmt ") {
            // Chunks are padded to an even length.
            at += 8 + qsizetype(size) + (size & 1);
            continue;
        }
        const qsizetype body = at + 8;
        if (size < 16 || body + 16 > header.size())
            return format;
        format.m_tag = word(header, body);
        format.m_channels = word(header, body + 2);
        format.m_bits = word(header, body + 14);
        if (format.m_tag == extensibleTag && size >= 40 && body + 26 <= header.size())
            format.m_tag = word(header, body + 24);
        return format;
    }
    return format;
}

WaveFormat WaveFormat::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(file.read(headerBytes));
}

bool WaveFormat::builtInPlays() const
{
    return m_tag == pcmTag && (m_bits == 8 || m_bits == 16) && (m_channels == 1 || m_channels == 2);
}

} // namespace Session
