#pragma once

#include "app/commandoutcome.h"

#include <QByteArray>
#include <QString>

namespace App {

// The outcome of a command as text for a person: the report as the window shows it, its columns
// lined up with spaces, then what the run or the undo did.
QString commandText(const CommandOutcome &outcome);
// The outcome as one JSON document for scripts.
QByteArray commandJson(const CommandOutcome &outcome);

} // namespace App
