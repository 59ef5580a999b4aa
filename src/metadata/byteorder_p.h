#pragma once

#include <QtEndian>
#include <QtGlobal>

namespace Metadata::ByteOrder {

// Unsigned integers at p in the byte order of a TIFF structure; p must hold enough bytes.
inline quint16 u16(const char *p, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
}

inline quint32 u32(const char *p, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
}

inline quint64 u64(const char *p, bool bigEndian)
{
    return bigEndian ? qFromBigEndian<quint64>(p) : qFromLittleEndian<quint64>(p);
}

} // namespace Metadata::ByteOrder
