#include "session/sgtitlerec.h"

#include "records/recordlayout.h"

namespace Session {

QByteArray SGTitleRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

SGTitleRec SGTitleRec::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<SGTitleRec>(bytes);
}

QByteArray SGTitleRecOld::toBytes() const
{
    return Records::encodeRecord(*this);
}

SGTitleRecOld SGTitleRecOld::fromBytes(const QByteArray &bytes)
{
    return Records::decodeRecord<SGTitleRecOld>(bytes);
}

} // namespace Session
