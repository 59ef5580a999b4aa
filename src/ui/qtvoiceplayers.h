#pragma once

#include "session/voicecontrol.h"
#include "session/voiceplayers.h"

#include <QObject>

class QSoundEffect;

namespace Ui {

// The players of voice recordings: wave recordings play in the program through a Qt sound
// effect, which needs no media framework of the system; movie players run as processes of their
// own.
class QtVoicePlayers final : public QObject, public Session::VoicePlayers
{
    Q_OBJECT

public:
    explicit QtVoicePlayers(QObject *parent = nullptr);
    ~QtVoicePlayers() override;

    // Whether the system has a sound output device.
    static bool hasSoundOutput();

    bool playWave(const QString &path) override;
    void closeWave() override;
    bool startMoviePlayer(const Platform::MoviePlayer &player, const QString &path) override;

Q_SIGNALS:
    // The wave recording opened last stopped playing by itself; never after closeWave.
    void waveEnded(Session::VoiceControl::PlayEnd end);

private:
    QSoundEffect *m_effect = nullptr;
    // A recording is open, and it has begun to play.
    bool m_open = false;
    bool m_started = false;
};

} // namespace Ui
