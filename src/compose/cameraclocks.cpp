#include "compose/cameraclocks.h"

#include "metadata/camerafacts.h"
#include "records/nofollow.h"
#include "records/recordfile.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Compose {

namespace {

QString withoutTabs(QString text)
{
    return text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

} // namespace

CameraId CameraId::of(const Metadata::CameraFacts &facts)
{
    return {facts.make, facts.model, facts.serial};
}

QString CameraId::key() const
{
    return withoutTabs(make) + u'\t' + withoutTabs(model) + u'\t' + withoutTabs(serial);
}

CameraClocks::CameraClocks(QString path) : m_path(std::move(path)) {}

QString CameraClocks::fileName()
{
    return u"CameraClocks.txt"_s;
}

Records::FileResult<void> CameraClocks::load()
{
    m_offsets.clear();
    ++m_generation;
    if (m_path.isEmpty() || !QFile::exists(m_path))
        return {};
    QFile file;
    if (auto opened = Records::openWithoutFollowing(file, m_path, QIODevice::ReadOnly); !opened)
        return opened;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Records::fail(Records::FileError{Records::FileError::Code::ReadFailed, m_path, -1, file.errorString()});
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        if (line.startsWith(u'#') || fields.size() != 4)
            continue;
        bool ok = false;
        const qint64 seconds = fields.at(0).toLongLong(&ok);
        if (ok && seconds != 0)
            m_offsets.insert(fields.at(1) + u'\t' + fields.at(2) + u'\t' + fields.at(3).trimmed(), seconds);
    }
    return {};
}

Records::FileResult<void> CameraClocks::save() const
{
    QStringList keys = m_offsets.keys();
    std::sort(keys.begin(), keys.end());
    QByteArray bytes = "# seconds\tmake\tmodel\tserial\n";
    for (const QString &key : std::as_const(keys))
        bytes += QByteArray::number(m_offsets.value(key)) + '\t' + key.toUtf8() + '\n';
    Records::AtomicFile file(m_path);
    if (auto opened = file.open(); !opened)
        return opened;
    if (auto written = file.write(bytes); !written)
        return written;
    return file.commit();
}

void CameraClocks::setOffset(const CameraId &camera, qint64 seconds)
{
    if (offset(camera) == seconds)
        return;
    if (seconds == 0)
        m_offsets.remove(camera.key());
    else
        m_offsets.insert(camera.key(), seconds);
    ++m_generation;
}

} // namespace Compose
