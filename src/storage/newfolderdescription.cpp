#include "storage/newfolderdescription.h"

#include "records/textcodec.h"

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

constexpr qsizetype maxLevelBytes = 255;

} // namespace

bool isIllegalInDescription(QChar c)
{
    return u"\"*/:<>?\\|"_s.contains(c);
}

QString folderSafeDescription(const QString &levelName, const QString &description)
{
    QString safe;
    safe.reserve(description.size());
    for (const QChar c : description) {
        if (!isIllegalInDescription(c) && c.category() != QChar::Other_Control)
            safe.append(c);
    }
    safe = safe.trimmed();
    const qsizetype room = maxLevelBytes - Records::TextCodec::encode(levelName).size() - 1;
    if (room <= 0)
        return QString();
    return Records::TextCodec::fitted(safe, room).trimmed();
}

} // namespace Storage
