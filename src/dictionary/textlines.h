#pragma once

#include <QString>
#include <QStringList>

// The cleaning and clipping of lines of free text before they become Static titles.
namespace Dictionary {

// Every character above code 255 and every character file names or titles cannot hold (the
// control codes, 127, 129, 141, 143, 144, 149, 157, 160, 172, 176, 182 and \ / : * ? " |)
// becomes a space. '<' and '>' stay.
QString ReplaceIllegalChars(const QString &line);
// Without spaces and control characters at both ends, every run of spaces inside made one.
QString CollapseSpaces(const QString &line);
// The first part of line that fits clipLength characters: up to the last space within them, or
// the first clipLength characters when they hold no space; without trailing spaces. A line that
// fits is returned whole.
QString ClipPart(const QString &line, int clipLength);
// The titles a line of text gives, in order: the cleaned line cut into parts of at most
// clipLength characters, each ending in the '.' that ExamineTitle takes for an extension.
QStringList TitlesOfLine(const QString &line, int clipLength);

} // namespace Dictionary
