#include "dictionary/pictitlerec.h"

#include "records/recordlayout.h"

namespace Dictionary {

QByteArray PicTitleRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

PicTitleRec PicTitleRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<PicTitleRec>(bytes);
}

QByteArray PicTitleRecOld::toBytes() const
{
    return Records::encodeRecord(*this);
}

PicTitleRecOld PicTitleRecOld::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<PicTitleRecOld>(bytes);
}

} // namespace Dictionary
