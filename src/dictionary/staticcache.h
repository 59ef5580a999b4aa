#pragma once

#include "dictionary/entrytable.h"

#include <QString>

#include <optional>

namespace Dictionary {

// The Static dictionary as a start-up load left it, kept beside LoadedDic.dat so that the next
// start-up takes the finished table instead of examining every record again. The copy names the
// file it was made from by size, times and identity; once that file changes in any way, the copy
// is passed over and the table is made from the records again.
class StaticCache final
{
public:
    // The identity of the dictionary file as the system has it now; nothing when it cannot be
    // looked at or is not a regular file.
    struct Source
    {
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;
        quint64 inode = 0;
        quint64 device = 0;
        bool operator==(const Source &) const = default;
    };
    static std::optional<Source> sourceOf(const QString &dictionaryFile);

    explicit StaticCache(const QString &path) : m_path(path) {}
    const QString &path() const { return m_path; }

    // Restores table from the copy when it was made from source; false (and table unchanged)
    // when there is none, it belongs to another state of the file or it is damaged.
    bool restore(const Source &source, EntryTable &table, int *entryCount) const;
    // Keeps table, loaded from the file as source describes it. False when it could not be
    // written; the next start-up then simply loads the records.
    bool store(const Source &source, const EntryTable &table) const;

private:
    QString m_path;
};

} // namespace Dictionary
