#include "compose/clockoffset.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Compose {

namespace {

const QString clockFormat = u"yyyy-MM-dd HH:mm:ss"_s;

} // namespace

QString ClockOffset::text(qint64 seconds)
{
    if (seconds == 0)
        return u"0:00:00"_s;
    const QChar sign = seconds < 0 ? u'-' : u'+';
    qint64 rest = seconds < 0 ? -seconds : seconds;
    const qint64 days = rest / 86400;
    rest %= 86400;
    QString result(sign);
    if (days > 0)
        result += QString::number(days) + u"d "_s;
    result += QString::number(rest / 3600) + u':' + QString::number(rest % 3600 / 60).rightJustified(2, u'0') + u':'
              + QString::number(rest % 60).rightJustified(2, u'0');
    return result;
}

std::optional<qint64> ClockOffset::parse(const QString &text)
{
    static const QRegularExpression shape(
        u"^\\s*([+-]?)\\s*(?:(\\d{1,4})\\s*d\\s*)?(?:(\\d{1,5})(?::(\\d{1,2}))?(?::(\\d{1,2}))?)?\\s*$"_s);
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0))
        return std::nullopt;
    const qint64 minutes = match.captured(4).toLongLong();
    const qint64 seconds = match.captured(5).toLongLong();
    if (minutes > 59 || seconds > 59)
        return std::nullopt;
    const qint64 total =
        match.captured(2).toLongLong() * 86400 + match.captured(3).toLongLong() * 3600 + minutes * 60 + seconds;
    if (total > maxSeconds)
        return std::nullopt;
    return match.captured(1) == u"-"_s ? -total : total;
}

QDateTime ClockOffset::clockOf(const QString &dateTaken)
{
    if (dateTaken.size() != 19)
        return {};
    // Date and time apart: a local reading would refuse a time a daylight-saving change skips.
    const QDate date = QDate::fromString(dateTaken.left(10), u"yyyy-MM-dd"_s);
    const QTime time = QTime::fromString(dateTaken.mid(11), u"HH:mm:ss"_s);
    if (!date.isValid() || !time.isValid() || dateTaken.at(10) != u' ')
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QString ClockOffset::apply(const QString &dateTaken, qint64 seconds)
{
    if (seconds == 0)
        return dateTaken;
    const QDateTime clock = clockOf(dateTaken);
    if (!clock.isValid())
        return dateTaken;
    return clock.addSecs(seconds).toString(clockFormat);
}

std::optional<qint64> ClockOffset::between(const QString &dateTaken, const QDateTime &realTime)
{
    const QDateTime clock = clockOf(dateTaken);
    if (!clock.isValid() || !realTime.isValid())
        return std::nullopt;
    return clock.secsTo(QDateTime(realTime.date(), realTime.time(), Qt::UTC));
}

} // namespace Compose
