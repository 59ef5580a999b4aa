#include "records/daycount.h"

#include <cmath>

namespace Records::DayCount {

namespace {
constexpr double millisecondsPerDay = 86400000.0;
const QDate epoch(1899, 12, 30);
} // namespace

double fromDateTime(const QDateTime &dateTime)
{
    const qint64 days = epoch.daysTo(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / millisecondsPerDay;
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime toDateTime(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return {};
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    qint64 milliseconds = qint64(std::llround(fraction * millisecondsPerDay));
    qint64 dayOffset = qint64(whole);
    if (milliseconds >= qint64(millisecondsPerDay)) {
        milliseconds -= qint64(millisecondsPerDay);
        ++dayOffset;
    }
    return QDateTime(epoch.addDays(dayOffset), QTime::fromMSecsSinceStartOfDay(int(milliseconds)));
}

} // namespace Records::DayCount
