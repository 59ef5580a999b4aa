#pragma once

#include <QString>

namespace Platform {
struct MoviePlayer;
}

namespace Session {

// The players of voice recordings: the built-in player of wave recordings and the launcher of
// external movie players. The built-in player tells the end of playing to
// VoiceControl::playEnded.
class VoicePlayers
{
public:
    virtual ~VoicePlayers() = default;

    // Opens a wave recording and starts playing it; false when it cannot be opened or its sound is
    // of a kind the player cannot decode.
    virtual bool playWave(const QString &path) = 0;
    // Stops and closes the built-in player.
    virtual void closeWave() = 0;
    // Starts an external player on a movie-format recording without waiting for it; false when it
    // could not be started.
    virtual bool startMoviePlayer(const Platform::MoviePlayer &player, const QString &path) = 0;
};

} // namespace Session
