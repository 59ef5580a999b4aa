#include "records/textcodec.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Records;

class TextCodecTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void cutOnACharacterBoundary_data();
    void cutOnACharacterBoundary();
    void decode_data();
    void decode();
    void everyByteRoundTrips();
};

void TextCodecTest::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("ascii") << u"IMG_0001.jpg"_s << QByteArray("IMG_0001.jpg") << u"IMG_0001.jpg"_s;
    QTest::newRow("latin-1 range") << u"Café Zürich"_s << QByteArray("Caf\xc3\xa9 Z\xc3\xbcrich")
                                   << u"Café Zürich"_s;
    QTest::newRow("euro and quotes")
        << u"€ “x” – …"_s << QByteArray("\xe2\x82\xac \xe2\x80\x9cx\xe2\x80\x9d \xe2\x80\x93 \xe2\x80\xa6")
        << u"€ “x” – …"_s;
    QTest::newRow("greek") << u"Ωmega"_s << QByteArray("\xce\xa9mega") << u"Ωmega"_s;
    QTest::newRow("cyrillic") << u"Привет.jpg"_s
                              << QByteArray("\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82.jpg")
                              << u"Привет.jpg"_s;
    QTest::newRow("surrogate pair is one character") << u"a😀b"_s << QByteArray("a\xf0\x9f\x98\x80" "b")
                                                     << u"a😀b"_s;
    // No character is a lone surrogate: it is stored as the replacement character.
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("\xef\xbf\xbd") << u"\ufffd"_s;
}

void TextCodecTest::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    QCOMPARE(TextCodec::encode(text), bytes);
    QCOMPARE(TextCodec::decode(bytes), readBack);
}

void TextCodecTest::cutOnACharacterBoundary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("bytes");
    // 'a' takes one byte, 'é' two, '€' three, '😀' four (two UTF-16 units).
    const QString text = u"aé€😀b"_s;
    QTest::newRow("0") << text << 0 << QByteArray();
    QTest::newRow("1") << text << 1 << QByteArray("a");
    QTest::newRow("2: é does not fit") << text << 2 << QByteArray("a");
    QTest::newRow("3") << text << 3 << QByteArray("a\xc3\xa9");
    QTest::newRow("5: € does not fit") << text << 5 << QByteArray("a\xc3\xa9");
    QTest::newRow("6") << text << 6 << QByteArray("a\xc3\xa9\xe2\x82\xac");
    QTest::newRow("9: 😀 does not fit") << text << 9 << QByteArray("a\xc3\xa9\xe2\x82\xac");
    QTest::newRow("10") << text << 10 << QByteArray("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80");
    QTest::newRow("11: all") << text << 11 << QByteArray("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80" "b");
    QTest::newRow("20: all") << text << 20 << QByteArray("a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80" "b");
    // The text is cut, never thinned out: what follows a character that did not fit is left out.
    QTest::newRow("cut, not thinned") << u"a😀b"_s << 2 << QByteArray("a");
}

void TextCodecTest::cutOnACharacterBoundary()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, bytes);
    QByteArray out(capacity + 1, 'X');
    QCOMPARE(TextCodec::encode(text, out.data(), capacity), bytes.size());
    QCOMPARE(out.left(bytes.size()), bytes);
    QCOMPARE(out.at(capacity), 'X');
    QVERIFY(TextCodec::isValidUtf8(bytes));
    QCOMPARE(TextCodec::fitted(text, capacity), TextCodec::decode(bytes));
    QVERIFY(text.startsWith(TextCodec::fitted(text, capacity)));
}

void TextCodecTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ascii") << QByteArray("IMG_0001.jpg") << u"IMG_0001.jpg"_s << true;
    QTest::newRow("utf-8") << QByteArray("\xce\xa9mega caf\xc3\xa9") << u"Ωmega café"_s << true;
    QTest::newRow("long ascii run before utf-8") << QByteArray("0123456789abcdef\xc3\xa9") << u"0123456789abcdefé"_s
                                                 << true;
    // A file written before the change: its Windows-1252 bytes are no valid UTF-8.
    QTest::newRow("windows-1252") << QByteArray("Caf\xe9 \x80 Z\xfcrich") << u"Café € Zürich"_s << false;
    QTest::newRow("cut sequence") << QByteArray("caf\xc3") << u"cafÃ"_s << false;
    QTest::newRow("lone continuation byte") << QByteArray("a\xa9") << u"a©"_s << false;
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << u"À¯"_s << false;
    QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf") << u"à€¯"_s << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << u"í\u00a0€"_s << false;
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << u"ô\u0090€€"_s << false;
    QTest::newRow("highest code point") << QByteArray("\xf4\x8f\xbf\xbf") << QString::fromUcs4(U"\U0010FFFF")
                                        << true;
    QTest::newRow("empty") << QByteArray() << u""_s << true;
}

void TextCodecTest::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    QCOMPARE(TextCodec::isValidUtf8(bytes), utf8);
    const QString decoded = TextCodec::decode(bytes);
    QCOMPARE(decoded, text);
    QVERIFY(!decoded.isNull());
}

void TextCodecTest::everyByteRoundTrips()
{
    // All 256 bytes together are no valid UTF-8: they read as Windows-1252, each byte one
    // character, and the text is written back as UTF-8 that reads as the same text.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = TextCodec::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0x81), QChar(0x0081));
    QCOMPARE(text.at(0x9F), QChar(0x0178));
    QCOMPARE(text.at(0xE9), QChar(0x00E9));
    QCOMPARE(TextCodec::decode(TextCodec::encode(text)), text);
}

QTEST_GUILESS_MAIN(TextCodecTest)
#include "textcodectest.moc"
