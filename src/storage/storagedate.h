#pragma once

#include <QDateTime>
#include <QString>

namespace Storage {

// The day a picture is stored under: its date taken ("yyyy-mm-dd hh:mm:ss", empty when none
// could be read) or else its file date, moved back by shiftMidnight hours. With a shift of 3 a
// picture taken at 02:30 counts as taken the day before; a negative shift moves the date forward
// (pictures taken in another time zone). Shifts beyond a day either way count as a whole day.
// The hours are counted on the clock, so a daylight-saving change never moves a picture to
// another day; the result is a local date-time whose date() is the storage date.
QDateTime StorageDate(const QString &dateTaken, const QDateTime &fileDate, int shiftMidnight);

// The same day and time as a UTC date-time that reads as the clock does: comparing and taking
// the date of it needs no time-zone lookup, which counts when thousands of pictures are
// planned. Invalid when neither date is.
QDateTime StorageClock(const QString &dateTaken, const QDateTime &fileDate, int shiftMidnight);

} // namespace Storage
