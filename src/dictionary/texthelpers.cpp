#include "dictionary/texthelpers.h"

namespace Dictionary {

namespace {

bool isPlainLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

} // namespace

QChar FoldAccent(QChar c)
{
    switch (c.unicode()) {
    case 0xE1: case 0xE0: case 0xE4: case 0xE2: case 0xE5:
        return u'a';
    case 0xE9: case 0xE8: case 0xEB: case 0xEA:
        return u'e';
    case 0xED: case 0xEC: case 0xEF: case 0xEE:
        return u'i';
    case 0xF3: case 0xF2: case 0xF6: case 0xF4: case 0xF8:
        return u'o';
    case 0xFA: case 0xF9: case 0xFC: case 0xFB:
        return u'u';
    case 0xF1:
        return u'n';
    case 0xE7:
        return u'c';
    default:
        return c;
    }
}

QString FoldText(const QString &text)
{
    QString folded = text;
    for (QChar &c : folded) {
        if (!isPlainLetter(c))
            c = FoldAccent(c);
    }
    return folded;
}

QString FoldEdgeLetter(const QString &text, Edge which)
{
    QString lower = text.toLower();
    if (lower.isEmpty())
        return lower;
    const qsizetype at = which == Edge::First ? 0 : lower.size() - 1;
    const QChar c = lower.at(at);
    if (isPlainLetter(c) || (c >= u'0' && c <= u'9') || c == u' ')
        return lower;
    const QChar folded = FoldAccent(c);
    if (isPlainLetter(folded))
        lower[at] = folded;
    return lower;
}

bool IsSeparatorChar(QChar c)
{
    return c == u'.' || c == u',' || c == u';' || c == u':' || c == u' ';
}

QString TrimSeparators(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && IsSeparatorChar(text.at(end - 1)))
        --end;
    qsizetype start = 0;
    while (start < end && IsSeparatorChar(text.at(start)))
        ++start;
    return text.mid(start, end - start);
}

QString CleanFileTitle(const QString &text, bool keepDot, bool stripTail)
{
    QString title = text;
    const qsizetype dot = title.lastIndexOf(u'.');
    if (dot >= 0) {
        const QStringView tail = QStringView(title).mid(dot + 1);
        if (!tail.contains(u'\\') && !tail.contains(u':'))
            title.truncate(keepDot ? dot + 1 : dot);
    }
    if (stripTail) {
        while (!title.isEmpty() && !isPlainLetter(FoldAccent(title.back().toLower())))
            title.chop(1);
    }
    return title;
}

QString LastWord(const QString &text)
{
    const qsizetype space = text.lastIndexOf(u' ');
    return space < 0 ? text : text.mid(space + 1);
}

QString TrimRightSpaces(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

QList<int> FindAllOccurrences(const QString &text, const QString &part)
{
    QList<int> starts;
    if (part.isEmpty())
        return starts;
    qsizetype from = 0;
    while ((from = text.indexOf(part, from)) >= 0) {
        starts.append(int(from));
        from += part.size();
    }
    return starts;
}

} // namespace Dictionary
