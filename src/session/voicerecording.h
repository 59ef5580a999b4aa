#pragma once

#include <QString>

namespace Session {

// The kind of a voice recording: "W" a wave recording, "Q" a movie-format one.
enum class VoiceKind { Wave, Movie };

// A picture's voice recording as the play control shows it: a wave recording when the picture
// has none at all.
struct VoiceRecording
{
    VoiceKind kind = VoiceKind::Wave;
    bool available = false;
    // The recording's file; empty when none is available.
    QString path;

    bool operator==(const VoiceRecording &) const = default;
};

} // namespace Session
