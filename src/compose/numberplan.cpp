#include "compose/numberplan.h"

#include "compose/picturedates.h"

#include "metadata/filedate.h"
#include "session/picturerow.h"

#include <QDir>

namespace Compose {

QHash<QString, qint64> numberPlaces(const QList<Session::PictureRow> &rows, const QList<int> &picked,
                                    const QString &pictureFolder, PictureDates &dates,
                                    const std::function<QString(int row)> &destination,
                                    const NumberOrderOptions &options)
{
    QList<NumberedPicture> pictures;
    pictures.reserve(picked.size());
    for (const int row : picked) {
        NumberedPicture picture;
        picture.currentTitle = rows.at(row).currentTitle;
        const QString path = QDir(pictureFolder).filePath(picture.currentTitle);
        if (options.byDateTaken || options.restartEachDay)
            picture.dateTaken = dates.dateTaken(path);
        // Only a picture without a date taken is put under the day of its file.
        if (options.restartEachDay && picture.dateTaken.isEmpty())
            picture.fileDay = Metadata::fileDate(path).date();
        if (options.restartEachFolder && destination)
            picture.folder = destination(row);
        pictures.append(picture);
    }
    return NumberOrder::places(pictures, options);
}

} // namespace Compose
