#include "session/voicecontrol.h"

#include "session/voiceplayers.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

Q_DECLARE_METATYPE(Session::VoiceRecording)

using Icon = VoiceControl::Icon;
using PlayEnd = VoiceControl::PlayEnd;
using PlayState = VoiceControl::PlayState;

namespace {

// Records what the control asks of the players; opening and starting succeed unless refused.
class FakePlayers final : public VoicePlayers
{
public:
    bool playWave(const QString &path) override
    {
        played.append(path);
        return opens;
    }
    void closeWave() override { ++closed; }
    bool startMoviePlayer(const Platform::MoviePlayer &player, const QString &path) override
    {
        started.append({player.name, path});
        return starts;
    }

    bool opens = true;
    bool starts = true;
    QStringList played;
    int closed = 0;
    QList<QPair<QString, QString>> started;
};

const Platform::MoviePlayer playerA{u"mpv"_s, u"/usr/bin/mpv"_s};
const Platform::MoviePlayer playerB{u"VLC media player"_s, u"/usr/bin/xdg-open"_s};
const VoiceRecording wave{VoiceKind::Wave, true, u"/pics/IMG.wav"_s};
const VoiceRecording movie{VoiceKind::Movie, true, u"/pics/IMG.mov"_s};

} // namespace

class VoiceControlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsRecordingState_data();
    void showsRecordingState();
    void playsAndStopsWave();
    void keepsPlayingWhileAnotherPictureIsShown();
    void startsMoviePlayer();
    void waveTheBuiltInPlayerCannotPlayGoesToTheDesktop();
};

void VoiceControlTest::showsRecordingState_data()
{
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("hasA");
    QTest::addColumn<bool>("hasB");
    QTest::addColumn<VoiceRecording>("recording");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("hint");

    const QString noSound = u"Voice file (wave) available but no sound card found"_s;
    QTest::newRow("wave") << true << false << false << wave << true << int(Icon::Microphone)
                          << u"Play voice file (wave)"_s;
    QTest::newRow("wave, no sound, player B") << false << false << true << wave << true << int(Icon::MicrophoneCrossed)
                                              << noSound;
    QTest::newRow("wave, no sound, player A") << false << true << false << wave << false
                                              << int(Icon::MicrophoneCrossed) << noSound;
    QTest::newRow("movie, A and B") << false << true << true << movie << true << int(Icon::Movie)
                                    << u"Play voice file (mov) with mpv"_s;
    QTest::newRow("movie, B") << true << false << true << movie << true << int(Icon::Movie)
                              << u"Play voice file (mov) with VLC media player"_s;
    QTest::newRow("movie, no player") << true << false << false << movie << false << int(Icon::MovieCrossed)
                                      << u"Voice file (mov) available but both "
                                         "mpv/VLC/Celluloid/Totem/Dragon Player/Haruna/SMPlayer/MPlayer/ffplay "
                                         "and xdg-open not found"_s;
    QTest::newRow("none") << true << true << true << VoiceRecording() << false << int(Icon::MicrophoneCrossed)
                          << u"No voice file available"_s;
}

void VoiceControlTest::showsRecordingState()
{
    QFETCH(bool, sound);
    QFETCH(bool, hasA);
    QFETCH(bool, hasB);
    QFETCH(VoiceRecording, recording);
    FakePlayers players;
    PlayingMeans means{sound, std::nullopt, std::nullopt};
    if (hasA)
        means.moviePlayerA = playerA;
    if (hasB)
        means.moviePlayerB = playerB;
    VoiceControl control(means, players);
    QSignalSpy changed(&control, &VoiceControl::changed);
    control.ShowRecordingState(recording);
    QCOMPARE(changed.size(), 1);
    QTEST(control.isEnabled(), "enabled");
    QTEST(int(control.icon()), "icon");
    QTEST(control.hint(), "hint");
    QCOMPARE(control.audioPanelVisible(), recording.available);

    // A disabled control plays nothing.
    control.play();
    if (!control.isEnabled()) {
        QVERIFY(players.played.isEmpty());
        QVERIFY(players.started.isEmpty());
    }
}

void VoiceControlTest::playsAndStopsWave()
{
    FakePlayers players;
    VoiceControl control({true, playerA, playerB}, players);
    control.ShowRecordingState(wave);

    // A recording the player cannot open leaves the control as it was; one that is not there
    // goes to no other player either.
    players.opens = false;
    control.play();
    QCOMPARE(control.playState(), PlayState::Idle);
    QCOMPARE(control.icon(), Icon::Microphone);
    QVERIFY(players.started.isEmpty());

    players.opens = true;
    control.play();
    QCOMPARE(players.played.last(), wave.path);
    QCOMPARE(control.playState(), PlayState::Playing);
    QCOMPARE(control.icon(), Icon::Stop);
    QCOMPARE(control.hint(), u"Stop playing"_s);
    for (const PlayEnd end : {PlayEnd::Superseded, PlayEnd::Aborted})
        control.playEnded(end);
    QCOMPARE(control.playState(), PlayState::Playing);
    QCOMPARE(players.closed, 0);

    control.playEnded(PlayEnd::Successful);
    QCOMPARE(control.playState(), PlayState::Idle);
    QCOMPARE(control.icon(), Icon::Microphone);
    QCOMPARE(control.hint(), u"Play voice file (wave)"_s);
    QCOMPARE(players.closed, 1);
    // An end that comes after the stop changes nothing.
    control.playEnded(PlayEnd::Successful);
    QCOMPARE(players.closed, 1);

    // Pressed again while playing: stop.
    control.play();
    control.play();
    QCOMPARE(players.played.size(), 3);
    QCOMPARE(players.closed, 2);
    QCOMPARE(control.playState(), PlayState::Idle);
    QCOMPARE(control.icon(), Icon::Microphone);
}

void VoiceControlTest::keepsPlayingWhileAnotherPictureIsShown()
{
    FakePlayers players;
    VoiceControl control({true, std::nullopt, std::nullopt}, players);
    control.ShowRecordingState(wave);
    control.play();
    const VoiceRecording other{VoiceKind::Wave, true, u"/pics/IMG2.wav"_s};
    control.ShowRecordingState(other);
    QCOMPARE(control.playState(), PlayState::Playing);
    QCOMPARE(control.icon(), Icon::Microphone);
    control.ShowRecordingState(wave);
    QCOMPARE(control.icon(), Icon::Stop);

    // The next press stops what plays.
    control.ShowRecordingState(other);
    control.play();
    QCOMPARE(players.closed, 1);
    QCOMPARE(control.playState(), PlayState::Idle);
    QCOMPARE(players.played, QStringList{wave.path});
}

void VoiceControlTest::startsMoviePlayer()
{
    FakePlayers players;
    VoiceControl withA({false, playerA, playerB}, players);
    withA.ShowRecordingState(movie);
    withA.play();
    VoiceControl withB({false, std::nullopt, playerB}, players);
    withB.ShowRecordingState(movie);
    players.starts = false;
    withB.play();
    const QList<QPair<QString, QString>> expected{{playerA.name, movie.path}, {playerB.name, movie.path}};
    QCOMPARE(players.started, expected);
    // The player runs on its own, started or not.
    for (const VoiceControl *control : {&withA, &withB}) {
        QCOMPARE(control->playState(), PlayState::Idle);
        QCOMPARE(control->icon(), Icon::Movie);
    }
    QVERIFY(players.played.isEmpty());

    // Without a sound device a wave recording goes to the external player instead of playing
    // into nothing, and the control never waits for an end that cannot come.
    VoiceControl silent({false, playerA, playerB}, players);
    silent.ShowRecordingState(wave);
    players.started.clear();
    silent.play();
    QCOMPARE(players.started, (QList<QPair<QString, QString>>{{playerB.name, wave.path}}));
    QVERIFY(players.played.isEmpty());
    QCOMPARE(silent.playState(), PlayState::Idle);
}

void VoiceControlTest::waveTheBuiltInPlayerCannotPlayGoesToTheDesktop()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"IMG.wav"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4);
    file.close();
    const VoiceRecording undecodable{VoiceKind::Wave, true, path};
    for (const bool desktop : {true, false}) {
        FakePlayers players;
        VoiceControl control({true, playerA, desktop ? std::optional(playerB) : std::nullopt}, players);
        control.ShowRecordingState(undecodable);
        const QPair<QString, QString> handedOver{desktop ? playerB.name : playerA.name, path};

        // Refused at once by the built-in player.
        players.opens = false;
        control.play();
        QCOMPARE(players.started, QList{handedOver});
        QCOMPARE(control.playState(), PlayState::Idle);

        // Found undecodable once playing: the control is back on its play icon.
        players.opens = true;
        control.play();
        QCOMPARE(control.icon(), Icon::Stop);
        control.playEnded(PlayEnd::Failed);
        QCOMPARE(control.playState(), PlayState::Idle);
        QCOMPARE(control.icon(), Icon::Microphone);
        QCOMPARE(control.hint(), u"Play voice file (wave)"_s);
        QCOMPARE(players.closed, 1);
        QCOMPARE(players.started, (QList{handedOver, handedOver}));
    }
    // Without any external player it is simply not played.
    FakePlayers players;
    VoiceControl control({true, std::nullopt, std::nullopt}, players);
    control.ShowRecordingState(undecodable);
    control.play();
    control.playEnded(PlayEnd::Failed);
    QCOMPARE(control.playState(), PlayState::Idle);
    QVERIFY(players.started.isEmpty());
}

QTEST_GUILESS_MAIN(VoiceControlTest)
#include "voicecontroltest.moc"
