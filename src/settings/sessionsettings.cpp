#include "settings/sessionsettings.h"

#include "settings/settingsfile_p.h"

#include "platform/files.h"
#include "records/daycount.h"

namespace Settings {

using Records::FileResult;
using Records::fail;

SessionSettings::SessionSettings(const QString &workFolderFile, const QString &folderFile)
    : m_workFolderFile(workFolderFile), m_folderFile(folderFile)
{
}

bool SessionSettings::ConvertSession32(SessionSettingsRec &rec)
{
    if (rec.oldElementOrder.isEmpty())
        return false;
    rec.elementOrder = QString(rec.oldElementOrder + u'E').left(6);
    rec.oldElementOrder.clear();
    return true;
}

FileResult<void> SessionSettings::InitFSession(const StorageSetup &storage, bool activateGuide)
{
    if (!Platform::fileFound(m_workFolderFile)) {
        SessionSettingsRec defaults;
        defaults.useStorageManagement = storage.isSetUp() && storage.mainFolderExists;
        defaults.guideTopic = activateGuide ? 1 : -1;
        if (auto written = writeSettingsFile(m_workFolderFile, defaults); !written)
            return written;
    }
    auto rec = readSettingsFile<SessionSettingsRec>(m_workFolderFile);
    if (!rec)
        return fail(rec.error());
    m_workFolderRec = *rec;
    if (ConvertSession32(m_workFolderRec)) {
        if (auto written = writeSettingsFile(m_workFolderFile, m_workFolderRec); !written)
            return written;
    }
    return {};
}

FileResult<void> SessionSettings::InitFSession_Local(const StorageSetup &storage, bool activateGuide,
                                                     bool firstGenerationTitleFile, const QDateTime &now)
{
    if (!Platform::fileFound(m_folderFile)) {
        SessionSettingsRec rec = m_workFolderRec;
        rec.prefix.clear();
        rec.suffix.clear();
        rec.pickedDate = Records::DayCount::fromDateTime(now);
        rec.pickedTime = rec.pickedDate;
        rec.addOrReplaceDefault = 1;
        rec.guideTopic = activateGuide ? 1 : -1;
        if (auto written = writeSettingsFile(m_folderFile, rec); !written)
            return written;
    } else if (firstGenerationTitleFile) {
        auto rec = readSettingsFile<SessionSettingsRec>(m_folderFile);
        if (!rec)
            return fail(rec.error());
        rec->useStorageManagement = m_workFolderRec.useStorageManagement;
        if (auto written = writeSettingsFile(m_folderFile, *rec); !written)
            return written;
    }
    auto rec = readSettingsFile<SessionSettingsRec>(m_folderFile);
    if (!rec)
        return fail(rec.error());
    m_folderRec = *rec;
    if (ConvertSession32(m_folderRec)) {
        if (auto written = writeSettingsFile(m_folderFile, m_folderRec); !written)
            return written;
    }
    if (!storage.isSetUp()) {
        m_folderRec.useStorageManagement = false;
        m_folderRec.onlyUseSubject = false;
    } else if (!storage.offersOnlySubject()) {
        m_folderRec.onlyUseSubject = false;
    }
    m_loaded = true;
    return {};
}

FileResult<void> SessionSettings::UpdateFSession_Local(const StorageSetup &storage,
                                                       std::optional<ExifTagSwitches> exifDialog)
{
    if (m_writing || !m_loaded || !Platform::fileFound(m_folderFile))
        return {};
    m_writing = true;
    if (exifDialog) {
        m_folderRec.exifTagsInTitle = exifDialog->inTitle;
        m_folderRec.markNotAvailable = exifDialog->markNotAvailable;
    }
    if (!storage.isSetUp()) {
        m_folderRec.useStorageManagement = false;
        m_folderRec.onlyUseSubject = false;
    }
    m_folderRec.elementOrder = m_folderRec.elementOrder.left(30);
    auto written = writeSettingsFile(m_folderFile, m_folderRec);
    m_writing = false;
    return written;
}

FileResult<void> SessionSettings::UpdateFSession(const StorageSetup &storage)
{
    if (auto local = UpdateFSession_Local(storage); !local)
        return local;
    SessionSettingsRec defaults = m_folderRec;
    defaults.counterStart = m_workFolderRec.counterStart;
    defaults.counterReset = m_workFolderRec.counterReset;
    if (auto written = writeSettingsFile(m_workFolderFile, defaults); !written)
        return written;
    m_workFolderRec = defaults;
    return {};
}

FileResult<void> SessionSettings::UpdateFSession_Counter_Attr(qint32 start, bool reset)
{
    auto rec = readSettingsFile<SessionSettingsRec>(m_workFolderFile);
    if (!rec)
        return fail(rec.error());
    rec->counterStart = start;
    rec->counterReset = reset;
    if (auto written = writeSettingsFile(m_workFolderFile, *rec); !written)
        return written;
    m_workFolderRec = *rec;
    return {};
}

} // namespace Settings
