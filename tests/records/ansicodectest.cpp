#include "records/ansicodec.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Records;

class AnsiCodecTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void everyByteRoundTrips();
};

void AnsiCodecTest::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << u"IMG_0001.jpg"_s << QByteArray("IMG_0001.jpg");
    QTest::newRow("latin-1 range") << u"Café Zürich"_s << QByteArray("Caf\xe9 Z\xfcrich");
    QTest::newRow("euro and quotes") << u"€ “x” – …"_s << QByteArray("\x80 \x93x\x94 \x96 \x85");
    QTest::newRow("greek is unrepresentable") << u"Ωmega"_s << QByteArray("?mega");
    QTest::newRow("one question mark per surrogate pair") << u"a😀b"_s << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void AnsiCodecTest::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(AnsiCodec::encode(text), bytes);
}

void AnsiCodecTest::everyByteRoundTrips()
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = AnsiCodec::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(AnsiCodec::encode(text), all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
}

QTEST_GUILESS_MAIN(AnsiCodecTest)
#include "ansicodectest.moc"
