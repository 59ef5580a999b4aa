#include "ui/qtvoiceplayers.h"

#include "platform/movieplayers.h"
#include "session/waveformat.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace Ui {

using PlayEnd = Session::VoiceControl::PlayEnd;

QtVoicePlayers::QtVoicePlayers(QObject *parent) : QObject(parent) {}

QtVoicePlayers::~QtVoicePlayers() = default;

bool QtVoicePlayers::hasSoundOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

bool QtVoicePlayers::playWave(const QString &path)
{
    // The sound effect loads files when it gets round to it; a file it could never read is
    // refused here, while the user still looks at the play icon.
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    // The sound effect decodes plain PCM only, and of that not every kind on every system.
    if (!Session::WaveFormat::readFile(path).builtInPlays())
        return false;
    closeWave();
    // A new effect for every recording: one that is still loading the last never reports its end
    // for this one.
    if (m_effect) {
        m_effect->disconnect(this);
        m_effect->deleteLater();
    }
    m_effect = new QSoundEffect(this);
    connect(m_effect, &QSoundEffect::playingChanged, this, [this] {
        if (m_effect->isPlaying()) {
            m_started = true;
        } else if (m_open && m_started) {
            m_open = false;
            Q_EMIT waveEnded(PlayEnd::Successful);
        }
    });
    connect(m_effect, &QSoundEffect::statusChanged, this, [this] {
        if (m_open && m_effect->status() == QSoundEffect::Error)
            Q_EMIT waveEnded(PlayEnd::Failed);
    });
    m_open = true;
    m_started = false;
    m_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    // Plays as soon as the file is loaded.
    m_effect->play();
    return true;
}

void QtVoicePlayers::closeWave()
{
    m_open = false;
    if (m_effect)
        m_effect->stop();
}

bool QtVoicePlayers::startMoviePlayer(const Platform::MoviePlayer &player, const QString &path)
{
    return Platform::startMoviePlayer(player, path);
}

} // namespace Ui
