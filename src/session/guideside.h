#pragma once

namespace Session {

// Where the guide window stands, as seen from the main window: the questions that point the
// user to it say so.
enum class GuideSide { Right, Left, OverPicture, BelowTable };

} // namespace Session
