#pragma once

#include <QString>

namespace Platform {
struct StatusMessage;
}

namespace Compose {

// The global prefix and suffix fields take at most this many bytes of UTF-8.
constexpr int globalTextLength = 30;
// Per-picture prefixes and suffixes are stored in at most this many bytes of UTF-8.
constexpr int pictureTextLength = 50;

// One of the nine characters no file or folder name may hold: / \ : * ? " < > |. Only codes
// 32..127 are checked; every other character is legal.
bool isIllegalTitleChar(QChar character);

// A field's text after the input rule.
struct CorrectedInput
{
    QString text;
    int caret = 0;
    // An illegal character was removed: show illegalCharacterStatus().
    bool refused = false;

    bool operator==(const CorrectedInput &) const = default;
};

// The input rule of the prefix and suffix fields, applied after every change of a field's text
// with the caret as the change left it. Every illegal character is removed, not only the one just
// typed, so that a pasted text cannot bring one in; the caret moves back by those before it.
// With maxLength >= 0 the text is then cut, as its record field keeps it, after the last whole
// character that fits maxLength bytes of UTF-8.
CorrectedInput correctInput(const QString &text, int caret, int maxLength = -1);

// "A file- or folder name cannot contain any of the following characters:" with the nine
// characters, as an error for 5 seconds with the error sound.
Platform::StatusMessage illegalCharacterStatus();

// A per-picture prefix or suffix as it is stored when its picture's free text is committed:
// without leading and trailing characters up to and including the space, and cut after the last
// whole character that fits pictureTextLength bytes of UTF-8.
QString storedPictureText(const QString &text);

} // namespace Compose
