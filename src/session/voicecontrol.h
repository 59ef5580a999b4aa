#pragma once

#include "session/playingmeans.h"
#include "session/voicerecording.h"

#include <QObject>
#include <QString>

namespace Session {

class VoicePlayers;

// The play control of the picture shown: which recording it offers, how it looks and what it
// says, and playing that recording with the built-in player or an external movie player.
class VoiceControl final : public QObject
{
    Q_OBJECT

public:
    enum class Icon { Microphone, MicrophoneCrossed, Movie, MovieCrossed, Stop };
    // Playing: the built-in player plays a wave recording.
    enum class PlayState { Idle, Playing };
    // How the built-in player's playing ended.
    enum class PlayEnd { Successful, Superseded, Aborted, Failed };

    VoiceControl(const PlayingMeans &means, VoicePlayers &players, QObject *parent = nullptr);

    const PlayingMeans &means() const { return m_means; }

    // Shows the recording of the picture at this path; an empty path shows none.
    void showPicture(const QString &picturePath);
    // ShowRecordingState: called whenever a picture is shown. The play state stays as it is; the
    // recording that plays, shown again, keeps the stop icon.
    void ShowRecordingState(const VoiceRecording &recording);
    const VoiceRecording &recording() const { return m_recording; }

    bool isEnabled() const { return m_enabled; }
    Icon icon() const { return m_icon; }
    QString hint() const { return m_hint; }
    // The audio panel on the picture: shown while the picture has a recording.
    bool audioPanelVisible() const { return m_recording.available; }
    PlayState playState() const { return m_playState; }

    // The play command: starts the movie player while the movie icon is shown; otherwise stops
    // the built-in player while it plays, or starts it on the wave recording.
    void play();
    // The built-in player's end of playing. A successful or failed end while playing returns to
    // idle; a failed one hands the recording to the external player.
    void playEnded(PlayEnd end);

Q_SIGNALS:
    // The icon, hint, enabled state or play state changed.
    void changed();

private:
    void showState();
    void showStop();
    void handToExternalPlayer(const QString &path);

    PlayingMeans m_means;
    VoicePlayers &m_players;
    VoiceRecording m_recording;
    bool m_enabled = false;
    Icon m_icon = Icon::MicrophoneCrossed;
    QString m_hint;
    PlayState m_playState = PlayState::Idle;
    QString m_playingPath;
};

} // namespace Session
