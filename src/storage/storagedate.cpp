#include "storage/storagedate.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Storage {

QDateTime StorageDate(const QString &dateTaken, const QDateTime &fileDate, int shiftMidnight)
{
    // Parsed as date and time apart: a time that a daylight-saving change skips still counts.
    const QDate takenDate = QDate::fromString(dateTaken.left(10), u"yyyy-MM-dd"_s);
    const QTime takenTime = QTime::fromString(dateTaken.mid(11, 8), u"HH:mm:ss"_s);
    const bool hasTaken = dateTaken.size() == 19 && takenDate.isValid() && takenTime.isValid();
    // Wall-clock arithmetic: in UTC an hour is always an hour.
    const QDateTime clock = hasTaken ? QDateTime(takenDate, takenTime, Qt::UTC)
                                     : QDateTime(fileDate.date(), fileDate.time(), Qt::UTC);
    const QDateTime shifted = clock.addSecs(-qint64(std::clamp(shiftMidnight, -24, 24)) * 3600);
    return QDateTime(shifted.date(), shifted.time());
}

} // namespace Storage
