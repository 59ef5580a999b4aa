#include "storage/storagedate.h"

#include <algorithm>

namespace Storage {

namespace {

// The number the ASCII digits of text spell, or -1 when any character is not one.
int digits(QStringView text)
{
    int value = 0;
    for (const QChar character : text) {
        if (character < u'0' || character > u'9')
            return -1;
        value = value * 10 + (character.unicode() - u'0');
    }
    return value;
}

} // namespace

QDateTime StorageClock(const QString &dateTaken, const QDateTime &fileDate, int shiftMidnight)
{
    // Read at the text's fixed positions, date and time apart: a time that a daylight-saving
    // change skips still counts.
    const QStringView text(dateTaken);
    QDate takenDate;
    QTime takenTime;
    if (text.size() == 19 && text.at(4) == u'-' && text.at(7) == u'-' && text.at(13) == u':' && text.at(16) == u':') {
        takenDate = QDate(digits(text.mid(0, 4)), digits(text.mid(5, 2)), digits(text.mid(8, 2)));
        takenTime = QTime(digits(text.mid(11, 2)), digits(text.mid(14, 2)), digits(text.mid(17, 2)));
    }
    const bool hasTaken = takenDate.isValid() && takenTime.isValid();
    // Wall-clock arithmetic: in UTC an hour is always an hour.
    const QDateTime clock = hasTaken ? QDateTime(takenDate, takenTime, Qt::UTC)
                                     : QDateTime(fileDate.date(), fileDate.time(), Qt::UTC);
    return clock.addSecs(-qint64(std::clamp(shiftMidnight, -24, 24)) * 3600);
}

QDateTime StorageDate(const QString &dateTaken, const QDateTime &fileDate, int shiftMidnight)
{
    const QDateTime clock = StorageClock(dateTaken, fileDate, shiftMidnight);
    return QDateTime(clock.date(), clock.time());
}

} // namespace Storage
