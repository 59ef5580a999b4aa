#pragma once

#include "metadata/camerafacts.h"

#include <QHash>
#include <QString>

#include <functional>

namespace Compose {

class CameraClocks;
struct CameraId;

// The date taken of pictures as the program uses it everywhere: what the camera wrote, moved by
// the clock offset of the camera that wrote it. The EXIF data of a picture is read once and kept
// until clear(), as the title column asks for the same pictures again and again; the files
// themselves are never changed.
class PictureDates final
{
public:
    using Reader = std::function<Metadata::CameraFacts(const QString &path)>;

    // reader: where the facts come from; the picture files by default.
    explicit PictureDates(const CameraClocks &clocks, Reader reader = {});

    const Metadata::CameraFacts &facts(const QString &path);
    CameraId camera(const QString &path);
    // The corrected date taken "yyyy-mm-dd hh:mm:ss", empty when the picture has none.
    QString dateTaken(const QString &path);
    // The offset applied to the picture's date taken, 0 when none.
    qint64 offset(const QString &path);
    const CameraClocks &clocks() const { return m_clocks; }

    // Forgets what was read: after the folder's pictures changed.
    void clear() { m_facts.clear(); }

private:
    const CameraClocks &m_clocks;
    Reader m_reader;
    QHash<QString, Metadata::CameraFacts> m_facts;
};

} // namespace Compose
