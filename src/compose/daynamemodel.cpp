#include "compose/daynamemodel.h"

#include "compose/datetimeformat.h"
#include "compose/titlesettingsmodel.h"

#include "l10n/text.h"
#include "settings/sessionsettings.h"

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

DayNameModel::DayNameModel(Settings::SessionSettings &settings, TitleSettingsModel &title, const QLocale &locale,
                           std::function<QDateTime()> now)
    : m_settings(settings), m_title(title), m_locale(locale), m_now(std::move(now)),
      m_add(settings.folderRec().addNameOfDay), m_abbreviate(settings.folderRec().abbreviateNameOfDay),
      m_placement(settings.folderRec().dayNamePlacement == 1 ? 1 : 0)
{
}

QString DayNameModel::windowCaption()
{
    return text(1051, "Add name of day to date");
}

QString DayNameModel::addCaption()
{
    return text(1052, "Add name of day");
}

QString DayNameModel::abbreviateCaption()
{
    return text(1053, "Abbreviate name of day");
}

QString DayNameModel::placementCaption()
{
    return text(1054, "Placement");
}

QStringList DayNameModel::placementCaptions()
{
    return {text(1055, "Right of date"), text(1056, "Left of date")};
}

void DayNameModel::setAddNameOfDay(bool on)
{
    m_add = on;
    if (!on)
        m_abbreviate = false;
}

void DayNameModel::setAbbreviate(bool on)
{
    m_abbreviate = on && m_add;
}

void DayNameModel::setPlacement(int placement)
{
    m_placement = placement == 1 ? 1 : 0;
}

QString DayNameModel::example() const
{
    DateTimeOptions options = DateTimeOptions::fromSettings(m_settings.folderRec());
    options.addNameOfDay = m_add;
    options.abbreviateNameOfDay = m_abbreviate;
    options.dayNamePlacement = m_placement;
    const QDateTime now = m_now ? m_now() : QDateTime::currentDateTime();
    return text(1034, "Example:") + u' ' + DateTimeFormat::format(options, now.date(), now.time(), false, m_locale);
}

void DayNameModel::accept()
{
    Settings::SessionSettingsRec &rec = m_settings.folderRec();
    rec.addNameOfDay = m_add;
    rec.abbreviateNameOfDay = m_abbreviate;
    rec.dayNamePlacement = m_placement;
    m_title.store();
}

} // namespace Compose
