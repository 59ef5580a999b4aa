#include "dictionary/contextdicrec.h"

#include "records/recordlayout.h"

namespace Dictionary {

QByteArray ContextDicRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

ContextDicRec ContextDicRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<ContextDicRec>(bytes);
}

} // namespace Dictionary
