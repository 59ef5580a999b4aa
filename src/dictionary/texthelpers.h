#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The text helpers of the dictionaries and the edit line. Comparison keys are made by lower-casing a
// text and folding its accents, so that 'Café' and 'cafe' meet in the completion list.
namespace Dictionary {

// The 23 accented lower-case letters fold to their base letter; every other character is returned.
QChar FoldAccent(QChar c);
// Every character outside 'a'..'z' replaced by its FoldAccent. Used on lower-cased text.
QString FoldText(const QString &text);
enum class Edge { First, Last };
// The lower-cased text; when its first (or last) character is neither a letter 'a'..'z', a digit
// nor a space but folds to a letter, that one position carries the folded letter.
QString FoldEdgeLetter(const QString &text, Edge which);
// '.', ',', ';', ':' and space.
bool IsSeparatorChar(QChar c);
// Separator characters removed from the end, then from the start.
QString TrimSeparators(const QString &text);
// The file title without its extension (or only without the extension's letters when keepDot);
// with stripTail also without the trailing characters that are not letters.
QString CleanFileTitle(const QString &text, bool keepDot, bool stripTail);
// The part after the last space; the whole text without a space; empty for a text ending in one.
QString LastWord(const QString &text);
QString TrimRightSpaces(const QString &text);
// The 0-based start of every occurrence of part in text, left to right, not overlapping.
QList<int> FindAllOccurrences(const QString &text, const QString &part);

} // namespace Dictionary
