#pragma once

#include "records/fileerror.h"

#include <QHash>
#include <QString>

namespace Metadata {
struct CameraFacts;
}

namespace Compose {

// One camera as its pictures name it: phones give Make and Model only.
struct CameraId
{
    QString make;
    QString model;
    QString serial;

    static CameraId of(const Metadata::CameraFacts &facts);
    // The text the offsets are filed under.
    QString key() const;
    bool operator==(const CameraId &) const = default;
};

// The clock offset of each camera the user corrected, in the work folder: the same camera has
// the same wrong clock in every folder it filled. The file is UTF-8 text, a line per camera
// ("seconds<TAB>make<TAB>model<TAB>serial"), rewritten whole through a new file renamed over it,
// so a failure never leaves half of it.
class CameraClocks final
{
public:
    explicit CameraClocks(QString path = {});

    static QString fileName();

    // Reads the file; a missing file is no camera corrected. Lines it cannot read are skipped.
    [[nodiscard]] Records::FileResult<void> load();
    [[nodiscard]] Records::FileResult<void> save() const;

    // Seconds to add to the camera's date taken; 0 for a camera never corrected.
    qint64 offset(const CameraId &camera) const { return m_offsets.value(camera.key()); }
    // Setting 0 forgets the camera.
    void setOffset(const CameraId &camera, qint64 seconds);
    bool isEmpty() const { return m_offsets.isEmpty(); }
    // Grows by one with every change, so caches know when they are stale.
    quint64 generation() const { return m_generation; }

private:
    QString m_path;
    QHash<QString, qint64> m_offsets;
    quint64 m_generation = 0;
};

} // namespace Compose
