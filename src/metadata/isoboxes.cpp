#include "metadata/isoboxes_p.h"

#include "metadata/byteorder_p.h"

namespace Metadata {

std::optional<IsoBox> IsoBoxes::at(const ByteSource &run, quint64 position)
{
    const std::optional<QByteArray> header = run.read(position, 8);
    if (!header)
        return std::nullopt;
    quint64 size = ByteOrder::u32(header->constData(), true);
    quint64 headerSize = 8;
    if (size == 1) {
        const std::optional<QByteArray> large = run.read(position + 8, 8);
        if (!large)
            return std::nullopt;
        size = ByteOrder::u64(large->constData(), true);
        headerSize = 16;
    } else if (size == 0) {
        size = run.size() - position;
    }
    if (size < headerSize || !run.contains(position, size))
        return std::nullopt;
    return IsoBox{header->sliced(4), position + headerSize, size - headerSize, position + size};
}

std::optional<ByteSource> IsoBoxes::find(const ByteSource &run, QByteArrayView type)
{
    quint64 position = 0;
    for (int i = 0; i < maxBoxes && position < run.size(); ++i) {
        const std::optional<IsoBox> box = at(run, position);
        if (!box)
            return std::nullopt;
        if (box->type == type)
            return run.window(box->payload, box->payloadSize);
        position = box->end;
    }
    return std::nullopt;
}

std::optional<ByteSource> IsoBoxes::findUuid(const ByteSource &run, QByteArrayView uuid)
{
    quint64 position = 0;
    for (int i = 0; i < maxBoxes && position < run.size(); ++i) {
        const std::optional<IsoBox> box = at(run, position);
        if (!box)
            return std::nullopt;
        if (box->type == "uuid" && box->payloadSize >= 16) {
            const std::optional<QByteArray> extended = run.read(box->payload, 16);
            if (extended && *extended == uuid)
                return run.window(box->payload + 16, box->payloadSize - 16);
        }
        position = box->end;
    }
    return std::nullopt;
}

ByteSource IsoBoxes::metaChildren(const ByteSource &meta)
{
    const std::optional<QByteArray> start = meta.read(0, 8);
    if (start && start->sliced(4) == "hdlr")
        return meta;
    return meta.window(4, meta.size());
}

} // namespace Metadata
