#include "compose/numberelement.h"

#include <algorithm>

namespace Compose {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

constexpr int defaultDigits = 3;

} // namespace

QString NumberElement::extract(const QString &title, Direction direction)
{
    QString text = title;
    if (direction == Direction::RightToLeft)
        std::reverse(text.begin(), text.end());
    const qsizetype first = std::find_if(text.cbegin(), text.cend(), isDigit) - text.cbegin();
    qsizetype end = first;
    while (end < text.size() && isDigit(text.at(end)))
        ++end;
    QString digits = text.mid(first, end - first);
    if (direction == Direction::RightToLeft)
        std::reverse(digits.begin(), digits.end());
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits.at(zeros) == u'0')
        ++zeros;
    return digits.mid(zeros);
}

QString NumberElement::fit(const QString &number, int digits, bool *cut)
{
    *cut = false;
    if (number.isEmpty())
        return number;
    if (number.size() > digits) {
        *cut = true;
        return number.right(digits);
    }
    return QString(digits - number.size(), u'0') + number;
}

int NumberElement::digitsFromIndex(qint32 index)
{
    const int digits = index + 1;
    return digits >= minDigits && digits <= maxDigits ? digits : defaultDigits;
}

NumberElement::NumberElement(Source source, Direction direction, int digits, qint64 startValue)
    : m_source(source), m_direction(direction), m_digits(digits), m_counter(startValue),
      m_start(startValue)
{
}

void NumberElement::assign(QHash<QString, qint64> places, bool keepStart)
{
    m_counter = keepStart ? m_start : m_start + places.size();
    m_places = std::move(places);
}

qint64 NumberElement::valueFor(const QString &currentTitle) const
{
    const auto place = m_places.constFind(currentTitle);
    return place != m_places.constEnd() ? m_start + *place : m_counter;
}

QString NumberElement::next(const QString &currentTitle, qint32 *warning)
{
    QString number;
    switch (m_source) {
    case Source::None:
        return {};
    case Source::Extract:
        number = extract(currentTitle, m_direction);
        break;
    case Source::Counter:
        if (const auto place = m_places.constFind(currentTitle); place != m_places.constEnd()) {
            number = QString::number(m_start + *place);
        } else {
            number = QString::number(m_counter);
            ++m_counter;
        }
        break;
    }
    if (number.isEmpty()) {
        *warning = 1;
        return {};
    }
    bool cut = false;
    number = fit(number, m_digits, &cut);
    if (cut)
        *warning = m_source == Source::Extract ? 3 : 2;
    return number;
}

} // namespace Compose
