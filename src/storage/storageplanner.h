#pragma once

#include "storage/existingfolders.h"
#include "storage/newfolderdescription.h"
#include "storage/scannedfolders.h"

#include "platform/folderlevels.h"
#include "retitle/destinationplanner.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace Platform {
class Dialogs;
class FileSystem;
} // namespace Platform

namespace Session {
struct PictureRow;
}

namespace Storage {

// The settings the planning reads when a Test & Preview starts.
struct StoragePlanSettings
{
    // The session's two switches.
    bool useStorage = false;
    bool onlySubject = false;
    // The program's storage settings.
    int levels = 0;
    int subjectPosition = 0;
    bool addNameDay = false;
    bool abbrNameDay = false;
    int shiftMidnight = 0;
    bool subjectOptional = false;
    bool subjectWarn = false;
    // Whether new folders are offered for descriptions before titles are composed.
    bool promptFolder = false;
    QString mainFolder;
};

// Where the planner gets what it plans from; each hook is asked when it is needed.
struct StoragePlanInputs
{
    std::function<StoragePlanSettings()> settings;
    std::function<QString()> pictureFolder;
    // The picture table: each row's current title, subject, selection and deletion mark.
    std::function<const QList<Session::PictureRow> &()> rows;
    // The date-taken text "yyyy-mm-dd hh:mm:ss" of a picture, empty when it has none; the
    // picture's EXIF data when not set.
    std::function<QString(const QString &picturePath)> dateTaken;
    // The date standing in for a missing date taken; the file's date when not set.
    std::function<QDateTime(const QString &picturePath)> fileDate;
    // Lets the user interface handle its events during long scans.
    std::function<void()> yield;
    // Asks for descriptions of the planned folders; not asked when not set.
    DescribeNewFolders describeNewFolders;
};

// The destinations of storage management: every picture to rename goes to a folder below the
// main folder, reusing the date-taken and group folders that exist and planning the ones that
// do not. While "Use Picture Storage Management" is off every picture stays in the picture
// folder.
class StoragePlanner final : public Retitle::DestinationPlanner
{
public:
    // Entries and folders between two chances for the user interface to catch up.
    static constexpr int entriesPerYield = 500;
    static constexpr int foldersPerYield = 100;

    StoragePlanner(StoragePlanInputs inputs, Platform::Dialogs &dialogs, Platform::FileSystem &files);

    bool isActive() const override;
    bool isAvailable() const override;
    bool CheckOnPSMConflict() override;
    bool plan(const QList<int> &rows, const Retitle::DestinationPlanner::Progress &progress) override;
    QString destination(int row) const override;
    QString linkOnTheWay(int row) const override;
    QStringList newFolders() const override;
    QString mainFolder() const override;
    bool createNewFolders() override;

    // Fills the date-taken and group folder lists from the main folder, breadth first without
    // looking into date-taken folders, and empties the new-folder list. False (the user told)
    // when the main folder is not defined or no longer exists: the planning cannot go on then,
    // and Test & Preview stops rather than leave pictures where they are.
    bool BuildDateTakenFolderList();
    // The destination of a picture whose folder by the scheme is folder, with its storage date as
    // StorageClock gives it; may plan a new folder.
    QString DetermineDestinationFolder(const QString &folder, const QDateTime &storageDate);
    // Sorts the new-folder list by its lower-case paths.
    void SortNewFolders();
    // Creates the folders of the new-folder list with the folders above them, below the main
    // folder and never through a symbolic link there; false (the user told) at the first one
    // that cannot be created.
    bool CreateNewFolders();
    // The main folder is still the folder the planning scanned: not removed, not replaced, not
    // an empty mount point left by a disk that was unmounted. False after telling the user.
    bool mainFolderUnchanged();

    const QList<ExistingFolders> &dateTakenFolders() const { return m_scanned.dateTaken(); }
    const QList<ExistingFolders> &groupFolders() const { return m_scanned.groups(); }
    const QList<ExistingFolders> &plannedFolders() const { return m_planned; }

    // Appends each non-empty description (one per planned folder, in list order) to its folder
    // and sends the pictures destined for that folder to the described path.
    void applyDescriptions(const QStringList &descriptions);

private:
    StoragePlanSettings settings() const;
    static QString schemeCode(const StoragePlanSettings &settings);
    QDateTime storageDate(const QString &picturePath, int shiftMidnight) const;
    // The folder as planned, added to the new-folder list when it is not there yet.
    QString plannedFolder(const QString &folder, const QString &subject, const QDateTime &date);
    void yield();
    // Asks for descriptions when new folders are planned and the settings want them; false
    // when the user cancelled.
    bool describeNewFolders(const QList<int> &rows);

    StoragePlanInputs m_inputs;
    Platform::Dialogs &m_dialogs;
    Platform::FileSystem &m_files;

    // Fixed for one planning run.
    StoragePlanSettings m_settings;
    QString m_scheme;
    Retitle::DestinationPlanner::Progress m_progress;

    ScannedFolders m_scanned;
    QList<ExistingFolders> m_planned;
    QHash<QString, int> m_plannedByPath;
    QHash<int, QString> m_destinations;
    // The symbolic links on the way to destinations, by row.
    QHash<int, QString> m_links;
    std::optional<Platform::FolderIdentity> m_mainIdentity;
};

} // namespace Storage
