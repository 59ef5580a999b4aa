#pragma once

#include "records/fileerror.h"

#include <QByteArray>
#include <QString>

namespace Storage {

// A folder's record in PicNewFolder.dat: its number and the description stored there.
struct NFRec
{
    qint64 NFIndex = -1;
    QString NFDesc;

    bool operator==(const NFRec &) const = default;
};

// PicNewFolder.dat in the picture folder: the descriptions given to planned folders during the
// folder session, so that a later Test & Preview offers them again. 512-byte records without
// header: the folder's lower-case path and its description, each a short string of 255 bytes.
// Records are only appended or rewritten in place.
class NewFolderFile final
{
public:
    static constexpr int recordSize = 512;
    static constexpr int fieldLength = 255;

    explicit NewFolderFile(const QString &path);

    const QString &path() const { return m_path; }

    // The first record whose key is lowerPath; when there is none, a record with that key and
    // no description is appended. A key longer than the field is stored cut and so never found.
    [[nodiscard]] Records::FileResult<NFRec> find(const QString &lowerPath) const;
    // Rewrites record index with its key and description.
    [[nodiscard]] Records::FileResult<void> write(qint64 index, const QString &lowerPath,
                                                  const QString &description) const;

    static QByteArray toBytes(const QString &lowerPath, const QString &description);

private:
    QString m_path;
};

} // namespace Storage
