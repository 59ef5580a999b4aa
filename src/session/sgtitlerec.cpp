#include "session/sgtitlerec.h"

#include "records/recordlayout.h"
#include "records/titletext.h"

namespace Session {

QByteArray SGTitleRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

SGTitleRec SGTitleRec::fromBytes(const QByteArray &bytes)
{
    SGTitleRec rec = Records::decodeRecord<SGTitleRec>(bytes);
    // The texts that become part of the new title.
    rec.STNew = Records::cleanTitleText(rec.STNew);
    rec.STPrefix = Records::cleanTitleText(rec.STPrefix);
    rec.STSuffix = Records::cleanTitleText(rec.STSuffix);
    return rec;
}

QByteArray SGTitleRecOld::toBytes() const
{
    return Records::encodeRecord(*this);
}

SGTitleRecOld SGTitleRecOld::fromBytes(const QByteArray &bytes)
{
    SGTitleRecOld rec = Records::decodeRecord<SGTitleRecOld>(bytes);
    rec.newText = Records::cleanTitleText(rec.newText);
    return rec;
}

} // namespace Session
