#pragma once

#include "session/voicerecording.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace Session {

// The voice recordings among the files of one folder: a picture's recording is the file named as
// the picture with its extension replaced by "wav" or, when there is none, by "mov". Names are
// matched in any letter case (IMG_1.JPG has IMG_1.WAV), as the retitling takes them along; of two
// spellings the picture's own name with "wav" or "mov" wins, then the first in code-point order.
class VoiceRecordings final
{
public:
    VoiceRecordings() = default;
    // From the names of a folder's files; names of other files are passed over.
    explicit VoiceRecordings(const QStringList &names);
    // Lists the folder once.
    static VoiceRecordings inFolder(const QString &folder);
    // Looks for one picture's recording in its folder: ShowRecordingState's test. A video with no
    // wave recording is its own movie recording.
    static VoiceRecording ofPicture(const QString &picturePath);

    // The recording of a picture of the folder, given by its file name.
    VoiceRecording find(const QString &folder, const QString &pictureName) const;
    bool isEmpty() const { return m_byLowerName.isEmpty(); }

private:
    QString spelling(const QString &name) const;

    QSet<QString> m_exact;
    QHash<QString, QString> m_byLowerName;
};

} // namespace Session
