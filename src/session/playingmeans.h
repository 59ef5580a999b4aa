#pragma once

#include "platform/movieplayers.h"

#include <optional>

namespace Session {

// What this machine offers for playing voice recordings, found once when the main window is made.
struct PlayingMeans
{
    // At least one sound output device.
    bool soundOutput = false;
    std::optional<Platform::MoviePlayer> moviePlayerA;
    std::optional<Platform::MoviePlayer> moviePlayerB;
};

} // namespace Session
