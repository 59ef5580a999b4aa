#include "ui/rawpreview.h"

#include <QFile>

#include <libraw/libraw.h>

#include <memory>

namespace Ui {

namespace {

struct RawClose
{
    void operator()(libraw_data_t *raw) const { libraw_close(raw); }
};
struct ThumbnailFree
{
    void operator()(libraw_processed_image_t *image) const { libraw_dcraw_clear_mem(image); }
};

// LibRaw's flip: 3 upside down, 5 turned a quarter anticlockwise, 6 a quarter clockwise.
int rotationOf(int flip)
{
    switch (flip) {
    case 3:
        return 180;
    case 5:
        return 270;
    case 6:
        return 90;
    default:
        return 0;
    }
}

} // namespace

RawPreview RawPreview::read(const QString &path)
{
    RawPreview preview;
    const std::unique_ptr<libraw_data_t, RawClose> raw(libraw_init(0));
    if (!raw)
        return preview;
    const QByteArray name = QFile::encodeName(path);
    if (libraw_open_file(raw.get(), name.constData()) != LIBRAW_SUCCESS
        || libraw_unpack_thumb(raw.get()) != LIBRAW_SUCCESS)
        return preview;
    int error = 0;
    const std::unique_ptr<libraw_processed_image_t, ThumbnailFree> thumbnail(
        libraw_dcraw_make_mem_thumb(raw.get(), &error));
    if (!thumbnail || error != LIBRAW_SUCCESS)
        return preview;
    if (thumbnail->type == LIBRAW_IMAGE_JPEG) {
        preview.image = QImage::fromData(thumbnail->data, int(thumbnail->data_size), "jpeg");
    } else if (thumbnail->type == LIBRAW_IMAGE_BITMAP && thumbnail->colors == 3 && thumbnail->bits == 8) {
        preview.image = QImage(thumbnail->data, thumbnail->width, thumbnail->height, thumbnail->width * 3,
                               QImage::Format_RGB888)
                            .copy();
    }
    preview.rotation = rotationOf(raw->sizes.flip);
    return preview;
}

} // namespace Ui
