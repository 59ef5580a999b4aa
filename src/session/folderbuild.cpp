#include "session/folderbuild.h"

#include "session/folderscan.h"
#include "session/pictures.h"

#include "dictionary/dictionarystore.h"
#include "l10n/text.h"
#include "records/textcodec.h"

#include <QFile>
#include <QStringList>

#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace Session {

using Dictionary::DicIndex;

namespace {

constexpr int entriesPerService = 500;

struct FolderEntries
{
    QStringList pictures;
    QStringList folders;
    int count = 0;
    bool unreadable = false;
};

bool isThumbnailFolder(const QString &name)
{
    return name.compare(u"xelthumb"_s, Qt::CaseInsensitive) == 0;
}

// The entries of one folder: its pictures and its real sub-folders (a symbolic link to a folder
// is not followed, so that no link can lead the scan round in a loop), each in name order.
FolderEntries listFolder(const QString &folder)
{
    FolderEntries listed;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        listed.unreadable = true;
        return listed;
    }
    const int descriptor = dirfd(dir);
    while (const dirent *entry = readdir(dir)) {
        const char *raw = entry->d_name;
        if (std::strcmp(raw, ".") == 0 || std::strcmp(raw, "..") == 0)
            continue;
        ++listed.count;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info;
            if (fstatat(descriptor, raw, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
        }
        const QString name = Records::TextCodec::decode(QByteArrayView(raw, qsizetype(std::strlen(raw))));
        if (type == DT_DIR) {
            if (!isThumbnailFolder(name))
                listed.folders.append(name);
        } else if (IsPictureExtension(extensionOf(name))) {
            listed.pictures.append(name);
        }
    }
    closedir(dir);
    sortTitles(&listed.pictures);
    sortTitles(&listed.folders);
    return listed;
}

QString childPath(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? QString(folder + name) : QString(folder + u'/' + name);
}

} // namespace

FolderBuild::FolderBuild(Dictionary::DictionaryStore &store) : m_store(store)
{
}

FolderBuildResult FolderBuild::run(const QString &folder, Dictionary::BuildMode mode)
{
    m_progress = {};
    m_unreadable = 0;
    m_cancelled = false;
    Q_EMIT m_store.progressShown(L10n::text(294, " Building Dictionary from folder..."));
    m_store.setBuildMode(mode);
    m_store.setFolderScan([this](const QString &scanned) { return scan(scanned); });
    FolderBuildResult result;
    result.done = m_store.MakeDic(folder, DicIndex::Static);
    // The scan refers to this object, which may go before the store.
    m_store.setFolderScan({});
    result.full = isFull();
    result.cancelled = m_cancelled;
    result.foldersRead = m_progress.foldersRead;
    result.picturesRead = m_progress.picturesRead;
    result.foldersUnreadable = m_unreadable;
    return result;
}

bool FolderBuild::isFull() const
{
    return m_store.table(DicIndex::Static).highestIndex() > m_maximum;
}

bool FolderBuild::service()
{
    m_progress.entries = m_store.table(DicIndex::Static).highestIndex() + 1;
    if (m_service && !m_service(m_progress))
        m_cancelled = true;
    return !m_cancelled;
}

bool FolderBuild::scan(const QString &folder)
{
    Q_EMIT m_store.progressShown(L10n::text(295, " Building Dictionary from folder : reading folder..."));
    m_store.forgetLastExaminedTitle();
    std::deque<QString> queue{folder};
    m_progress.foldersFound = 1;
    // The entries of a folder come in one listing; the window is serviced as its pictures are
    // examined, after every so many entries counted from the start of the scan.
    int entries = 0;
    int nextService = entriesPerService;
    while (!queue.empty() && !isFull() && service()) {
        const QString current = std::move(queue.front());
        queue.pop_front();
        const FolderEntries listed = listFolder(current);
        m_unreadable += listed.unreadable ? 1 : 0;
        if (m_includeSubfolders) {
            for (const QString &name : listed.folders)
                queue.push_back(childPath(current, name));
            m_progress.foldersFound += int(listed.folders.size());
        }
        entries += listed.count - int(listed.pictures.size());
        for (const QString &picture : listed.pictures) {
            if (++entries >= nextService) {
                nextService = entries + entriesPerService;
                if (!service())
                    break;
            }
            m_store.ExamineTitle(picture, DicIndex::Static, u'F');
            ++m_progress.picturesRead;
        }
        ++m_progress.foldersRead;
    }
    if (m_cancelled) {
        m_store.cancelBuild();
        return true;
    }
    Q_EMIT m_store.progressShown(L10n::text(296, " Building Dictionary from folder : creating contents table.."));
    return true;
}

} // namespace Session
