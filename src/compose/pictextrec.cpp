#include "compose/pictextrec.h"

#include "records/recordlayout.h"
#include "records/titletext.h"

namespace Compose {

QByteArray PicPrefixRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

PicPrefixRec PicPrefixRec::fromBytes(const QByteArray &bytes)
{
    PicPrefixRec rec = Records::decodeRecord<PicPrefixRec>(bytes);
    rec.PPPrefix = Records::cleanTitleText(rec.PPPrefix);
    rec.PPPrefixLow = Records::cleanTitleText(rec.PPPrefixLow);
    return rec;
}

QByteArray PicSuffixRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

PicSuffixRec PicSuffixRec::fromBytes(const QByteArray &bytes)
{
    PicSuffixRec rec = Records::decodeRecord<PicSuffixRec>(bytes);
    rec.PSSuffix = Records::cleanTitleText(rec.PSSuffix);
    rec.PSSuffixLow = Records::cleanTitleText(rec.PSSuffixLow);
    return rec;
}

} // namespace Compose
