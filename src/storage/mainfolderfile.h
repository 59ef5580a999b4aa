#pragma once

#include "records/fileerror.h"

#include <QByteArray>
#include <QString>

namespace Storage {

// MainFolder.dat in the work folder: one 256-byte record, a short string of 255 bytes holding
// the full path of the main storage folder. An empty path means that no main folder is defined.
class MainFolderFile final
{
public:
    static constexpr int recordSize = 256;

    explicit MainFolderFile(const QString &path);

    const QString &path() const { return m_path; }
    const QString &mainFolder() const { return m_mainFolder; }
    void setMainFolder(const QString &mainFolder) { m_mainFolder = mainFolder; }
    bool isDefined() const { return !m_mainFolder.isEmpty(); }

    // Reads the main folder when the file exists; otherwise creates the file holding an empty
    // main folder. A file shorter than the record fails as damaged.
    [[nodiscard]] Records::FileResult<void> InitFMainFolder();
    // Rewrites the whole file with the main folder in memory.
    [[nodiscard]] Records::FileResult<void> UpdateFMainFolder() const;

    static QByteArray toBytes(const QString &mainFolder);
    static QString fromBytes(const QByteArray &bytes);

private:
    QString m_path;
    QString m_mainFolder;
};

} // namespace Storage
