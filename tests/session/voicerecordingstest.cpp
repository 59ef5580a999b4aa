#include "session/voicerecordings.h"

#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

namespace Session {
char *toString(const VoiceRecording &recording)
{
    return QTest::toString(QString(recording.kind == VoiceKind::Wave ? u'W' : u'Q') + (recording.available ? u" " : u" not ")
                           + recording.path);
}
} // namespace Session

class VoiceRecordingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void find_data();
    void find();
    void looksInTheFolder();
};

void VoiceRecordingsTest::find_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("recording");
    QTest::addColumn<bool>("wave");

    const QStringList noise{u"IMG.jpg"_s, u"IMG2.wav"_s, u"other.mov"_s, u"IMG.txt"_s};
    QTest::newRow("wave") << (noise + QStringList{u"IMG.wav"_s}) << u"IMG.jpg"_s << u"IMG.wav"_s << true;
    QTest::newRow("wave before movie") << QStringList{u"IMG_0815.mov"_s, u"IMG_0815.wav"_s} << u"IMG_0815.JPG"_s
                                       << u"IMG_0815.wav"_s << true;
    QTest::newRow("movie") << (noise + QStringList{u"IMG.mov"_s}) << u"IMG.jpg"_s << u"IMG.mov"_s << false;
    QTest::newRow("none") << noise << u"IMG.jpg"_s << QString() << true;
    QTest::newRow("upper-case extension") << QStringList{u"IMG_0815.WAV"_s} << u"IMG_0815.JPG"_s << u"IMG_0815.WAV"_s
                                          << true;
    QTest::newRow("mixed-case movie") << QStringList{u"img_1.Mov"_s} << u"IMG_1.jpeg"_s << u"img_1.Mov"_s << false;
    QTest::newRow("own spelling wins") << QStringList{u"IMG.WAV"_s, u"IMG.wav"_s, u"img.wav"_s} << u"IMG.JPG"_s
                                       << u"IMG.wav"_s << true;
    QTest::newRow("else first in order") << QStringList{u"img.wav"_s, u"IMG.WAV"_s} << u"Img.jpg"_s << u"IMG.WAV"_s
                                         << true;
    QTest::newRow("only the last extension goes") << QStringList{u"a.wav"_s} << u"a.b.jpg"_s << QString() << true;
    QTest::newRow("dotted name") << QStringList{u"a.b.wav"_s} << u"a.b.jpg"_s << u"a.b.wav"_s << true;
    QTest::newRow("extension is not a name") << QStringList{u"IMG.jpg.wav"_s} << u"IMG.jpg"_s << QString() << true;
}

void VoiceRecordingsTest::find()
{
    QFETCH(QStringList, names);
    QFETCH(QString, picture);
    QFETCH(QString, recording);
    QFETCH(bool, wave);
    const VoiceRecording found = VoiceRecordings(names).find(u"/pics"_s, picture);
    QCOMPARE(found.available, !recording.isEmpty());
    QCOMPARE(found.path, recording.isEmpty() ? QString() : u"/pics/"_s + recording);
    QCOMPARE(found.kind, wave ? VoiceKind::Wave : VoiceKind::Movie);
}

void VoiceRecordingsTest::looksInTheFolder()
{
    QTemporaryDir dir;
    for (const QString &name : {u"a.jpg"_s, u"a.WAV"_s, u"b.jpg"_s, u"b.mov"_s, u"c.jpg"_s})
        QVERIFY(writeFile(dir.filePath(name)));
    // A folder named like a recording is none.
    QVERIFY(QDir(dir.path()).mkdir(u"c.wav"_s));

    QCOMPARE(VoiceRecordings::ofPicture(dir.filePath(u"a.jpg"_s)),
             (VoiceRecording{VoiceKind::Wave, true, dir.filePath(u"a.WAV"_s)}));
    QCOMPARE(VoiceRecordings::ofPicture(dir.filePath(u"b.jpg"_s)),
             (VoiceRecording{VoiceKind::Movie, true, dir.filePath(u"b.mov"_s)}));
    QCOMPARE(VoiceRecordings::ofPicture(dir.filePath(u"c.jpg"_s)), VoiceRecording());
    QCOMPARE(VoiceRecordings::ofPicture(QString()), VoiceRecording());
}

QTEST_GUILESS_MAIN(VoiceRecordingsTest)
#include "voicerecordingstest.moc"
