#include "dictionary/textlines.h"

namespace Dictionary {

namespace {

bool isIllegalCode(char16_t code)
{
    if (code > 255 || code < 32)
        return true;
    switch (code) {
    case 127: case 129: case 141: case 143: case 144: case 149: case 157: case 160: case 172: case 176: case 182:
    case u'\\': case u'/': case u':': case u'*': case u'?': case u'"': case u'|':
        return true;
    default:
        return false;
    }
}

bool isBlank(QChar c)
{
    return c == u' ' || c.unicode() < 32;
}

// Without spaces and control characters at both ends.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlank(text.at(first)))
        ++first;
    while (end > first && isBlank(text.at(end - 1)))
        --end;
    return text.mid(first, end - first);
}

} // namespace

QString ReplaceIllegalChars(const QString &line)
{
    QString cleaned = line;
    for (QChar &c : cleaned) {
        if (isIllegalCode(c.unicode()))
            c = u' ';
    }
    return cleaned;
}

QString CollapseSpaces(const QString &line)
{
    const QString trimmed = trimBlanks(line);
    QString collapsed;
    collapsed.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (c == u' ' && collapsed.endsWith(u' '))
            continue;
        collapsed.append(c);
    }
    return trimBlanks(collapsed);
}

QString ClipPart(const QString &line, int clipLength)
{
    if (line.size() <= clipLength)
        return line;
    // A space at the very start would give an empty part, and the line would never get shorter.
    const qsizetype space = clipLength > 0 ? line.lastIndexOf(u' ', clipLength - 1) : -1;
    QString part = space > 0 ? line.left(space) : line.left(qMax(clipLength, 1));
    while (part.endsWith(u' '))
        part.chop(1);
    return part;
}

QStringList TitlesOfLine(const QString &line, int clipLength)
{
    QStringList titles;
    QString clean = CollapseSpaces(ReplaceIllegalChars(line));
    while (!clean.isEmpty()) {
        const QString part = ClipPart(clean, clipLength);
        // The '.' is the extension ExamineTitle removes, so that a dot inside the part, as in
        // 'St. Ives harbour', is not taken for one.
        titles.append(trimBlanks(part.endsWith(u'.') ? part : part + u'.'));
        clean = part.size() >= clean.size() ? QString() : trimBlanks(clean.mid(part.size()));
    }
    return titles;
}

} // namespace Dictionary
