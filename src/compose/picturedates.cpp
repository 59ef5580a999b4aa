#include "compose/picturedates.h"

#include "compose/cameraclocks.h"
#include "compose/clockoffset.h"

namespace Compose {

PictureDates::PictureDates(const CameraClocks &clocks, Reader reader) : m_clocks(clocks), m_reader(std::move(reader))
{
}

const Metadata::CameraFacts &PictureDates::facts(const QString &path)
{
    auto found = m_facts.find(path);
    if (found == m_facts.end())
        found = m_facts.insert(path, m_reader ? m_reader(path) : Metadata::readCameraFacts(path));
    return found.value();
}

CameraId PictureDates::camera(const QString &path)
{
    return CameraId::of(facts(path));
}

qint64 PictureDates::offset(const QString &path)
{
    const Metadata::CameraFacts &known = facts(path);
    // A picture without a date taken has nothing to correct.
    return known.dateTaken.isEmpty() ? 0 : m_clocks.offset(CameraId::of(known));
}

QString PictureDates::dateTaken(const QString &path)
{
    return ClockOffset::apply(facts(path).dateTaken, offset(path));
}

} // namespace Compose
