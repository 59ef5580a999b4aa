#include "storage/storageplanner.h"

#include "storage/foldername.h"
#include "storage/storagedate.h"
#include "storage/storagefolder.h"
#include "storage/storagescheme.h"
#include "storage/subjectpath.h"

#include "l10n/text.h"
#include "metadata/filedate.h"
#include "metadata/picturemetadata.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "retitle/testpass.h"
#include "session/picturerow.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Storage {

using L10n::text;

namespace {

bool isToRename(const Session::PictureRow &row)
{
    return row.isSelected() && !row.markedForDeletion;
}

// The path without what follows its last digit: a date-taken level loses its day name and
// description, so that "2007-08-31 friday party" is found as 2007-08-31.
QString withoutTrailingNonDigits(const QString &path)
{
    qsizetype end = path.size();
    while (end > 0 && !path.at(end - 1).isDigit())
        --end;
    return path.left(end);
}

// Dates of folder names as the planning clock reads them (see StorageClock).
QDateTime dayStart(const QDate &day)
{
    return QDateTime(day, QTime(0, 0), Qt::UTC);
}

QString scanCaption()
{
    return text(1210, "Building folder list for Picture Storage Management:");
}

} // namespace

StoragePlanner::StoragePlanner(StoragePlanInputs inputs, Platform::Dialogs &dialogs, Platform::FileSystem &files)
    : m_inputs(std::move(inputs)), m_dialogs(dialogs), m_files(files)
{
}

StoragePlanSettings StoragePlanner::settings() const
{
    return m_inputs.settings ? m_inputs.settings() : StoragePlanSettings();
}

QString StoragePlanner::schemeCode(const StoragePlanSettings &settings)
{
    const PSMScheme scheme =
        MakePSMScheme(settings.useStorage, settings.onlySubject, settings.levels, settings.subjectPosition);
    return scheme.isValid() ? scheme.PSMAbbr : QString();
}

bool StoragePlanner::isActive() const
{
    return !schemeCode(settings()).isEmpty();
}

bool StoragePlanner::isAvailable() const
{
    const StoragePlanSettings current = settings();
    return current.levels > 0 && !current.mainFolder.isEmpty() && m_files.isFolder(current.mainFolder);
}

bool StoragePlanner::CheckOnPSMConflict()
{
    const StoragePlanSettings current = settings();
    const QList<Session::PictureRow> &rows = m_inputs.rows();
    const auto withSubject = std::count_if(rows.cbegin(), rows.cend(), [](const Session::PictureRow &row) {
        return row.isSelected() && !row.subject.isEmpty();
    });
    const auto toRename = std::count_if(rows.cbegin(), rows.cend(), isToRename);
    const PSMScheme scheme =
        MakePSMScheme(current.useStorage, current.onlySubject, current.levels, current.subjectPosition);
    const QString setTo = text(195, "'Picture Storage Management' is set to '") + scheme.PSMDesc;

    if (current.useStorage && scheme.hasSubjectLevel() && withSubject < toRename) {
        if (!current.subjectOptional) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              setTo + u"'.\n\n"_s
                                  + text(196, "Please assign a subject to all selected pictures first and then press "
                                              "'Test/Preview' again."),
                              Platform::Severity::Error});
            return true;
        }
        if (current.subjectWarn || current.onlySubject) {
            if (current.onlySubject) {
                m_dialogs.inform(
                    {L10n::standard(L10n::Standard::Error),
                     text(197, "Subject is mandatory in case 'Only use subject' is checked, even when Subject") + u'\n'
                         + text(198, "is set to optional in 'Picture Storage Management.'") + u"\n\n"_s
                         + text(1276, "Please assign a subject to every selected picture."),
                     Platform::Severity::Error});
                return true;
            }
            Platform::Question warning;
            warning.caption = L10n::standard(L10n::Standard::Warning);
            warning.lines = {setTo + u'\'',
                             text(199, "but not all selected pictures have been assigned a subject!")};
            warning.buttons = {L10n::standard(L10n::Standard::Cancel), L10n::standard(L10n::Standard::Ignore)};
            warning.defaultButton = 0;
            warning.escapeButton = 0;
            warning.severity = Platform::Severity::Warning;
            return m_dialogs.ask(warning).button != 1;
        }
    }

    QStringList lines;
    if (!current.useStorage && withSubject > 0) {
        lines = {text(190, "Some or all pictures have been assigned a subject, yet 'Picture Storage Management' is "
                           "unchecked"),
                 text(191, "If you continue, the subjects will be lost and pictures will only be renamed instead of "
                           "renamed and moved.")};
    } else if (current.useStorage && withSubject > 0 && !scheme.hasSubjectLevel()) {
        lines = {text(193, "Some or all pictures have been assigned a subject, but 'Picture Storage Management' is "
                           "set to '")
                     + scheme.PSMDesc + u'\'',
                 text(194, "If you continue, the subjects will not be used in the moving process and will eventually "
                           "be lost.")};
    }
    if (lines.isEmpty())
        return false;
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = lines + QStringList{QString(), text(1277, "Continue anyway?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::Cancel)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    return m_dialogs.ask(question).button != 0;
}

void StoragePlanner::yield()
{
    if (m_inputs.yield)
        m_inputs.yield();
}

bool StoragePlanner::BuildDateTakenFolderList()
{
    m_scanned.clear();
    m_planned.clear();
    m_plannedByPath.clear();
    const QString &mainFolder = m_settings.mainFolder;
    if (mainFolder.isEmpty()) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(1211, "This should not occur, procedure BuildDateTakenFolderList should not have been called"),
                          Platform::Severity::Error});
        return false;
    }
    if (!m_files.isFolder(mainFolder)) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(1212, "This should not occur, BuildDateTaken ") + mainFolder + text(1104, " does not exist"),
                          Platform::Severity::Error});
        return false;
    }

    // Breadth first, so the lists hold the folders in the order the levels are found; a
    // date-taken folder holds pictures, never storage folders, and is not looked into. Links to
    // folders are not followed, so the walk ends even where a link points back up the tree.
    if (m_progress)
        m_progress(scanCaption(), 0);
    QStringList queue{mainFolder};
    qsizetype entriesSinceYield = 0;
    for (qsizetype visited = 0; visited < queue.size(); ++visited) {
        const QString folder = queue.at(visited);
        const QString base = mainFolderBase(folder);
        const QList<Platform::FolderEntry> entries = m_files.entries(folder);
        for (const Platform::FolderEntry &entry : entries) {
            if (++entriesSinceYield >= entriesPerYield) {
                entriesSinceYield = 0;
                yield();
            }
            if (!entry.isFolder)
                continue;
            const QString path = base + u'/' + entry.name;
            const StorageFolder kind = ClassifyStorageFolder(entry.name);
            switch (kind.kind) {
            case FolderKind::DateTaken:
                m_scanned.appendDateTaken({path, path.toLower(), dayStart(kind.first), dayStart(kind.last), QString()});
                break;
            case FolderKind::Group:
                m_scanned.appendGroup(
                    {path, path.toLower(), dayStart(kind.first), dayStart(kind.last),
                     SubjectOfPath(m_scheme, mainFolder, path)});
                queue.append(path);
                break;
            case FolderKind::Other:
                queue.append(path);
                break;
            }
        }
        if ((visited + 1) % foldersPerYield == 0) {
            if (m_progress)
                m_progress(scanCaption(), int((visited + 1) * 100 / queue.size()));
            else
                yield();
        }
    }
    return true;
}

QString StoragePlanner::plannedFolder(const QString &folder, const QString &subject, const QDateTime &date)
{
    // A folder asked for again in another letter case is the one planned first: that is the one
    // that will be created.
    const auto planned = m_plannedByPath.constFind(folder.toLower());
    if (planned != m_plannedByPath.cend())
        return m_planned.at(*planned).ExFolder;

    m_plannedByPath.insert(folder.toLower(), int(m_planned.size()));
    m_planned.append({folder, folder.toLower(), date, date, subject});
    return folder;
}

QString StoragePlanner::DetermineDestinationFolder(const QString &folder, const QDateTime &storageDate)
{
    const QString folderLow = folder.toLower();
    if (m_settings.onlySubject) {
        return m_files.isFolder(folder) ? folder : plannedFolder(folder, QString(), storageDate);
    }
    const QString subjectPath = SubjectOfPath(m_scheme, m_settings.mainFolder, folder);
    QString subject = subjectPath;
    subject.replace(u'/', u';');
    const int group = m_scanned.findGroup(storageDate, subjectPath.toLower());
    if (group >= 0) {
        // Where the group lies does not matter: the picture's day gets its folder inside it.
        const QString candidate =
            m_scanned.groups().at(group).ExFolder + u'/' + folder.section(u'/', -1, -1);
        const QString candidateLow = candidate.toLower();
        const int existing = m_scanned.findDateTaken(withoutTrailingNonDigits(candidateLow));
        if (existing >= 0)
            return m_scanned.dateTaken().at(existing).ExFolder;
        return plannedFolder(candidate, subject, storageDate);
    }
    const int existing = m_scanned.findDateTaken(withoutTrailingNonDigits(folderLow));
    if (existing >= 0)
        return m_scanned.dateTaken().at(existing).ExFolder;
    return plannedFolder(folder, subject, storageDate);
}

QDateTime StoragePlanner::storageDate(const QString &picturePath, int shiftMidnight) const
{
    const QString taken = m_inputs.dateTaken
                              ? m_inputs.dateTaken(picturePath)
                              : Metadata::readPictureMetadata(picturePath, Metadata::MetadataItem::DateTaken);
    const QDateTime fromTaken = StorageClock(taken, QDateTime(), shiftMidnight);
    if (fromTaken.isValid())
        return fromTaken;
    // Only a picture without a readable date taken needs its file looked at.
    const QDateTime fileDate = m_inputs.fileDate ? m_inputs.fileDate(picturePath) : Metadata::fileDate(picturePath);
    return StorageClock(QString(), fileDate, shiftMidnight);
}

bool StoragePlanner::plan(const QList<int> &rows, const Retitle::DestinationPlanner::Progress &progress)
{
    m_settings = settings();
    m_scheme = schemeCode(m_settings);
    m_destinations.clear();
    m_links.clear();
    m_mainIdentity.reset();
    m_scanned.clear();
    m_planned.clear();
    m_plannedByPath.clear();
    if (m_scheme.isEmpty())
        return true;

    if (!m_settings.onlySubject) {
        m_progress = progress;
        const bool scanned = BuildDateTakenFolderList();
        m_progress = nullptr;
        if (!scanned)
            return false;
    }
    // The folder the plan is made in: Retitle Now finds it still there, or stops.
    m_mainIdentity = Platform::folderIdentity(m_settings.mainFolder);
    if (!m_mainIdentity) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(1212, "This should not occur, BuildDateTaken ") + m_settings.mainFolder
                              + text(1104, " does not exist"),
                          Platform::Severity::Error});
        return false;
    }

    const QString caption = Retitle::TestPass::folderNamesCaption();
    const QString pictureBase = mainFolderBase(m_inputs.pictureFolder());
    const QList<Session::PictureRow> &table = m_inputs.rows();
    const QLocale locale = QLocale::system();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int row = rows.at(i);
        const Session::PictureRow &picture = table.at(row);
        const QDateTime date = m_settings.onlySubject
                                   ? QDateTime()
                                   : storageDate(pictureBase + u'/' + picture.currentTitle, m_settings.shiftMidnight);
        FolderNameRequest request;
        request.mainFolder = m_settings.mainFolder;
        request.subject = picture.subject;
        request.scheme = m_scheme;
        request.date1 = date.date();
        request.date2 = date.date();
        request.addNameOfDay = m_settings.addNameDay;
        request.abbreviate = m_settings.abbrNameDay;
        const std::optional<QString> folder = CreateFolderName(request, locale);
        if (!folder)
            continue;
        const QString destination = DetermineDestinationFolder(*folder, date);
        m_destinations.insert(row, destination);
        // A link below the main folder would take the picture out of the tree, or elsewhere in
        // it than the plan shows: the picture cannot go there.
        if (const QString link = Platform::firstSymbolicLinkBelow(m_settings.mainFolder, destination);
            !link.isEmpty())
            m_links.insert(row, link);
        if (progress)
            progress(caption, int((i + 1) * 100 / rows.size()));
    }
    return describeNewFolders(rows);
}

bool StoragePlanner::describeNewFolders(const QList<int> &rows)
{
    if (m_planned.isEmpty() || !m_settings.promptFolder || m_settings.onlySubject || !m_inputs.describeNewFolders)
        return true;
    NewFolderDescriptionInput input;
    input.newFolders = m_planned;
    input.pictureFolder = m_inputs.pictureFolder();
    const QList<Session::PictureRow> &table = m_inputs.rows();
    for (const int row : rows) {
        const auto destination = m_destinations.constFind(row);
        if (destination == m_destinations.cend())
            continue;
        const Session::PictureRow &picture = table.at(row);
        input.pictures.append(
            {picture.currentTitle, picture.freeText, picture.prefix, picture.suffix, destination->toLower()});
    }
    const std::optional<QStringList> descriptions = m_inputs.describeNewFolders(input);
    if (!descriptions)
        return false;
    applyDescriptions(*descriptions);
    return true;
}

void StoragePlanner::applyDescriptions(const QStringList &descriptions)
{
    QHash<QString, QString> described;
    for (qsizetype i = 0; i < m_planned.size() && i < descriptions.size(); ++i) {
        ExistingFolders &folder = m_planned[i];
        const QString levelName = folder.ExFolder.section(u'/', -1);
        const QString description = folderSafeDescription(levelName, descriptions.at(i));
        if (description.isEmpty())
            continue;
        folder.ExFolder += u' ' + description;
        described.insert(folder.ExFolderL, folder.ExFolder);
    }
    if (described.isEmpty())
        return;
    for (auto destination = m_destinations.begin(); destination != m_destinations.end(); ++destination) {
        const auto found = described.constFind(destination->toLower());
        if (found != described.cend())
            *destination = *found;
    }
}

QString StoragePlanner::destination(int row) const
{
    const auto found = m_destinations.constFind(row);
    if (found != m_destinations.cend())
        return *found;
    return m_inputs.pictureFolder ? mainFolderBase(m_inputs.pictureFolder()) : QString();
}

void StoragePlanner::SortNewFolders()
{
    std::stable_sort(m_planned.begin(), m_planned.end(), [](const ExistingFolders &a, const ExistingFolders &b) {
        return a.ExFolderL < b.ExFolderL;
    });
    m_plannedByPath.clear();
    for (qsizetype i = 0; i < m_planned.size(); ++i)
        m_plannedByPath.insert(m_planned.at(i).ExFolderL, int(i));
}

QString StoragePlanner::linkOnTheWay(int row) const
{
    return m_links.value(row);
}

QString StoragePlanner::mainFolder() const
{
    return isActive() ? settings().mainFolder : QString();
}

QStringList StoragePlanner::newFolders() const
{
    QList<ExistingFolders> sorted = m_planned;
    std::stable_sort(sorted.begin(), sorted.end(), [](const ExistingFolders &a, const ExistingFolders &b) {
        return a.ExFolderL < b.ExFolderL;
    });
    QStringList folders;
    folders.reserve(sorted.size());
    for (const ExistingFolders &folder : std::as_const(sorted))
        folders.append(folder.ExFolder);
    return folders;
}

bool StoragePlanner::CreateNewFolders()
{
    for (const ExistingFolders &folder : std::as_const(m_planned)) {
        const auto created = m_files.makeFolderBelow(m_settings.mainFolder, folder.ExFolder);
        if (created)
            continue;
        const Records::FileError &error = created.error();
        const QString refused = text(421, "Files can not be renamed and moved! Procedure termninated");
        if (error.code == Records::FileError::Code::SymbolicLink) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              text(419, "Could not create folder ") + folder.ExFolder + u'\n'
                                  + error.path
                                  + text(1721, " is a symbolic link: pictures are never moved through a link in "
                                               "the main picture storage folder")
                                  + u'\n' + refused,
                              Platform::Severity::Error});
        } else {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              text(419, "Could not create folder ") + error.path + u'\n'
                                  + text(420, "Medium not writable or you do not have the proper authorization")
                                  + u'\n' + refused,
                              Platform::Severity::Error});
        }
        return false;
    }
    return true;
}

bool StoragePlanner::mainFolderUnchanged()
{
    if (m_mainIdentity && Platform::folderIdentity(m_settings.mainFolder) == m_mainIdentity)
        return true;
    m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                      text(1722, "The main picture storage folder ") + m_settings.mainFolder
                          + text(1723, " is no longer the folder Test & Preview planned in: it was removed, replaced, "
                                       "or its disk is no longer mounted.")
                          + u'\n' + text(1724, "Nothing has been renamed or moved. Check the folder and press "
                                               "'Test/Preview' again."),
                      Platform::Severity::Error});
    return false;
}

bool StoragePlanner::createNewFolders()
{
    if (m_scheme.isEmpty())
        return true;
    if (!mainFolderUnchanged())
        return false;
    SortNewFolders();
    return CreateNewFolders();
}

} // namespace Storage
