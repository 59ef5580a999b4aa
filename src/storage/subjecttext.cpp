#include "storage/subjecttext.h"

#include "records/textcodec.h"
#include "records/titletext.h"

using namespace Qt::StringLiterals;

namespace Storage::SubjectText {

namespace {

constexpr QChar levelSeparator = u';';
// The longest folder name the file systems take, in bytes.
constexpr int folderNameLength = 255;

} // namespace

QString normalised(const QString &typed)
{
    QString result;
    result.reserve(typed.size());
    bool atLevelStart = true;
    for (const QChar character : typed) {
        if (atLevelStart && (character == u' ' || character == levelSeparator))
            continue;
        if (character == levelSeparator) {
            while (result.endsWith(u' '))
                result.chop(1);
            atLevelStart = true;
            continue;
        }
        if (atLevelStart && !result.isEmpty())
            result += levelSeparator;
        atLevelStart = false;
        result += character;
    }
    return result;
}

QStringList folderLevels(const QString &subject)
{
    QStringList levels;
    for (const QString &part : subject.split(levelSeparator)) {
        QString level = Records::cleanTitleText(part).trimmed();
        // Cutting may leave a space at the end again.
        level = Records::TextCodec::fitted(level, folderNameLength).trimmed();
        if (level.isEmpty() || level == u"."_s || level == u".."_s)
            continue;
        levels.append(level);
    }
    return levels;
}

QString folderSafe(const QString &subject)
{
    return folderLevels(subject).join(levelSeparator);
}

} // namespace Storage::SubjectText
