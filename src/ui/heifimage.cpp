#include "ui/heifimage.h"

#include <QFile>

#include <libheif/heif.h>

#include <memory>

namespace Ui::HeifImage {

namespace {

struct ContextFree
{
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleRelease
{
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease
{
    void operator()(heif_image *image) const { heif_image_release(image); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

Context openContext(const QString &path)
{
    Context context(heif_context_alloc());
    if (!context)
        return {};
    const QByteArray name = QFile::encodeName(path);
    if (heif_context_read_from_file(context.get(), name.constData(), nullptr).code != heif_error_Ok)
        return {};
    return context;
}

Handle primaryHandle(heif_context *context)
{
    heif_image_handle *handle = nullptr;
    if (heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok)
        return {};
    return Handle(handle);
}

QImage decoded(heif_image_handle *handle)
{
    heif_image *raw = nullptr;
    if (heif_decode_image(handle, &raw, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr).code
        != heif_error_Ok)
        return {};
    const std::unique_ptr<heif_image, ImageRelease> image(raw);
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        return {};
    // A copy: the pixels belong to libheif's image.
    return QImage(pixels, width, height, stride, QImage::Format_RGBA8888).copy();
}

} // namespace

QImage read(const QString &path, const QSize &bounds)
{
    const Context context = openContext(path);
    if (!context)
        return {};
    const Handle handle = primaryHandle(context.get());
    if (!handle)
        return {};
    QImage image = decoded(handle.get());
    if (!image.isNull() && bounds.isValid() && (image.width() > bounds.width() || image.height() > bounds.height()))
        image = image.scaled(bounds, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage readThumbnail(const QString &path)
{
    const Context context = openContext(path);
    if (!context)
        return {};
    const Handle handle = primaryHandle(context.get());
    if (!handle || heif_image_handle_get_number_of_thumbnails(handle.get()) < 1)
        return {};
    heif_item_id id = 0;
    heif_image_handle_get_list_of_thumbnail_IDs(handle.get(), &id, 1);
    heif_image_handle *thumbnail = nullptr;
    if (heif_image_handle_get_thumbnail(handle.get(), id, &thumbnail).code != heif_error_Ok)
        return {};
    return decoded(Handle(thumbnail).get());
}

} // namespace Ui::HeifImage
