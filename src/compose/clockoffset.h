#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace Compose {

// A camera clock's error as the seconds to add to what the camera wrote, and its text:
// a sign, whole days as "Nd " when there are any, then hours:minutes:seconds ("+1:12:00",
// "-2d 3:00:05"); no offset is "0:00:00".
class ClockOffset final
{
public:
    static constexpr qint64 maxSeconds = 3650LL * 86400;

    static QString text(qint64 seconds);
    // Reads what text() writes, with an optional sign, optional days and hours with optional
    // minutes and seconds ("-1:30" is an hour and a half back); nothing for anything else or an
    // offset beyond ten years.
    static std::optional<qint64> parse(const QString &text);

    // The date-taken text "yyyy-mm-dd hh:mm:ss" moved by seconds, on the clock (no time zone
    // or daylight-saving change between); an empty or unreadable text stays as it is.
    static QString apply(const QString &dateTaken, qint64 seconds);
    // The date-taken text as a clock reading in UTC (no zone lookups); invalid when unreadable.
    static QDateTime clockOf(const QString &dateTaken);
    // The offset that makes dateTaken read realTime; nothing when dateTaken is unreadable.
    static std::optional<qint64> between(const QString &dateTaken, const QDateTime &realTime);
};

} // namespace Compose
