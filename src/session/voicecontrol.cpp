#include "session/voicecontrol.h"

#include "session/voiceplayers.h"
#include "session/voicerecordings.h"

#include "l10n/text.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Session {

using L10n::text;

namespace {

// The texts name two players; the names of the players of this machine go in their place, in
// whichever language the text is.
QString withPlayerNames(const QString &sentence, const QString &playerA, const QString &playerB)
{
    static const QString nameA = u"QuickTime"_s;
    static const QString nameB = u"Windows Media Player"_s;
    // One pass, so that a player's name is never itself taken for one of the two.
    QString result;
    for (qsizetype at = 0; at < sentence.size();) {
        const QStringView rest = QStringView(sentence).sliced(at);
        if (rest.startsWith(nameA)) {
            result += playerA;
            at += nameA.size();
        } else if (rest.startsWith(nameB)) {
            result += playerB;
            at += nameB.size();
        } else {
            result += sentence.at(at++);
        }
    }
    return result;
}

} // namespace

VoiceControl::VoiceControl(const PlayingMeans &means, VoicePlayers &players, QObject *parent)
    : QObject(parent), m_means(means), m_players(players)
{
    showState();
}

void VoiceControl::showPicture(const QString &picturePath)
{
    ShowRecordingState(picturePath.isEmpty() ? VoiceRecording() : VoiceRecordings::ofPicture(picturePath));
}

void VoiceControl::ShowRecordingState(const VoiceRecording &recording)
{
    m_recording = recording;
    // The picture whose recording plays, shown again, still offers to stop it.
    if (m_playState == PlayState::Playing && recording.available && recording.path == m_playingPath)
        showStop();
    else
        showState();
    Q_EMIT changed();
}

void VoiceControl::showStop()
{
    m_icon = Icon::Stop;
    m_hint = text(1172, "Stop playing");
}

void VoiceControl::showState()
{
    const bool movie = m_recording.kind == VoiceKind::Movie;
    const bool playerA = m_means.moviePlayerA.has_value();
    const bool playerB = m_means.moviePlayerB.has_value();
    if (!m_recording.available) {
        m_enabled = false;
        m_icon = movie ? Icon::MovieCrossed : Icon::MicrophoneCrossed;
        m_hint = text(94, "No voice file available");
        return;
    }
    m_enabled = (movie && playerA) || playerB || (!movie && m_means.soundOutput);
    if (movie) {
        m_icon = playerA || playerB ? Icon::Movie : Icon::MovieCrossed;
        if (playerA)
            m_hint = withPlayerNames(text(92, "Play voice file (mov) with QuickTime"), m_means.moviePlayerA->name, {});
        else if (playerB)
            m_hint = withPlayerNames(text(93, "Play voice file (mov) with Windows Media Player"), {},
                                     m_means.moviePlayerB->name);
        else
            m_hint = withPlayerNames(text(91, "Voice file (mov) available but both QuickTime and Windows Media Player not found"),
                                     Platform::moviePlayerNames(), Platform::desktopOpenerName());
    } else if (m_means.soundOutput) {
        m_icon = Icon::Microphone;
        m_hint = text(90, "Play voice file (wave)");
    } else {
        m_icon = Icon::MicrophoneCrossed;
        m_hint = text(89, "Voice file (wave) available but no sound card found");
    }
}

void VoiceControl::play()
{
    if (!m_enabled)
        return;
    if (m_icon == Icon::Movie) {
        const Platform::MoviePlayer &player = m_means.moviePlayerA ? *m_means.moviePlayerA : *m_means.moviePlayerB;
        // The player runs on its own; one that cannot be started leaves everything as it was.
        [[maybe_unused]] const bool started = m_players.startMoviePlayer(player, m_recording.path);
        return;
    }
    if (m_icon == Icon::MicrophoneCrossed && m_playState == PlayState::Idle) {
        // Without a sound device the built-in player would play into nothing and never end: the
        // wave goes to the external player that made the control usable.
        const Platform::MoviePlayer &player = m_means.moviePlayerB ? *m_means.moviePlayerB : *m_means.moviePlayerA;
        [[maybe_unused]] const bool started = m_players.startMoviePlayer(player, m_recording.path);
        return;
    }
    if (m_playState == PlayState::Playing) {
        m_players.closeWave();
        m_playState = PlayState::Idle;
        showState();
        Q_EMIT changed();
        return;
    }
    // A recording the player cannot open is not played by it, and nothing is said.
    if (!m_players.playWave(m_recording.path)) {
        handToExternalPlayer(m_recording.path);
        return;
    }
    m_playState = PlayState::Playing;
    m_playingPath = m_recording.path;
    showStop();
    Q_EMIT changed();
}

void VoiceControl::playEnded(PlayEnd end)
{
    if (m_playState != PlayState::Playing || (end != PlayEnd::Successful && end != PlayEnd::Failed))
        return;
    // A recording the player found it could not decode never ends playing: the control would
    // offer to stop it for good.
    m_players.closeWave();
    m_playState = PlayState::Idle;
    showState();
    Q_EMIT changed();
    if (end == PlayEnd::Failed)
        handToExternalPlayer(m_playingPath);
}

void VoiceControl::handToExternalPlayer(const QString &path)
{
    // A wave the built-in player cannot play goes to the desktop's player, as a movie-format
    // recording does; without one, or without the file, it is not played.
    if (!QFileInfo(path).isFile())
        return;
    const std::optional<Platform::MoviePlayer> &player =
        m_means.moviePlayerB ? m_means.moviePlayerB : m_means.moviePlayerA;
    if (!player)
        return;
    [[maybe_unused]] const bool started = m_players.startMoviePlayer(*player, path);
}

} // namespace Session
