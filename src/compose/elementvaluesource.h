#pragma once

#include "compose/datetimeformat.h"
#include "compose/titlecomposer.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>

namespace Compose {

class NumberElement;
class PictureDates;

// The number and date/time element values of one test pass, from the folder's session settings
// and the pictures' EXIF data and file dates.
class ElementValueSource final : public ElementValues
{
public:
    // number: the pass's number element, whose counter runs on from picture to picture; locale:
    // where the day names come from; dates: the corrected dates taken, else the files' own.
    ElementValueSource(const Settings::SessionSettingsRec &settings, NumberElement &number, const QLocale &locale,
                       PictureDates *dates = nullptr);

    QString numberText(const ComposeInput &input, qint32 *warning) override;
    // The date and time from their sources. When the date taken is asked for but the picture has
    // none usable, the file date (date-time) stands in and *warning becomes 4.
    QString dateTimeText(const ComposeInput &input, qint32 *warning) override;

    // The date and the time of day of a date-taken text "yyyy-mm-dd hh:mm:ss", taken by their
    // character positions; nothing when they do not form a real date (time of day).
    static std::optional<QDate> dateOfDateTaken(const QString &dateTaken);
    static std::optional<QTime> timeOfDateTaken(const QString &dateTaken);

private:
    NumberElement &m_number;
    PictureDates *m_dates = nullptr;
    QLocale m_locale;
    DateTimeOptions m_options;
    int m_dateSource = 0;
    int m_timeSource = 0;
    QDate m_pickedDate;
    QTime m_pickedTime;
};

} // namespace Compose
