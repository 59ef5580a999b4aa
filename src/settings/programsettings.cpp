#include "settings/programsettings.h"

#include "settings/overallsettingsrec.h"
#include "settings/settingsfile_p.h"

#include "l10n/language.h"
#include "platform/files.h"

#include <QByteArray>

namespace Settings {

using Records::FileResult;
using Records::fail;

ProgramSettings::ProgramSettings(const QString &path) : m_path(path) {}

FileResult<void> ProgramSettings::InitFPSM(const OverallSettingsRec &overall, const Environment &environment,
                                           L10n::LanguageSwitch &language)
{
    if (Platform::fileFound(m_path)) {
        auto rec = readSettingsFile<ProgramSettingsRec>(m_path);
        if (!rec)
            return fail(rec.error());
        m_rec = *rec;
    } else {
        m_rec = ProgramSettingsRec::seededFrom(overall, environment.localLanguage, environment.screenWidth);
        if (auto written = UpdateFPSM(); !written)
            return written;
    }
    return CheckVersionLanguage(environment, language);
}

FileResult<void> ProgramSettings::UpdateFPSM() const
{
    return writeSettingsFile(m_path, m_rec);
}

bool ProgramSettings::upgrade(ProgramSettingsRec &rec, const Environment &environment)
{
    if (rec.PSVersion == environment.programVersion)
        return false;
    // Byte by byte, as the stored text was always compared.
    const QByteArray stored = rec.PSVersion.left(3).toLatin1();
    const auto newer = [&stored](const char *step) { return QByteArray(step) > stored; };
    if (newer("1.1")) {
        rec.PSActivateGuide = true;
        rec.PSLanguage = 999;
    }
    if (newer("1.2"))
        rec.PSActDicAction = 0;
    if (newer("2.1"))
        rec.PSLanguage = 999;
    if (newer("3.0")) {
        rec.PSLocalLanguage = environment.localLanguage + 1;
        rec.PSClipSize = 50;
    }
    if (newer("3.1")) {
        rec.PSMaximise = double(environment.screenWidth) / 1024.0 > 1.7;
        rec.PSClipSize = 50;
    }
    if (newer("4.0")) {
        rec.PSMaxPicPrefSuf = 50;
        rec.PSShowEditorHelp = true;
    }
    rec.PSVersion = environment.programVersion.left(10);
    return true;
}

FileResult<void> ProgramSettings::CheckVersionLanguage(const Environment &environment, L10n::LanguageSwitch &language)
{
    upgrade(m_rec, environment);
    if (m_rec.PSLanguage == L10n::LanguageCode::NotChosen)
        m_rec.PSLanguage = environment.localLanguage;
    language.apply(m_rec.PSLanguage, environment.localLanguage);
    return UpdateFPSM();
}

} // namespace Settings
