#pragma once

#include "platform/dialogs.h"

namespace App {

// The information messages with a "Show this message next time" check box, by number.
namespace InfoMessage {
constexpr int AnotherWayToStart = 1;
constexpr int DictionaryFull = 4;
constexpr int RemovableDrive = 5;
constexpr int ClipboardToStaticDictionary = 8;
} // namespace InfoMessage

// The dialog of message number; startedWithFolder picks the wording of message 1.
// cancelButton() tells which button, if any, answers Cancel.
Platform::Question infoMessage(int number, bool startedWithFolder = false);
int infoMessageCancelButton(int number);

} // namespace App
