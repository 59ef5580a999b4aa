#include "compose/pictextrec.h"

#include "records/recordlayout.h"

namespace Compose {

QByteArray PicPrefixRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

PicPrefixRec PicPrefixRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<PicPrefixRec>(bytes);
}

QByteArray PicSuffixRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

PicSuffixRec PicSuffixRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<PicSuffixRec>(bytes);
}

} // namespace Compose
