#include "dictionary/wordhelpers.h"

#include "records/titletext.h"

#include <QtGlobal>

namespace Dictionary {

namespace {

constexpr QChar space = u' ';

int length(const QString &text)
{
    return int(text.size());
}

} // namespace

bool IsIllegalTitleChar(QChar c)
{
    return Records::isIllegalTitleCharacter(c);
}

LineSelection SelectWordAt(const QString &text, int caret, int selectionLength)
{
    const int size = length(text);
    int start = qBound(0, caret, size);
    if (selectionLength > 0) {
        int end = qMin(start + selectionLength, size);
        while (start > 0 && text.at(start - 1) == space)
            --start;
        while (start > 0 && text.at(start - 1) != space)
            --start;
        return {start, end - start};
    }
    while (start > 0 && text.at(start - 1) != space)
        --start;
    if (start >= size)
        return {start, 0};
    // The character at the start counts even when it is a space, so that the caret between two
    // spaces selects one of them rather than nothing.
    int end = start + 1;
    while (end < size && text.at(end) != space)
        ++end;
    return {start, end - start};
}

QString ToggleInitial(const QString &text, Initial which, int caret)
{
    const int size = length(text);
    if (size == 0)
        return text;
    caret = qBound(0, caret, size);
    int at = 0;
    if (caret > 0) {
        if (text.at(caret - 1) == space && caret < size && text.at(caret) != space) {
            at = caret;
        } else {
            at = caret - 1;
            // Back to the word's first character, never over a space into the word before.
            while (at > 0 && text.at(at) != space && text.at(at - 1) != space)
                --at;
        }
    }
    if (text.at(at) == space)
        return text;
    QString result = text;
    result[at] = which == Initial::Upper ? text.at(at).toUpper() : text.at(at).toLower();
    return result;
}

ResRemoveWord RemoveWordAt(const QString &text, int caret)
{
    ResRemoveWord result;
    const int size = length(text);
    if (size == 0)
        return result;
    caret = qBound(0, caret, size);
    const int start = caret == 0 ? 0 : int(text.lastIndexOf(space, caret - 1)) + 1;
    int end = int(text.indexOf(space, caret));
    if (end < 0)
        end = size;
    int removeFrom = start;
    int removeTo = end;
    if (start > 0)
        removeFrom = start - 1;
    else if (end < size)
        removeTo = end + 1;
    result.WordRemoved = text.mid(removeFrom, removeTo - removeFrom);
    result.RemovedFromPosition = removeFrom + 1;
    result.Title = text.left(removeFrom) + text.mid(removeTo);
    return result;
}

ResRemoveWord MoveWord(const ResRemoveWord &removed, Direction direction)
{
    ResRemoveWord result = removed;
    if (removed.RemovedFromPosition < 1)
        return result;
    const QString &title = removed.Title;
    const int size = length(title);
    QString word = removed.WordRemoved;
    // 1-based positions, as the removed word's own position.
    auto at = [&title](int position) { return title.at(position - 1); };
    int position = qMin(removed.RemovedFromPosition, size);
    if (size == 0) {
        result.Title = word;
        result.NewPosition = 0;
        return result;
    }
    if (direction == Direction::Backward) {
        while (position > 1 && at(position) == space)
            --position;
        while (position > 1 && at(position) != space)
            --position;
        // The word becomes the first one: its space goes behind it to part it from the next.
        if (position == 1 && removed.RemovedFromPosition != 1 && word.startsWith(space))
            word = word.mid(1) + space;
        result.Title = title.left(position - 1) + word + title.mid(position - 1);
        result.NewPosition = position == 1 ? 0 : position;
    } else {
        while (position <= size && at(position) == space)
            ++position;
        while (position <= size && at(position) != space)
            ++position;
        // The first word no longer starts the text: its space goes in front of it.
        if (removed.RemovedFromPosition == 1 && word.endsWith(space))
            word = space + word.chopped(1);
        result.Title = title.left(position - 1) + word + title.mid(position - 1);
        result.NewPosition = position;
    }
    return result;
}

int NextWordStart(const QString &text, int caret, Direction direction)
{
    const int size = length(text);
    int position = qBound(0, caret, size);
    if (direction == Direction::Forward) {
        while (position < size && text.at(position) != space)
            ++position;
        while (position < size && text.at(position) == space)
            ++position;
        return position < size ? position : 0;
    }
    if (position == 0)
        position = size;
    while (position > 0 && text.at(position - 1) == space)
        --position;
    while (position > 0 && text.at(position - 1) != space)
        --position;
    return position;
}

int PrevWordEnd(int caret, const QString &text)
{
    const int size = length(text);
    int position = qBound(0, caret, size);
    if (position > 0 && position < size && text.at(position) == space)
        --position;
    while (position > 0 && text.at(position - 1) != space)
        --position;
    while (position > 0 && text.at(position - 1) == space)
        --position;
    return position;
}

} // namespace Dictionary
