#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace App {

// How the example line fits the room it has: the new title is always shown whole. The current
// title before the arrow gives way first (shortened in its middle); when even the new title alone
// does not fit beside the arrow, it goes on lines of its own below, broken where a line is full.
class ExampleFit final
{
public:
    // The width of a text in the plain font and in the bold font of the new title.
    using Width = std::function<int(const QString &)>;

    struct Lines
    {
        // The current title as shown, with the arrow after it.
        QString current;
        // The new title, one item per line; with more than one, or with below set, they stand
        // under the current title.
        QStringList title;
        bool below = false;
    };

    static QString arrow();
    static Lines fit(const QString &current, const QString &title, int room, const Width &plain, const Width &bold);
    // text shortened in its middle with an ellipsis until it is at most room wide.
    static QString elideMiddle(const QString &text, int room, const Width &width);
};

} // namespace App
