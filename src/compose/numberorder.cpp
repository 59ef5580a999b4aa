#include "compose/numberorder.h"

#include "compose/clockoffset.h"

#include <QDateTime>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace Compose {

QHash<QString, qint64> NumberOrder::places(const QList<NumberedPicture> &pictures, const NumberOrderOptions &options)
{
    QList<QDateTime> taken;
    taken.reserve(pictures.size());
    for (const NumberedPicture &picture : pictures)
        taken.append(ClockOffset::clockOf(picture.dateTaken));
    QList<qsizetype> order(pictures.size());
    std::iota(order.begin(), order.end(), 0);
    if (options.byDateTaken) {
        // Stable: pictures of the same second keep table order.
        std::stable_sort(order.begin(), order.end(), [&taken](qsizetype a, qsizetype b) {
            if (taken.at(a).isValid() != taken.at(b).isValid())
                return taken.at(a).isValid();
            return taken.at(a).isValid() && taken.at(a) < taken.at(b);
        });
    }
    QHash<QString, qint64> next;
    QHash<QString, qint64> result;
    result.reserve(pictures.size());
    for (const qsizetype index : std::as_const(order)) {
        const NumberedPicture &picture = pictures.at(index);
        QString group;
        if (options.restartEachDay) {
            const QDate day = taken.at(index).isValid() ? taken.at(index).date() : picture.fileDay;
            group += day.toString(Qt::ISODate);
        }
        if (options.restartEachFolder)
            group += u'/' + picture.folder;
        qint64 &place = next[group];
        result.insert(picture.currentTitle, place);
        ++place;
    }
    return result;
}

} // namespace Compose
