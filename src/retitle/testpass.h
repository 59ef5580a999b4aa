#pragma once

#include "retitle/foldernames.h"
#include "retitle/testpassresult.h"

#include "compose/titlecomposer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class FileSystem;
}
namespace Session {
struct PictureRow;
}

namespace Retitle {

class DestinationPlanner;
class UniqueCheck;

struct PassOptions
{
    // "Force uniqueness": duplicate and existing titles get a sequence number.
    bool forceUniqueness = false;
    // The extensions whose files follow a picture, without dot, in order (voice files first).
    QStringList syncExtensions;
    // Which files are listed and whether pairs follow their picture.
    Session::MediaOptions media;
    // The letter case of the companions' extensions, as the pictures' (Compose::ExtensionCase).
    qint32 extensionCase = 0;
    // The EXIF tag text of a picture path, asked only while the element is on.
    std::function<QString(const QString &picturePath)> exifText;
    // Told the rows to rename, in picture-table order, with their destination folders before
    // any title is composed: the counter may number them in another order.
    std::function<void(const QList<int> &rows, const QStringList &folders)> planNumbers;
};

// The test pass: the new title of every selected picture with its errors and warnings. Nothing on
// disk changes; the folders involved are each listed once.
class TestPass final
{
public:
    // A step's caption and its progress in whole percent; called after every picture, so the
    // receiver can also keep the window responsive.
    using Progress = std::function<void(const QString &caption, int percent)>;
    using Composer = std::function<Compose::RMakeTitle(const Compose::ComposeInput &input)>;

    TestPass(const Platform::FileSystem &files, UniqueCheck &unique, Progress progress = {});

    // Runs every step over the pictures to rename of rows (selected, not marked for deletion).
    // False when the planner was cancelled; the result is then incomplete.
    bool run(const QList<Session::PictureRow> &rows, const QString &pictureFolder, const PassOptions &options,
             DestinationPlanner &planner, const Composer &compose);

    const TestPassResult &result() const { return m_result; }
    TestPassResult takeResult() { return std::move(m_result); }

    // The progress captions of the steps.
    static QString expandCaption();
    static QString folderNamesCaption();
    static QString composeCaption();
    static QString sortCaption();
    static QString checkCaption();
    static QString uniqueCaption();
    static QString resortCaption();

private:
    void buildTitleList(const QList<Session::PictureRow> &rows, const QList<int> &picked,
                        const DestinationPlanner &planner);
    void composeTitles(const QList<Session::PictureRow> &rows, const QString &pictureFolder, const PassOptions &options,
                       const Composer &compose);
    // A destination behind a symbolic link is an error of its own; the other checks pass over it.
    void markLinkedDestinations(const DestinationPlanner &planner);
    void sortTitles(bool byTitleOnly, const QString &caption);
    void checkTitles();
    void makeUnique();
    void checkSyncFiles(const QString &pictureFolder);

    QString key(const QString &folderLow, const QString &titleLow) const;
    // Title is free: no entry of the folder has the title or one of its companion names, in any
    // letter case, and neither does any unique-check folder.
    // index: the record whose companions must find their names free too; -1 for none.
    bool isFree(const QString &folder, const QString &title, qsizetype index = -1);
    static bool isTooLong(const QString &folder, const QString &title);
    void report(const QString &caption, qsizetype done, qsizetype total) const;

    const Platform::FileSystem &m_files;
    UniqueCheck &m_unique;
    Progress m_progress;
    FolderNames m_names;
    TestPassResult m_result;
    // The current title of each record of the title list.
    QStringList m_currentTitles;
};

} // namespace Retitle
