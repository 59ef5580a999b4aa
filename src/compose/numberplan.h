#pragma once

#include "compose/numberorder.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace Session {
struct PictureRow;
}

namespace Compose {

class PictureDates;

// The numbering places (see NumberOrder) of the picked rows of the picture table, with their
// corrected dates taken; destination gives a row's destination folder (empty: none planned).
QHash<QString, qint64> numberPlaces(const QList<Session::PictureRow> &rows, const QList<int> &picked,
                                    const QString &pictureFolder, PictureDates &dates,
                                    const std::function<QString(int row)> &destination,
                                    const NumberOrderOptions &options);

} // namespace Compose
