#include "compose/datetimeformat.h"

#include "compose/elementseparator.h"

#include "settings/sessionsettingsrec.h"

using namespace Qt::StringLiterals;

namespace Compose {

DateTimeOptions DateTimeOptions::fromSettings(const Settings::SessionSettingsRec &rec)
{
    DateTimeOptions options;
    options.useDate = rec.useDate;
    options.dateFormat = rec.dateFormat;
    options.useTime = rec.useTime;
    options.timeFormat = rec.timeFormat;
    options.separator = rec.dateTimeSeparator;
    options.addNameOfDay = rec.addNameOfDay;
    options.abbreviateNameOfDay = rec.abbreviateNameOfDay;
    options.dayNamePlacement = rec.dayNamePlacement;
    return options;
}

namespace DateTimeFormat {

namespace {

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

QStringList dateFormatCaptions()
{
    return {u"yyyymmdd"_s, u"ddmmyyyy"_s, u"mmddyyyy"_s, u"yyyy-mm-dd"_s, u"dd-mm-yyyy"_s, u"mm-dd-yyyy"_s,
            u"yymmdd"_s,   u"ddmmyy"_s,   u"mmddyy"_s,   u"yy-mm-dd"_s,   u"dd-mm-yy"_s,   u"mm-dd-yy"_s};
}

QStringList timeFormatCaptions()
{
    return {u"hhmmss"_s,   u"hhmmss am"_s,   u"hhmm"_s,  u"hhmm am"_s,
            u"hh.mm.ss"_s, u"hh.mm.ss am"_s, u"hh.mm"_s, u"hh.mm am"_s};
}

int validDateFormat(int index)
{
    return index >= 0 && index < dateFormatCount ? index : 0;
}

int validTimeFormat(int index)
{
    return index >= 0 && index < timeFormatCount ? index : 0;
}

QString formatDate(const QDate &date, int format)
{
    format = validDateFormat(format);
    // Formats 6..11 repeat 0..5 with a two-digit year.
    const bool shortYear = format >= 6;
    const QString year = shortYear ? twoDigits(date.year() % 100) : QString::number(date.year()).rightJustified(4, u'0');
    const QString month = twoDigits(date.month());
    const QString day = twoDigits(date.day());
    const QString hyphen = (format % 6) >= 3 ? u"-"_s : QString();
    switch (format % 3) {
    case 0:
        return year + hyphen + month + hyphen + day;
    case 1:
        return day + hyphen + month + hyphen + year;
    default:
        return month + hyphen + day + hyphen + year;
    }
}

QString formatTime(const QTime &time, int format)
{
    format = validTimeFormat(format);
    const bool twelveHour = format % 2 == 1;
    const bool withSeconds = format % 4 < 2;
    const QString point = format >= 4 ? u"."_s : QString();
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text = twoDigits(hour) + point + twoDigits(time.minute());
    if (withSeconds)
        text += point + twoDigits(time.second());
    if (twelveHour)
        text += time.hour() < 12 ? u" AM"_s : u" PM"_s;
    return text;
}

QString dayName(const QDate &date, bool abbreviated, const QLocale &locale)
{
    const QString name = locale.dayName(date.dayOfWeek(), abbreviated ? QLocale::ShortFormat : QLocale::LongFormat);
    if (name.isEmpty())
        return name;
    return locale.toUpper(name.left(1)) + name.mid(1);
}

QString format(const DateTimeOptions &options, const QDate &date, const QTime &time, bool includeTime,
               const QLocale &locale)
{
    const QString separator = ElementSeparator::text(options.separator);
    QString text;
    if (options.useDate) {
        text = formatDate(date, options.dateFormat);
        if (options.addNameOfDay) {
            const QString day = dayName(date, options.abbreviateNameOfDay, locale);
            text = options.dayNamePlacement == 1 ? day + separator + text : text + separator + day;
        }
    }
    if (options.useTime && includeTime) {
        if (options.useDate)
            text += separator;
        text += formatTime(time, options.timeFormat);
    }
    return text;
}

} // namespace DateTimeFormat

} // namespace Compose
