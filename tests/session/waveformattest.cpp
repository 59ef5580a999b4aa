#include "session/waveformat.h"

#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using Session::WaveFormat;

namespace {

QByteArray le16(int value)
{
    QByteArray bytes(2, 0);
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

QByteArray le32(int value)
{
    QByteArray bytes(4, 0);
    qToLittleEndian<quint32>(quint32(value), bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    return id + le32(int(body.size())) + body + (body.size() % 2 ? QByteArray(1, 0) : QByteArray());
}

// A wave header: RIFF, optional chunks, then "fmt " with the tag, channels and bits given.
QByteArray wave(int tag, int channels, int bits, const QByteArray &before = {})
{
    QByteArray format = le16(tag) + le16(channels) + le32(8000) + le32(8000 * channels * bits / 8)
                        + le16(channels * bits / 8) + le16(bits);
    if (tag == 0xFFFE)
        format += le16(22) + le16(bits) + le32(3) + le16(1) + QByteArray(14, 0);
    const QByteArray body = "WAVE" + before + chunk("fmt ", format) + chunk("data", QByteArray(4, 0));
    return "RIFF" + le32(int(body.size())) + body;
}

} // namespace

class WaveFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInPlaysPlainPcmOnly_data();
    void builtInPlaysPlainPcmOnly();
};

void WaveFormatTest::builtInPlaysPlainPcmOnly_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<bool>("isWave");
    QTest::addColumn<bool>("plays");
    QTest::newRow("16-bit mono") << wave(1, 1, 16) << true << true;
    QTest::newRow("8-bit stereo") << wave(1, 2, 8) << true << true;
    QTest::newRow("after an odd chunk") << wave(1, 1, 16, chunk("LIST", "abc")) << true << true;
    QTest::newRow("extensible 16-bit") << wave(0xFFFE, 2, 16) << true << true;
    QTest::newRow("32-bit") << wave(1, 1, 32) << true << false;
    QTest::newRow("extensible 32-bit") << wave(0xFFFE, 1, 32) << true << false;
    QTest::newRow("IMA ADPCM") << wave(0x11, 1, 4) << true << false;
    QTest::newRow("cut in the format") << wave(1, 1, 16).left(30) << false << false;
    QTest::newRow("no wave") << QByteArray("RIFF\0\0\0\0AVI LIST", 16) << false << false;
}

void WaveFormatTest::builtInPlaysPlainPcmOnly()
{
    QFETCH(QByteArray, header);
    const WaveFormat format = WaveFormat::read(header);
    QTEST(format.isWave(), "isWave");
    QTEST(format.builtInPlays(), "plays");
}

QTEST_GUILESS_MAIN(WaveFormatTest)
#include "waveformattest.moc"
