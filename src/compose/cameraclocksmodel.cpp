#include "compose/cameraclocksmodel.h"

#include "compose/clockoffset.h"
#include "compose/picturedates.h"

#include "l10n/text.h"
#include "session/picturerow.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

CameraClocksModel::CameraClocksModel(CameraClocks &clocks, PictureDates &dates, const QList<Session::PictureRow> &rows,
                                     const QString &pictureFolder)
    : m_clocks(clocks)
{
    const bool anySelected = std::any_of(rows.cbegin(), rows.cend(), [](const auto &row) { return row.isSelected(); });
    const QDir folder(pictureFolder);
    for (const Session::PictureRow &row : rows) {
        if (anySelected && !row.isSelected())
            continue;
        const QString path = folder.filePath(row.currentTitle);
        const Metadata::CameraFacts &facts = dates.facts(path);
        const CameraId camera = CameraId::of(facts);
        auto found = std::find_if(m_cameras.begin(), m_cameras.end(),
                                  [&camera](const CameraSummary &summary) { return summary.camera == camera; });
        if (found == m_cameras.end()) {
            m_cameras.append({camera, {}, {}, {}, {}, {}, clocks.offset(camera)});
            found = m_cameras.end() - 1;
        }
        found->titles.append(row.currentTitle);
        found->dates.append(facts.dateTaken);
        if (!facts.dateTaken.isEmpty()) {
            // The texts have fixed positions, so they sort as the moments do.
            if (found->first.isEmpty() || facts.dateTaken < found->first)
                found->first = facts.dateTaken;
            if (found->last.isEmpty() || facts.dateTaken > found->last)
                found->last = facts.dateTaken;
        }
        if (!facts.offsetTime.isEmpty() && !found->zones.contains(facts.offsetTime))
            found->zones.append(facts.offsetTime);
    }
}

QString CameraClocksModel::caption()
{
    return text(1730, "Adjust camera clocks");
}

QString CameraClocksModel::menuCaption()
{
    return text(1734, "Adjust camera c&locks...");
}

QString CameraClocksModel::buttonCaption()
{
    return text(1737, "Camera clocks...");
}

QString CameraClocksModel::offsetCaption()
{
    return text(1741, "Clock &offset:");
}

QString CameraClocksModel::referenceCaption()
{
    return text(1745, "&Picture:");
}

QString CameraClocksModel::realTimeCaption()
{
    return text(1749, "&Really taken at:");
}

QString CameraClocksModel::useReferenceCaption()
{
    return text(1753, "&Set offset from picture");
}

QString CameraClocksModel::offsetHint()
{
    return text(1757, "Added to the date taken of every picture of the camera, as +h:mm:ss, -h:mm:ss or +Nd h:mm:ss. "
                "The picture files are not changed.");
}

QString CameraClocksModel::cameraText(const CameraId &camera)
{
    // Many cameras repeat the brand in the model ("NIKON CORPORATION", "NIKON D750").
    const QString brand = camera.make.section(u' ', 0, 0);
    QString name = camera.model;
    if (!brand.isEmpty() && !camera.model.startsWith(brand, Qt::CaseInsensitive))
        name = camera.model.isEmpty() ? camera.make : camera.make + u' ' + camera.model;
    if (name.isEmpty())
        name = text(1760, "Unknown camera");
    if (!camera.serial.isEmpty())
        name += text(1762, " (serial number ") + camera.serial + u')';
    return name;
}

QString CameraClocksModel::summaryText(int camera) const
{
    const CameraSummary &summary = m_cameras.at(camera);
    QString result = QString::number(summary.titles.size()) + text(1764, " picture(s)");
    if (!summary.first.isEmpty())
        result += u", "_s + summary.first + u" \u2013 "_s + summary.last;
    else
        result += text(1766, ", no date taken");
    return result;
}

QString CameraClocksModel::zonesText(int camera) const
{
    const CameraSummary &summary = m_cameras.at(camera);
    if (summary.zones.size() < 2)
        return {};
    return text(1768, "Taken in different time zones: ") + summary.zones.join(u", "_s);
}

QString CameraClocksModel::correctedDate(int camera, int picture) const
{
    const CameraSummary &summary = m_cameras.at(camera);
    return ClockOffset::apply(summary.dates.at(picture), summary.offset);
}

bool CameraClocksModel::setOffsetText(int camera, const QString &offsetText)
{
    const std::optional<qint64> seconds = ClockOffset::parse(offsetText);
    if (!seconds)
        return false;
    setOffset(camera, *seconds);
    return true;
}

void CameraClocksModel::setOffset(int camera, qint64 seconds)
{
    m_cameras[camera].offset = std::clamp(seconds, -ClockOffset::maxSeconds, ClockOffset::maxSeconds);
}

bool CameraClocksModel::setOffsetFromPicture(int camera, int picture, const QDateTime &realTime)
{
    const CameraSummary &summary = m_cameras.at(camera);
    if (picture < 0 || picture >= summary.dates.size())
        return false;
    const std::optional<qint64> seconds = ClockOffset::between(summary.dates.at(picture), realTime);
    if (!seconds)
        return false;
    setOffset(camera, *seconds);
    return true;
}

bool CameraClocksModel::apply()
{
    const quint64 before = m_clocks.generation();
    for (const CameraSummary &summary : std::as_const(m_cameras))
        m_clocks.setOffset(summary.camera, summary.offset);
    return m_clocks.generation() != before;
}

} // namespace Compose
