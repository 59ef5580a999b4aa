#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

namespace Settings {
struct SessionSettingsRec;
}

namespace Compose {

// The stage-3 choices that shape the date/time element's text.
struct DateTimeOptions
{
    bool useDate = false;
    int dateFormat = 0;
    bool useTime = false;
    int timeFormat = 0;
    // Index of the "Date/Day/Time separator:" choice, the four choices of the element separator.
    int separator = 0;
    bool addNameOfDay = false;
    bool abbreviateNameOfDay = false;
    // 0: right of the date, 1: left of it.
    int dayNamePlacement = 0;

    static DateTimeOptions fromSettings(const Settings::SessionSettingsRec &rec);

    bool operator==(const DateTimeOptions &) const = default;
};

// The twelve date formats, the eight time formats and the formatting of the element's text.
namespace DateTimeFormat {

constexpr int dateFormatCount = 12;
constexpr int timeFormatCount = 8;

// The labels the format choices show, in index order ("yyyymmdd", ..., "hh.mm am").
QStringList dateFormatCaptions();
QStringList timeFormatCaptions();
// A stored index as a control shows it: the index itself, or 0 outside the range.
int validDateFormat(int index);
int validTimeFormat(int index);

// The date in a format: four-digit or two-digit year, month and day, all with leading zeros.
QString formatDate(const QDate &date, int format);
// The time in a format; the 12-hour forms write 12 for the hours 0 and 12 and end in " AM"
// before noon and " PM" from noon on.
QString formatTime(const QTime &time, int format);

// The day name of the date from the locale, long or abbreviated, its first letter upper-cased
// with the locale's case mapping and the rest unchanged.
QString dayName(const QDate &date, bool abbreviated, const QLocale &locale);

// The element's text: the date (with the day name when the options ask for it), then the time
// when includeTime is set, joined by the separator. A day name never comes without the date.
QString format(const DateTimeOptions &options, const QDate &date, const QTime &time, bool includeTime,
               const QLocale &locale);

} // namespace DateTimeFormat

} // namespace Compose
