#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Records {

// The text of the work files' short strings: UTF-8, the system code page of Linux, so that every
// name and text the user can type is stored as it is. Files written before held Windows-1252;
// their bytes are told apart by not being valid UTF-8, and read as Windows-1252.
namespace TextCodec {

// The UTF-8 bytes of text; a lone surrogate, which no character is, becomes U+FFFD.
QByteArray encode(QStringView text);
// The longest part of encode(text) that ends on a character boundary and fits capacity bytes,
// written to out; returns how many bytes. A character is never cut in two: one that does not
// fit whole is left out with everything after it.
qsizetype encode(QStringView text, char *out, qsizetype capacity);
// The text as a field of capacity bytes gives it back: its longest beginning of whole characters
// whose UTF-8 fits.
QString fitted(QStringView text, qsizetype capacity);
// Bytes that are valid UTF-8 as UTF-8; any other bytes as Windows-1252, so that the files written
// before still read as they were meant.
QString decode(QByteArrayView bytes);
// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF, no cut sequence.
bool isValidUtf8(QByteArrayView bytes);

} // namespace TextCodec

} // namespace Records
