#pragma once

#include "compose/pictextlist.h"

#include <utility>

namespace Compose {

// The remembered per-picture suffixes of PicSuffix.dat, under the names the rest of the program
// calls them by.
class PicSuffixList final : public PicTextList
{
public:
    PicSuffixList(const QString &path, int maximum, Platform::Dialogs &dialogs, Clock clock = {},
                  QObject *parent = nullptr)
        : PicTextList(PicTextKind::Suffix, path, maximum, dialogs, std::move(clock), parent)
    {
    }

    Records::FileResult<void> InitFPicSuffix(bool Clear) { return init(Clear); }
    Records::FileResult<void> ReadPicSuffixIntoTable() { return readIntoTable(); }
    void SortPointerPicSuffix(SortOrder Sort) { sortPointer(Sort); }
    Records::FileResult<void> TruncFPicSuffix() { return truncateToMaximum(); }
    bool AddPicSuffix(const QString &Suffix) { return add(Suffix); }
    Records::FileResult<PicTextEntry> UpdateFPicSuffix(qint64 FilePointer, const QString &Suffix)
    {
        return update(FilePointer, Suffix);
    }
    bool DelElPicSuffix(const QString &PS) { return deleteText(PS); }
    QStringList FillCBPicSuffix() const { return dropDownItems(); }
};

} // namespace Compose
