#pragma once

#include <QByteArray>
#include <QString>

namespace Session {

// What the header of a wave recording says about its sound, as far as the built-in player cares:
// it plays plain PCM of 8 or 16 bits; cameras also write 32-bit PCM and compressed waves (IMA
// ADPCM), which it cannot decode and which go to an external player instead.
class WaveFormat final
{
public:
    // The format tag, channels and bits per sample of the "fmt " chunk; a tag of 0 when the bytes
    // are no wave header.
    static WaveFormat read(const QByteArray &header);
    static WaveFormat readFile(const QString &path);

    bool isWave() const { return m_tag != 0; }
    bool builtInPlays() const;

private:
    int m_tag = 0;
    int m_channels = 0;
    int m_bits = 0;
};

} // namespace Session
