#pragma once

#include "records/fileerror.h"
#include "settings/sessionsettingsrec.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace Settings {

// What the storage-management setup tells the session settings.
struct StorageSetup
{
    qint32 levels = 0;
    qint32 subjectPosition = 0;
    bool mainFolderExists = false;

    bool isSetUp() const { return levels > 0; }
    bool offersOnlySubject() const { return levels > 0 && subjectPosition > 0; }
};

// The EXIF-tag dialog hands its two switches over when it closes with OK.
struct ExifTagSwitches
{
    bool inTitle = false;
    bool markNotAvailable = false;
};

// The two copies of the session settings record: the defaults for new folders in the work folder
// and the open folder's own copy. Both are held in memory for the whole run; the folder copy is
// rewritten on every change once it has been loaded.
class SessionSettings final
{
public:
    SessionSettings(const QString &workFolderFile, const QString &folderFile);

    const QString &workFolderFile() const { return m_workFolderFile; }
    const QString &folderFile() const { return m_folderFile; }
    // The folder copy of the session being opened.
    void setFolderFile(const QString &path) { m_folderFile = path; }

    const SessionSettingsRec &workFolderRec() const { return m_workFolderRec; }
    const SessionSettingsRec &folderRec() const { return m_folderRec; }
    // The folder settings as the stage-3 controls change them; UpdateFSession_Local stores them.
    SessionSettingsRec &folderRec() { return m_folderRec; }
    bool isLoaded() const { return m_loaded; }

    // Reads (or creates with the defaults) the work-folder copy.
    Records::FileResult<void> InitFSession(const StorageSetup &storage, bool activateGuide);
    // Reads (or creates from the work-folder copy) the folder copy and marks it loaded.
    // firstGenerationTitleFile: the folder was last used by an earlier version.
    Records::FileResult<void> InitFSession_Local(const StorageSetup &storage, bool activateGuide,
                                                 bool firstGenerationTitleFile, const QDateTime &now);
    // Writes the folder copy. A request before loading, during another write or after the folder's
    // work files were removed is dropped and counts as success.
    Records::FileResult<void> UpdateFSession_Local(const StorageSetup &storage,
                                                   std::optional<ExifTagSwitches> exifDialog = std::nullopt);
    // Saves the folder settings as the defaults for new folders, keeping the counter of the defaults.
    Records::FileResult<void> UpdateFSession(const StorageSetup &storage);
    // Stores the counter's start value and its reset switch in the work-folder copy.
    Records::FileResult<void> UpdateFSession_Counter_Attr(qint32 start, bool reset);

    // Converts an element order written by earlier versions; true when the record changed.
    static bool ConvertSession32(SessionSettingsRec &rec);

private:
    QString m_workFolderFile;
    QString m_folderFile;
    SessionSettingsRec m_workFolderRec;
    SessionSettingsRec m_folderRec;
    bool m_loaded = false;
    bool m_writing = false;
};

} // namespace Settings
