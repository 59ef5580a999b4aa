#include "retitle/testpass.h"

#include "retitle/companions.h"
#include "retitle/destinationplanner.h"
#include "retitle/paths_p.h"
#include "retitle/uniquecheck.h"

#include "l10n/text.h"
#include "platform/filesystem.h"
#include "records/titletext.h"
#include "session/picturerow.h"
#include "session/pictures.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

namespace {

constexpr qsizetype maxPathLength = 255;
// The longest file name Linux file systems take, in bytes of its encoded form.
constexpr qsizetype maxNameBytes = 255;

bool isToRename(const Session::PictureRow &row)
{
    return row.isSelected() && !row.markedForDeletion;
}

} // namespace

TestPass::TestPass(const Platform::FileSystem &files, UniqueCheck &unique, Progress progress)
    : m_files(files), m_unique(unique), m_progress(std::move(progress)), m_names(files)
{
}

QString TestPass::expandCaption()
{
    return text(1125, "Buidling additional folder list to qualify pictures to be unique:");
}

QString TestPass::folderNamesCaption()
{
    return text(1126, "Determine folder names:");
}

QString TestPass::composeCaption()
{
    return text(1127, "Making pictures titles:");
}

QString TestPass::sortCaption()
{
    return text(1128, "Sorting picture titles:");
}

QString TestPass::checkCaption()
{
    return text(1129, "Checking for duplicate file names:");
}

QString TestPass::uniqueCaption()
{
    return text(1130, "Making new picture titles unique:");
}

QString TestPass::resortCaption()
{
    return text(394, "Sorting picture titles phase 2 - (Only in case of Absolute Unique)");
}

void TestPass::report(const QString &caption, qsizetype done, qsizetype total) const
{
    if (m_progress)
        m_progress(caption, total > 0 ? int(done * 100 / total) : 100);
}

bool TestPass::run(const QList<Session::PictureRow> &rows, const QString &pictureFolder, const PassOptions &options,
                   DestinationPlanner &planner, const Composer &compose)
{
    m_result = {};
    m_currentTitles.clear();
    m_names.clear();
    m_result.syncExtensions = options.syncExtensions;
    m_result.media = options.media;
    m_result.extensionCase = options.extensionCase;
    m_result.uniqueFolders = m_unique.folders();

    QList<int> picked;
    for (int i = 0; i < rows.size(); ++i) {
        if (isToRename(rows.at(i)))
            picked.append(i);
    }
    m_result.picturesToRename = int(picked.size());
    if (picked.isEmpty()) {
        // Only deletions follow; nothing was expanded, so the list stands for itself.
        m_result.extendedFolderCount = int(m_unique.folders().size());
        return true;
    }

    if (!m_unique.isEmpty()) {
        const QString caption = expandCaption();
        m_unique.expand([this, &caption](int scanned, int found) { report(caption, scanned, found); });
        m_result.extendedFolderCount = int(m_unique.extendedFolders().size());
    }
    if (!planner.plan(picked, m_progress))
        return false;
    buildTitleList(rows, picked, planner);
    m_result.companions.reserve(m_currentTitles.size());
    for (const QString &current : std::as_const(m_currentTitles))
        m_result.companions.append(
            companionsOf(m_names, pictureFolder, current, m_result.syncExtensions, m_result.media));
    m_result.newFolders = planner.newFolders();
    if (options.planNumbers) {
        QStringList folders;
        folders.reserve(m_result.titles.size());
        for (const Rtitle &title : std::as_const(m_result.titles))
            folders.append(title.Folder);
        options.planNumbers(picked, folders);
    }
    m_result.storageFolder = planner.mainFolder();
    composeTitles(rows, pictureFolder, options, compose);
    markLinkedDestinations(planner);
    sortTitles(!m_unique.isEmpty(), sortCaption());
    checkTitles();
    if (m_result.errorCount > 0 && options.forceUniqueness)
        makeUnique();
    checkSyncFiles(pictureFolder);
    // The checks compared titles across folders; the report groups them by folder.
    if (!m_unique.isEmpty())
        sortTitles(false, resortCaption());
    return true;
}

void TestPass::buildTitleList(const QList<Session::PictureRow> &rows, const QList<int> &picked,
                              const DestinationPlanner &planner)
{
    const QString caption = folderNamesCaption();
    m_result.titles.reserve(picked.size());
    m_currentTitles.reserve(picked.size());
    for (qsizetype i = 0; i < picked.size(); ++i) {
        const int row = picked.at(i);
        Rtitle title;
        title.FinalTitle_Row = row;
        title.Folder = planner.destination(row);
        title.Folder_low = title.Folder.toLower();
        m_result.titles.append(title);
        m_currentTitles.append(rows.at(row).currentTitle);
        report(caption, i + 1, picked.size());
    }
}

void TestPass::composeTitles(const QList<Session::PictureRow> &rows, const QString &pictureFolder,
                             const PassOptions &options, const Composer &compose)
{
    const QString caption = composeCaption();
    QList<Rtitle> &titles = m_result.titles;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        Rtitle &title = titles[i];
        const Session::PictureRow &row = rows.at(title.FinalTitle_Row);
        Compose::ComposeInput input;
        input.currentTitle = row.currentTitle;
        input.picturePath = joinPath(pictureFolder, row.currentTitle);
        input.freeText = row.freeText;
        input.picturePrefix = row.prefix;
        input.pictureSuffix = row.suffix;
        if (options.exifText)
            input.exifText = options.exifText(input.picturePath);
        const Compose::RMakeTitle made = compose(input);
        // A title is a name in its folder, whatever composed it.
        title.FinalTitle = Records::cleanTitleText(made.RMTitle);
        title.FinalTitle_low = title.FinalTitle.toLower();
        title.ErrorCode = TitleError::none;
        title.WarningCode = made.RMWarning;
        if (title.WarningCode > 0)
            ++m_result.warningCount;
        report(caption, i + 1, titles.size());
    }
}

void TestPass::markLinkedDestinations(const DestinationPlanner &planner)
{
    for (Rtitle &title : m_result.titles) {
        const QString link = planner.linkOnTheWay(title.FinalTitle_Row);
        if (link.isEmpty())
            continue;
        title.ErrorCode = TitleError::throughLink;
        title.LinkOnTheWay = link;
    }
}

void TestPass::sortTitles(bool byTitleOnly, const QString &caption)
{
    report(caption, 0, 1);
    QList<Rtitle> &titles = m_result.titles;
    QList<int> &order = m_result.sortedOrder;
    order.resize(titles.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, so that equal keys keep picture-table order.
    std::stable_sort(order.begin(), order.end(), [&titles, byTitleOnly](int a, int b) {
        const Rtitle &first = titles.at(a);
        const Rtitle &second = titles.at(b);
        if (!byTitleOnly) {
            const int folders = QString::compare(first.Folder_low, second.Folder_low, Qt::CaseSensitive);
            if (folders != 0)
                return folders < 0;
        }
        return QString::compare(first.FinalTitle_low, second.FinalTitle_low, Qt::CaseSensitive) < 0;
    });
    for (qsizetype position = 0; position < order.size(); ++position)
        titles[order.at(position)].Alfa_order = qint32(position);
    report(caption, 1, 1);
}

QString TestPass::key(const QString &folderLow, const QString &titleLow) const
{
    // With unique-check folders a title must be unique across every destination.
    return m_unique.isEmpty() ? folderLow + u'/' + titleLow : titleLow;
}

bool TestPass::isFree(const QString &folder, const QString &title, qsizetype index)
{
    const QStringList &companions = m_result.syncExtensions;
    if (m_names.contains(folder, title) || m_files.exists(joinPath(folder, title)))
        return false;
    for (const QString &extension : companions) {
        const QString companion = companionName(title, extension);
        if (m_names.contains(folder, companion) || m_files.exists(joinPath(folder, companion)))
            return false;
    }
    // A pair or a sidecar must not land on a file either.
    if (index >= 0 && index < m_result.companions.size()) {
        for (const Session::Follower &follower : m_result.companions.at(index)) {
            const QString name = follower.newName(title, m_result.extensionCase);
            if (m_names.contains(folder, name) || m_files.exists(joinPath(folder, name))
                || !m_unique.ExtendedCheckUnique(name, {}))
                return false;
        }
    }
    return m_unique.ExtendedCheckUnique(title, companions);
}

bool TestPass::isTooLong(const QString &folder, const QString &title)
{
    return joinPath(folder, title).size() > maxPathLength || QFile::encodeName(title).size() > maxNameBytes;
}

void TestPass::checkTitles()
{
    const QString caption = checkCaption();
    QList<Rtitle> &titles = m_result.titles;
    const QList<int> &order = m_result.sortedOrder;
    QStringList keys;
    keys.reserve(titles.size());
    for (const Rtitle &title : std::as_const(titles))
        keys.append(key(title.Folder_low, title.FinalTitle_low));

    for (qsizetype i = 0; i < titles.size(); ++i) {
        report(caption, i + 1, titles.size());
        Rtitle &title = titles[i];
        if (title.ErrorCode != TitleError::none)
            continue;
        if (withoutExtension(title.FinalTitle).isEmpty()) {
            title.ErrorCode = TitleError::empty;
            continue;
        }
        if (!isFree(title.Folder, title.FinalTitle, i))
            title.ErrorCode = TitleError::exists;
        else if (isTooLong(title.Folder, title.FinalTitle))
            title.ErrorCode = TitleError::pathTooLong;
        if (title.ErrorCode == TitleError::pathTooLong)
            continue;
        // The titles of one key are adjacent in sorted order; the first of them reached marks the
        // rest, which are then skipped, so every record is walked over once.
        for (qsizetype position = title.Alfa_order + 1;
             position < order.size() && keys.at(order.at(position)) == keys.at(i); ++position) {
            Rtitle &duplicate = titles[order.at(position)];
            // A title that cannot reach its folder says so, whatever else it shares.
            if (duplicate.ErrorCode != TitleError::throughLink)
                duplicate.ErrorCode = TitleError::isDuplicate;
            if (title.ErrorCode == TitleError::none)
                title.ErrorCode = TitleError::hasDuplicates;
        }
    }
    m_result.errorCount =
        int(std::count_if(titles.cbegin(), titles.cend(), [](const Rtitle &title) { return title.ErrorCode != 0; }));
}

void TestPass::makeUnique()
{
    const QString caption = uniqueCaption();
    QList<Rtitle> &titles = m_result.titles;
    const QList<int> &order = m_result.sortedOrder;
    // A number must not be handed out twice, nor produce another new title of the pass.
    QSet<QString> claimed;
    claimed.reserve(titles.size());
    for (const Rtitle &title : std::as_const(titles))
        claimed.insert(key(title.Folder_low, title.FinalTitle_low));

    for (qsizetype i = 0; i < titles.size(); ++i) {
        report(caption, i + 1, titles.size());
        Rtitle &title = titles[i];
        if (title.ErrorCode < TitleError::exists || title.ErrorCode > TitleError::isDuplicate)
            continue;
        qint32 number = 0;
        if (title.ErrorCode == TitleError::isDuplicate && title.Alfa_order > 0)
            number = titles.at(order.at(title.Alfa_order - 1)).AssignedNumber;
        const QString base = withoutExtension(title.FinalTitle);
        const QString extension = extensionWithDot(title.FinalTitle);
        QString candidate;
        do {
            ++number;
            candidate = base + u'_' + QString::number(number) + extension;
        } while (claimed.contains(key(title.Folder_low, candidate.toLower())) || !isFree(title.Folder, candidate, i));
        title.FinalTitle = candidate;
        title.FinalTitle_low = candidate.toLower();
        title.AssignedNumber = number;
        claimed.insert(key(title.Folder_low, title.FinalTitle_low));
        if (isTooLong(title.Folder, title.FinalTitle)) {
            title.ErrorCode = TitleError::pathTooLong;
        } else {
            title.ErrorCode = TitleError::none;
            --m_result.errorCount;
        }
    }
}

void TestPass::checkSyncFiles(const QString &pictureFolder)
{
    QList<Rtitle> &titles = m_result.titles;
    QHash<QString, qsizetype> byCurrentTitle;
    byCurrentTitle.reserve(titles.size());
    for (qsizetype i = 0; i < titles.size(); ++i)
        byCurrentTitle.insert(m_currentTitles.at(i), i);
    const auto newBase = [&titles](qsizetype i) -> QString {
        return titles.at(i).Folder_low + u'/' + withoutExtension(titles.at(i).FinalTitle_low);
    };
    QHash<QString, QList<qsizetype>> byNewBase;
    byNewBase.reserve(titles.size());
    for (qsizetype i = 0; i < titles.size(); ++i)
        byNewBase[newBase(i)].append(i);

    for (qsizetype i = 0; i < titles.size(); ++i) {
        Rtitle &title = titles[i];
        if (title.ErrorCode != TitleError::none)
            continue;
        const QString &current = m_currentTitles.at(i);
        const QList<Session::Follower> &companions = m_result.companions.at(i);
        if (companions.isEmpty())
            continue;
        const QString &syncFile = companions.first().name;
        // Another picture of the same base name would claim the same file, unless it moves to the
        // same new name beside this one.
        QString conflict;
        const auto follows = [&companions](const QString &name) {
            return std::any_of(companions.cbegin(), companions.cend(),
                               [&name](const Session::Follower &follower) { return follower.name == name; });
        };
        for (const QString &other : m_names.withBase(pictureFolder, withoutExtension(current))) {
            if (other == current || !Session::isListedName(other, m_result.media) || follows(other))
                continue;
            const auto renamed = byCurrentTitle.constFind(other);
            if (renamed != byCurrentTitle.constEnd() && newBase(*renamed) == newBase(i))
                continue;
            conflict = other;
        }
        // Two pictures of other names that take the same new name but for the extension (A.jpg
        // and B.png both to X) would leave the file moved along beside both, or bring two to
        // one name.
        const QString oldBase = withoutExtension(current).toLower();
        for (const qsizetype other : byNewBase.value(newBase(i))) {
            if (withoutExtension(m_currentTitles.at(other)).toLower() != oldBase)
                conflict = titles.at(other).FinalTitle;
        }
        if (conflict.isEmpty())
            continue;
        title.ErrorCode = TitleError::syncConflict;
        title.SyncConflictName = text(417, "(File to be synchronized '") + syncFile
                                 + text(418, "', might belong to '") + conflict + u"')"_s;
        ++m_result.errorCount;
    }
}

} // namespace Retitle
