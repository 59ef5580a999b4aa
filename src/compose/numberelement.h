#pragma once

#include <QHash>
#include <QString>

namespace Compose {

// The number element: a number taken from the current title or from a counter that runs over
// the pictures of one test pass, fitted to a fixed number of digits.
class NumberElement final
{
public:
    enum class Direction { LeftToRight = 0, RightToLeft = 1 };
    enum class Source { None, Extract, Counter };

    static constexpr int minDigits = 1;
    static constexpr int maxDigits = 9;

    // The first run of digits of the title (file name with extension), read in the direction
    // given, without its leading zeros; empty when there is none or it holds only zeros.
    static QString extract(const QString &title, Direction direction);

    // The number with zeros in front up to digits characters, or its last digits characters
    // when it is longer; *cut tells whether it was cut. An empty number stays empty.
    static QString fit(const QString &number, int digits, bool *cut);

    // digits from a stored index 0..8; a damaged index counts as the default of 3 digits.
    static int digitsFromIndex(qint32 index);

    // The counter's start value as typed fits the digits; a source other than the counter
    // always fits.
    static bool startFits(const QString &startText, int digits) { return startText.size() <= digits; }

    // startValue: the counter's value for the first picture of the pass.
    NumberElement(Source source, Direction direction, int digits, qint64 startValue);

    // The number text of the next picture, in picture-table order; sets *warning to 1 (nothing
    // to extract), 2 (counter too long) or 3 (extracted number too long), else leaves it.
    QString next(const QString &currentTitle, qint32 *warning);

    // The counter's value for the picture after the last one composed.
    qint64 counter() const { return m_counter; }

    // Numbers the pictures in another order than they are composed in: the picture of each
    // current title gets the start value plus its place (see NumberOrder), and the counter
    // after the pass is the start value plus the count, or the start value itself when
    // keepStart (the numbers started again at each day or folder). Other titles count on as before.
    void assign(QHash<QString, qint64> places, bool keepStart);
    // The value the picture of currentTitle will get, as next() would give it now.
    qint64 valueFor(const QString &currentTitle) const;

private:
    Source m_source;
    Direction m_direction;
    int m_digits;
    qint64 m_counter;
    qint64 m_start;
    QHash<QString, qint64> m_places;
};

} // namespace Compose
