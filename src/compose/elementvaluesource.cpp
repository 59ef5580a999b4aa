#include "compose/elementvaluesource.h"

#include "compose/numberelement.h"
#include "compose/picturedates.h"

#include "metadata/filedate.h"
#include "metadata/picturemetadata.h"
#include "records/daycount.h"
#include "settings/sessionsettingsrec.h"

namespace Compose {

namespace {

enum Source { FromExif = 0, FromFile = 1, Picked = 2 };

// The whole number of characters first..first+count-1 (1-based), or -1 when they are not all digits.
int numberAt(const QString &text, int first, int count)
{
    if (text.size() < first - 1 + count)
        return -1;
    int value = 0;
    for (int i = first - 1; i < first - 1 + count; ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

ElementValueSource::ElementValueSource(const Settings::SessionSettingsRec &settings, NumberElement &number,
                                       const QLocale &locale, PictureDates *dates)
    : m_number(number), m_dates(dates), m_locale(locale), m_options(DateTimeOptions::fromSettings(settings)),
      m_dateSource(settings.dateSource), m_timeSource(settings.timeSource),
      m_pickedDate(Records::DayCount::toDateTime(settings.pickedDate).date()),
      m_pickedTime(Records::DayCount::toDateTime(settings.pickedTime).time())
{
}

std::optional<QDate> ElementValueSource::dateOfDateTaken(const QString &dateTaken)
{
    const QDate date(numberAt(dateTaken, 1, 4), numberAt(dateTaken, 6, 2), numberAt(dateTaken, 9, 2));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> ElementValueSource::timeOfDateTaken(const QString &dateTaken)
{
    const int hours = numberAt(dateTaken, 12, 2);
    const int minutes = numberAt(dateTaken, 15, 2);
    const int seconds = numberAt(dateTaken, 18, 2);
    if (!QTime::isValid(hours, minutes, seconds, 0))
        return std::nullopt;
    return QTime(hours, minutes, seconds);
}

QString ElementValueSource::numberText(const ComposeInput &input, qint32 *warning)
{
    return m_number.next(input.currentTitle, warning);
}

QString ElementValueSource::dateTimeText(const ComposeInput &input, qint32 *warning)
{
    QString dateTaken;
    if ((m_options.useDate && m_dateSource == FromExif) || (m_options.useTime && m_timeSource == FromExif))
        dateTaken = m_dates ? m_dates->dateTaken(input.picturePath)
                            : Metadata::readPictureMetadata(input.picturePath, Metadata::MetadataItem::DateTaken);
    std::optional<QDateTime> fileDate;
    const auto fileDateTime = [&] {
        if (!fileDate)
            fileDate = Metadata::fileDate(input.picturePath);
        return *fileDate;
    };
    const auto missingDateTaken = [warning] {
        if (*warning == 0)
            *warning = 4;
    };

    QDate date;
    if (m_options.useDate) {
        if (m_dateSource == FromFile) {
            date = fileDateTime().date();
        } else if (m_dateSource == Picked) {
            date = m_pickedDate;
        } else if (const auto taken = dateOfDateTaken(dateTaken)) {
            date = *taken;
        } else {
            missingDateTaken();
            date = fileDateTime().date();
        }
    }
    QTime time;
    if (m_options.useTime) {
        if (m_timeSource == FromFile) {
            time = fileDateTime().time();
        } else if (m_timeSource == Picked) {
            time = m_pickedTime;
        } else if (const auto taken = timeOfDateTaken(dateTaken)) {
            time = *taken;
        } else {
            missingDateTaken();
            time = fileDateTime().time();
        }
    }
    return DateTimeFormat::format(m_options, date, time, true, m_locale);
}

} // namespace Compose
