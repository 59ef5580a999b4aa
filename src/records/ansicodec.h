#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Records {

// The single-byte code page of every work file: Windows-1252, on every machine, so that the
// files stay byte-compatible wherever they were written.
namespace AnsiCodec {

// One byte per character; a character the code page has no byte for becomes '?', a surrogate
// pair included (one '?' for the pair).
QByteArray encode(QStringView text);
// The first bytes of encode(text), at most capacity of them, written to out; returns how many.
qsizetype encode(QStringView text, char *out, qsizetype capacity);
QString decode(QByteArrayView bytes);
// True when the character survives encode() unchanged.
bool canEncode(char32_t codePoint);

} // namespace AnsiCodec

} // namespace Records
