#pragma once

#include "metadata/bytesource_p.h"

#include <QByteArrayView>

#include <optional>

namespace Metadata {

// One box of an ISO base media file (ISO/IEC 14496-12, and QuickTime's atoms): its four-character
// type and where its payload lies within the run it was found in.
struct IsoBox
{
    QByteArray type;
    quint64 payload = 0;
    quint64 payloadSize = 0;
    // Where the next box of the same run starts.
    quint64 end = 0;
};

// Walks the boxes of one run: a file or a box's payload.
class IsoBoxes final
{
public:
    // The box whose header starts at position of run: a 32-bit size, the type and, for size 1,
    // a 64-bit size; size 0 runs to the end of run. Nothing when the header or the size does
    // not fit in run.
    static std::optional<IsoBox> at(const ByteSource &run, quint64 position);
    // The payload of the first box of the type among the boxes of run, searched no further
    // than maxBoxes boxes; nothing when there is none or the boxes break their sizes first.
    static std::optional<ByteSource> find(const ByteSource &run, QByteArrayView type);
    // The same for a "uuid" box, whose payload starts with its 16-byte extended type; the
    // window starts after it.
    static std::optional<ByteSource> findUuid(const ByteSource &run, QByteArrayView uuid);
    // The children of a "meta" box: ISO's is a full box (version and flags before its
    // children), QuickTime's is not; told apart by where the "hdlr" child stands.
    static ByteSource metaChildren(const ByteSource &meta);

    // More boxes than any real file has in one run.
    static constexpr int maxBoxes = 4096;
};

} // namespace Metadata
