#include "session/folderscan.h"

#include "session/mediafollowers.h"
#include "session/pictures.h"

#include "records/textcodec.h"

#include <QCollator>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <optional>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <vector>

namespace Session {

namespace {

// Whether this user may write files of the folder, told from their mode alone so that a scan costs
// one stat per picture instead of a stat and an access check: the owner's, the group's or the
// others' write bit as they apply to us, and nothing on a file system mounted read-only.
class WriteAccess final
{
public:
    explicit WriteAccess(int folderDescriptor)
        : m_user(geteuid()), m_group(getegid())
    {
        struct statvfs volume;
        m_readOnlyVolume = fstatvfs(folderDescriptor, &volume) == 0 && (volume.f_flag & ST_RDONLY);
        const int count = getgroups(0, nullptr);
        if (count > 0) {
            m_groups.resize(size_t(count));
            m_groups.resize(size_t(qMax(0, getgroups(count, m_groups.data()))));
        }
    }

    bool mayWrite(const struct stat &info) const
    {
        if (m_readOnlyVolume)
            return false;
        if (m_user == 0)
            return true;
        if (info.st_uid == m_user)
            return info.st_mode & S_IWUSR;
        if (info.st_gid == m_group || std::find(m_groups.cbegin(), m_groups.cend(), info.st_gid) != m_groups.cend())
            return info.st_mode & S_IWGRP;
        return info.st_mode & S_IWOTH;
    }

private:
    uid_t m_user;
    gid_t m_group;
    std::vector<gid_t> m_groups;
    bool m_readOnlyVolume = false;
};

bool isPictureFile(int folderDescriptor, const char *name, const WriteAccess &access)
{
    struct stat info;
    if (fstatat(folderDescriptor, name, &info, 0) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Read-only pictures are left out: their owner may not write them, or we may not.
    if (!(info.st_mode & S_IWUSR))
        return false;
    return access.mayWrite(info);
}

// The media-type test on the undecoded name, so that the names of other files are never decoded.
// It agrees with mediaGroupOf(extensionOf(decoded name)): the extensions are ASCII, a '.' byte is
// never part of a multi-byte character, and no other character lower-cases to one of the
// extensions' letters.
bool hasMediaExtension(const char *name)
{
    const char *dot = std::strrchr(name, '.');
    if (!dot)
        return false;
    // ".jpeg", ".heic" and ".m2ts" are the longest.
    constexpr size_t longest = 5;
    char16_t lowerCase[longest];
    size_t length = 0;
    for (const char *c = dot; *c; ++c) {
        if (length == longest)
            return false;
        const char ascii = (*c >= 'A' && *c <= 'Z') ? char(*c - 'A' + 'a') : *c;
        lowerCase[length++] = char16_t(static_cast<unsigned char>(ascii));
    }
    return mediaGroupOf(QStringView(lowerCase, qsizetype(length))).has_value();
}

// A file name as text: UTF-8, the system's encoding of names, which the work files store too.
// A name that is not valid UTF-8 has no text that names the file again: nothing.
std::optional<QString> decodedName(const char *name)
{
    const QByteArrayView bytes(name, qsizetype(std::strlen(name)));
    if (!Records::TextCodec::isValidUtf8(bytes))
        return std::nullopt;
    return QString::fromUtf8(bytes);
}

} // namespace

PictureFolderScan scanPictureFolder(const QString &folder, const std::function<void()> &yield,
                                    const MediaOptions &options)
{
    PictureFolderScan scan;
    QStringList &names = scan.names;
    DIR *dir = opendir(QFile::encodeName(folder.isEmpty() ? QStringLiteral("/") : folder).constData());
    if (!dir)
        return scan;
    const int descriptor = dirfd(dir);
    const WriteAccess access(descriptor);
    int entries = 0;
    while (const dirent *entry = readdir(dir)) {
        if (++entries % 500 == 0 && yield)
            yield();
        if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        if (!hasMediaExtension(entry->d_name) || !isPictureFile(descriptor, entry->d_name, access))
            continue;
        if (std::optional<QString> name = decodedName(entry->d_name))
            names.append(std::move(*name));
        else
            ++scan.notUtf8;
    }
    closedir(dir);
    names = withoutPairs(names, options, &scan.pairLeaders);
    sortTitles(&names);
    return scan;
}

void sortTitles(QStringList *names, const QLocale &locale)
{
    // The C locale's collation is a plain code-point comparison that ignores the case setting;
    // a program started without a locale still sorts as a person expects.
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Sort keys make each comparison cheap; building one per name is linear.
    struct Keyed
    {
        QCollatorSortKey key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names->size());
    for (const QString &name : *names)
        keyed.push_back({collator.sortKey(name), name});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (qsizetype i = 0; i < names->size(); ++i)
        (*names)[i] = std::move(keyed[size_t(i)].name);
}

} // namespace Session
