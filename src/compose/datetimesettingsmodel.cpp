#include "compose/datetimesettingsmodel.h"

#include "compose/datetimeformat.h"
#include "compose/elementseparator.h"
#include "compose/titlesettingsmodel.h"

#include "l10n/text.h"
#include "records/daycount.h"
#include "settings/sessionsettings.h"

namespace Compose {

using L10n::text;

namespace {

int validSource(int source)
{
    return source >= 0 && source <= 2 ? source : 0;
}

} // namespace

DateTimeSettingsModel::DateTimeSettingsModel(Settings::SessionSettings &settings, TitleSettingsModel &title,
                                             QObject *parent)
    : QObject(parent), m_settings(settings), m_title(title)
{
    // The element order and the session's settings arrive together.
    connect(&m_title, &TitleSettingsModel::changed, this, &DateTimeSettingsModel::changed);
}

DateTimeSettingsModel::~DateTimeSettingsModel() = default;

QString DateTimeSettingsModel::dateCaption()
{
    return text(1035, "Date");
}

QString DateTimeSettingsModel::dateMenuCaption()
{
    return text(1036, "&Date");
}

QString DateTimeSettingsModel::dateMenuHint()
{
    return text(1037, "Add Date element to all new titles");
}

QStringList DateTimeSettingsModel::dateSourceCaptions()
{
    return {text(1038, "Use picture date taken (EXIF)"), text(1039, "Use file date"), text(1040, "Pick date from calendar")};
}

QString DateTimeSettingsModel::dateFormatCaption()
{
    return text(1041, "Date format");
}

QStringList DateTimeSettingsModel::dateFormatCaptions()
{
    return DateTimeFormat::dateFormatCaptions();
}

QString DateTimeSettingsModel::dayButtonCaption()
{
    return text(1042, "Day...");
}

QString DateTimeSettingsModel::pickDateCaption()
{
    return text(1043, "Pick date");
}

QString DateTimeSettingsModel::timeCaption()
{
    return text(1044, "Time");
}

QString DateTimeSettingsModel::timeMenuCaption()
{
    return text(1045, "&Time");
}

QStringList DateTimeSettingsModel::timeSourceCaptions()
{
    return {text(1046, "Use picture time taken (EXIF)"), text(1047, "Use file time"), text(1048, "Pick time")};
}

QString DateTimeSettingsModel::timeFormatCaption()
{
    return text(1049, "Time format");
}

QStringList DateTimeSettingsModel::timeFormatCaptions()
{
    return DateTimeFormat::timeFormatCaptions();
}

QString DateTimeSettingsModel::pickTimeCaption()
{
    return text(1048, "Pick time");
}

QString DateTimeSettingsModel::separatorCaption()
{
    return text(1050, "Date/Day/Time separator:");
}

QStringList DateTimeSettingsModel::separatorCaptions()
{
    return ElementSeparator::captions();
}

void DateTimeSettingsModel::store()
{
    m_title.store();
    Q_EMIT changed();
}

bool DateTimeSettingsModel::useDate() const
{
    return m_settings.folderRec().useDate;
}

void DateTimeSettingsModel::setUseDate(bool on)
{
    if (m_settings.folderRec().useDate == on)
        return;
    m_settings.folderRec().useDate = on;
    store();
}

int DateTimeSettingsModel::dateSource() const
{
    return validSource(m_settings.folderRec().dateSource);
}

void DateTimeSettingsModel::setDateSource(int source)
{
    source = validSource(source);
    if (m_settings.folderRec().dateSource == source)
        return;
    m_settings.folderRec().dateSource = source;
    store();
}

int DateTimeSettingsModel::dateFormat() const
{
    return DateTimeFormat::validDateFormat(m_settings.folderRec().dateFormat);
}

void DateTimeSettingsModel::setDateFormat(int format)
{
    format = DateTimeFormat::validDateFormat(format);
    if (m_settings.folderRec().dateFormat == format)
        return;
    m_settings.folderRec().dateFormat = format;
    store();
}

QDate DateTimeSettingsModel::pickedDate() const
{
    return Records::DayCount::toDateTime(m_settings.folderRec().pickedDate).date();
}

void DateTimeSettingsModel::setPickedDate(const QDate &date)
{
    if (!date.isValid() || date == pickedDate())
        return;
    const QDateTime old = Records::DayCount::toDateTime(m_settings.folderRec().pickedDate);
    m_settings.folderRec().pickedDate = Records::DayCount::fromDateTime(QDateTime(date, old.time()));
    store();
}

bool DateTimeSettingsModel::useTime() const
{
    return m_settings.folderRec().useTime;
}

void DateTimeSettingsModel::setUseTime(bool on)
{
    if (m_settings.folderRec().useTime == on)
        return;
    m_settings.folderRec().useTime = on;
    store();
}

int DateTimeSettingsModel::timeSource() const
{
    return validSource(m_settings.folderRec().timeSource);
}

void DateTimeSettingsModel::setTimeSource(int source)
{
    source = validSource(source);
    if (m_settings.folderRec().timeSource == source)
        return;
    m_settings.folderRec().timeSource = source;
    store();
}

int DateTimeSettingsModel::timeFormat() const
{
    return DateTimeFormat::validTimeFormat(m_settings.folderRec().timeFormat);
}

void DateTimeSettingsModel::setTimeFormat(int format)
{
    format = DateTimeFormat::validTimeFormat(format);
    if (m_settings.folderRec().timeFormat == format)
        return;
    m_settings.folderRec().timeFormat = format;
    store();
}

QTime DateTimeSettingsModel::pickedTime() const
{
    return Records::DayCount::toDateTime(m_settings.folderRec().pickedTime).time();
}

void DateTimeSettingsModel::setPickedTime(const QTime &time)
{
    if (!time.isValid() || time == pickedTime())
        return;
    const QDateTime old = Records::DayCount::toDateTime(m_settings.folderRec().pickedTime);
    m_settings.folderRec().pickedTime = Records::DayCount::fromDateTime(QDateTime(old.date(), time));
    store();
}

int DateTimeSettingsModel::separatorIndex() const
{
    return ElementSeparator::validIndex(m_settings.folderRec().dateTimeSeparator);
}

void DateTimeSettingsModel::setSeparatorIndex(int index)
{
    index = ElementSeparator::validIndex(index);
    if (m_settings.folderRec().dateTimeSeparator == index)
        return;
    m_settings.folderRec().dateTimeSeparator = index;
    store();
}

} // namespace Compose
