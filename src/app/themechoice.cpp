#include "app/themechoice.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"

namespace App {

ThemeChoice::ThemeChoice(Settings::ProgramSettings &settings, Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_settings(settings), m_dialogs(dialogs)
{
}

QString ThemeChoice::menuCaption()
{
    return L10n::text(1026, "&Theme");
}

QStringList ThemeChoice::captions()
{
    return {L10n::text(1027, "Familiar"), L10n::text(1028, "Cosmetics"), L10n::text(1029, "Headache"), L10n::text(1030, "Chrome"),
            L10n::text(1031, "Ice age"),  L10n::text(1032, "Atlantis"),  L10n::text(1033, "Gold")};
}

int ThemeChoice::current() const
{
    const qint32 theme = m_settings.rec().PSTheme;
    return theme >= 0 && theme < count ? int(theme) : 0;
}

void ThemeChoice::choose(int theme)
{
    if (theme < 0 || theme >= count || theme == current())
        return;
    m_settings.rec().PSTheme = theme;
    if (auto written = m_settings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    Q_EMIT themeChanged(theme);
}

} // namespace App
