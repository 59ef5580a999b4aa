#pragma once

#include "compose/pictextlist.h"

#include <utility>

namespace Compose {

// The remembered per-picture prefixes of PicPrefix.dat, under the names the rest of the program
// calls them by.
class PicPrefixList final : public PicTextList
{
public:
    PicPrefixList(const QString &path, int maximum, Platform::Dialogs &dialogs, Clock clock = {},
                  QObject *parent = nullptr)
        : PicTextList(PicTextKind::Prefix, path, maximum, dialogs, std::move(clock), parent)
    {
    }

    Records::FileResult<void> InitFPicPrefix(bool Clear) { return init(Clear); }
    Records::FileResult<void> ReadPicPrefixIntoTable() { return readIntoTable(); }
    void SortPointerPicPrefix(SortOrder Sort) { sortPointer(Sort); }
    Records::FileResult<void> TruncFPicPrefix() { return truncateToMaximum(); }
    bool AddPicPrefix(const QString &Prefix) { return add(Prefix); }
    Records::FileResult<PicTextEntry> UpdateFPicPrefix(qint64 FilePointer, const QString &Prefix)
    {
        return update(FilePointer, Prefix);
    }
    bool DelElPicPrefix(const QString &PS) { return deleteText(PS); }
    QStringList FillCBPicPrefix() const { return dropDownItems(); }
};

} // namespace Compose
