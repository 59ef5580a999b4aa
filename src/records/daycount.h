#pragma once

#include <QDateTime>

namespace Records {

// Date-times in work files are doubles: whole days since 30 December 1899, the time of day as
// the fraction. Before that day the whole part counts back while the fraction still runs
// forward (-1.25 is 29 December 1899, 06:00), as the format has always done.
namespace DayCount {

double fromDateTime(const QDateTime &dateTime);
QDateTime toDateTime(double days);

} // namespace DayCount

} // namespace Records
