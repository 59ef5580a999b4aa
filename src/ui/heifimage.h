#pragma once

#include <QImage>
#include <QString>

namespace Ui {

// HEIF and AVIF pictures through libheif, which stands them upright by the turn and mirroring
// the file itself records (an EXIF orientation inside is not to be applied again).
namespace HeifImage {

// The primary picture, scaled down to fit bounds when larger; a null image when it cannot be
// read.
QImage read(const QString &path, const QSize &bounds);
// The file's own thumbnail of its primary picture; a null image when it has none.
QImage readThumbnail(const QString &path);

} // namespace HeifImage

} // namespace Ui
