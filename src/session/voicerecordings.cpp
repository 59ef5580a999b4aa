#include "session/voicerecordings.h"

#include "session/mediatypes.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Session {

namespace {

QString withExtension(const QString &pictureName, const QString &extension)
{
    const qsizetype dot = pictureName.lastIndexOf(u'.');
    return (dot < 0 ? pictureName : pictureName.left(dot)) + u'.' + extension;
}

bool isRecordingName(const QString &name)
{
    return name.endsWith(u".wav"_s, Qt::CaseInsensitive) || name.endsWith(u".mov"_s, Qt::CaseInsensitive);
}

QString joined(const QString &folder, const QString &name)
{
    return (folder == u"/"_s ? QString() : folder) + u'/' + name;
}

} // namespace

VoiceRecordings::VoiceRecordings(const QStringList &names)
{
    QStringList sorted;
    for (const QString &name : names) {
        if (isRecordingName(name))
            sorted.append(name);
    }
    sorted.sort();
    for (const QString &name : std::as_const(sorted)) {
        m_exact.insert(name);
        const QString lower = name.toLower();
        if (!m_byLowerName.contains(lower))
            m_byLowerName.insert(lower, name);
    }
}

VoiceRecordings VoiceRecordings::inFolder(const QString &folder)
{
    // Name filters match without regard to letter case.
    const QDir dir(folder.isEmpty() ? u"/"_s : folder);
    return VoiceRecordings(dir.entryList({u"*.wav"_s, u"*.mov"_s}, QDir::Files | QDir::Hidden | QDir::System));
}

VoiceRecording VoiceRecordings::ofPicture(const QString &picturePath)
{
    const qsizetype slash = picturePath.lastIndexOf(u'/');
    if (slash < 0 || slash == picturePath.size() - 1)
        return {};
    const QString folder = slash == 0 ? u"/"_s : picturePath.left(slash);
    const VoiceRecording recording = inFolder(folder).find(folder, picturePath.mid(slash + 1));
    // A video plays itself with the movie player, unless a wave recording was made for it.
    if ((!recording.available || recording.kind == VoiceKind::Movie)
        && mediaGroupOfName(picturePath) == MediaGroup::Videos)
        return {VoiceKind::Movie, true, picturePath};
    return recording;
}

QString VoiceRecordings::spelling(const QString &name) const
{
    if (m_exact.contains(name))
        return name;
    return m_byLowerName.value(name.toLower());
}

VoiceRecording VoiceRecordings::find(const QString &folder, const QString &pictureName) const
{
    if (m_byLowerName.isEmpty() || pictureName.isEmpty())
        return {};
    const QString wave = spelling(withExtension(pictureName, u"wav"_s));
    if (!wave.isEmpty())
        return {VoiceKind::Wave, true, joined(folder, wave)};
    const QString movie = spelling(withExtension(pictureName, u"mov"_s));
    if (!movie.isEmpty())
        return {VoiceKind::Movie, true, joined(folder, movie)};
    return {};
}

} // namespace Session
