#pragma once

#include "compose/cameraclocks.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Session {
struct PictureRow;
}

namespace Compose {

class PictureDates;

// One camera among the pictures, with what its pictures tell of its clock.
struct CameraSummary
{
    CameraId camera;
    // The pictures' current titles and dates taken as the camera wrote them, in table order.
    QStringList titles;
    QStringList dates;
    // The earliest and latest date taken the camera wrote; empty without any.
    QString first;
    QString last;
    // The different OffsetTimeOriginal values among its pictures, in order of first use.
    QStringList zones;
    qint64 offset = 0;
};

// The dialog "Adjust camera clocks…" as a model: the cameras of the selected pictures (all of
// the folder when none is selected), each with an offset typed or worked out from one of its
// pictures and the moment it was really taken. Nothing changes until apply().
class CameraClocksModel final
{
public:
    CameraClocksModel(CameraClocks &clocks, PictureDates &dates, const QList<Session::PictureRow> &rows,
                      const QString &pictureFolder);

    static QString caption();
    static QString menuCaption();
    static QString buttonCaption();
    static QString offsetCaption();
    static QString referenceCaption();
    static QString realTimeCaption();
    static QString useReferenceCaption();
    static QString offsetHint();

    const QList<CameraSummary> &cameras() const { return m_cameras; }
    // "Make Model", with the serial number when there is one; for pictures without either,
    // "Unknown camera".
    static QString cameraText(const CameraId &camera);
    // Its count of pictures and first and last date taken.
    QString summaryText(int camera) const;
    // Empty, or a warning that its pictures were taken in different time zones.
    QString zonesText(int camera) const;
    // The date taken of the camera's picture corrected by the offset as set now.
    QString correctedDate(int camera, int picture) const;

    // False, changing nothing, for a text ClockOffset::parse cannot read.
    bool setOffsetText(int camera, const QString &text);
    void setOffset(int camera, qint64 seconds);
    // The offset that makes the picture of the camera read realTime; false when the picture has
    // no date taken to correct.
    bool setOffsetFromPicture(int camera, int picture, const QDateTime &realTime);

    // Stores the offsets in the camera clocks; the caller saves them. True when any changed.
    bool apply();

private:
    CameraClocks &m_clocks;
    QList<CameraSummary> m_cameras;
};

} // namespace Compose
