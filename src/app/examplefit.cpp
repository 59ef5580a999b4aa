#include "app/examplefit.h"

using namespace Qt::StringLiterals;

namespace App {

namespace {

const QString ellipsis = u"\u2026"_s;

// The title cut into lines of at most room, each as long as it can be (at least one character).
QStringList breakLines(const QString &title, int room, const ExampleFit::Width &width)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < title.size()) {
        qsizetype end = start + 1;
        while (end < title.size() && width(title.mid(start, end + 1 - start)) <= room)
            ++end;
        // A character pair that belongs together is never split.
        if (end < title.size() && title.at(end).isLowSurrogate())
            ++end;
        lines.append(title.mid(start, end - start));
        start = end;
    }
    return lines;
}

} // namespace

QString ExampleFit::arrow()
{
    return u" \u2192 "_s;
}

QString ExampleFit::elideMiddle(const QString &text, int room, const Width &width)
{
    if (width(text) <= room)
        return text;
    // Drop characters from the middle, alternately right and left of it, until the rest fits.
    qsizetype head = text.size() / 2;
    qsizetype tail = text.size() - head;
    bool fromHead = true;
    while (head + tail > 0) {
        if ((fromHead && head > 0) || tail == 0)
            --head;
        else
            --tail;
        fromHead = !fromHead;
        const QString shown = text.left(head) + ellipsis + text.right(tail);
        if (width(shown) <= room)
            return shown;
    }
    return width(ellipsis) <= room ? ellipsis : QString();
}

ExampleFit::Lines ExampleFit::fit(const QString &current, const QString &title, int room, const Width &plain,
                                  const Width &bold)
{
    const int arrowWidth = plain(arrow());
    const int titleWidth = bold(title);
    if (plain(current) + arrowWidth + titleWidth <= room)
        return {current + arrow(), {title}, false};
    if (titleWidth + arrowWidth + plain(ellipsis) <= room)
        return {elideMiddle(current, room - arrowWidth - titleWidth, plain) + arrow(), {title}, false};
    return {elideMiddle(current, room - arrowWidth, plain) + arrow(), breakLines(title, room, bold), true};
}

} // namespace App
