#pragma once

#include "records/fileerror.h"
#include "settings/programsettingsrec.h"

#include <QString>

namespace L10n {
class LanguageSwitch;
}

namespace Settings {

struct OverallSettingsRec;

// Facts of the machine that the program settings take their first values and upgrades from.
struct Environment
{
    QString programVersion;
    int localLanguage = -1;
    int screenWidth = 0;
};

// The program settings record, held in memory for the run and rewritten whole on every change.
class ProgramSettings final
{
public:
    explicit ProgramSettings(const QString &path);

    const QString &path() const { return m_path; }
    const ProgramSettingsRec &rec() const { return m_rec; }
    ProgramSettingsRec &rec() { return m_rec; }

    // Reads PSMSet.dat, or creates it from the overall settings; then upgrades the record from
    // the version that wrote it, applies its language and writes it.
    Records::FileResult<void> InitFPSM(const OverallSettingsRec &overall, const Environment &environment,
                                       L10n::LanguageSwitch &language);
    Records::FileResult<void> UpdateFPSM() const;
    // The version upgrade, the language and the write that follow every read of the record.
    Records::FileResult<void> CheckVersionLanguage(const Environment &environment, L10n::LanguageSwitch &language);

    // Applies every upgrade step newer than the version that wrote rec; true when the version
    // text differed.
    static bool upgrade(ProgramSettingsRec &rec, const Environment &environment);

private:
    QString m_path;
    ProgramSettingsRec m_rec;
};

} // namespace Settings
