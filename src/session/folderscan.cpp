#include "session/folderscan.h"

#include "session/pictures.h"

#include <QCollator>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

namespace Session {

namespace {

bool isPictureFile(int folderDescriptor, const char *name)
{
    struct stat info;
    if (fstatat(folderDescriptor, name, &info, 0) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Read-only pictures are left out: their owner may not write them, or we may not.
    if (!(info.st_mode & S_IWUSR))
        return false;
    return faccessat(folderDescriptor, name, W_OK, AT_EACCESS) == 0;
}

} // namespace

QStringList scanPictureFolder(const QString &folder, const std::function<void()> &yield)
{
    QStringList names;
    DIR *dir = opendir(QFile::encodeName(folder.isEmpty() ? QStringLiteral("/") : folder).constData());
    if (!dir)
        return names;
    const int descriptor = dirfd(dir);
    int entries = 0;
    while (const dirent *entry = readdir(dir)) {
        if (++entries % 500 == 0 && yield)
            yield();
        if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (!IsPictureExtension(extensionOf(name)))
            continue;
        if (isPictureFile(descriptor, entry->d_name))
            names.append(name);
    }
    closedir(dir);
    sortTitles(&names);
    return names;
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
