// The picture beside the table for a 6000x4000 JPEG that carries a 160x120 thumbnail in its EXIF
// block, as camera pictures do: the time from the current picture changing to the thumbnail
// standing in for it and to the scaled picture being ready in the pane, through the preview's
// delay and the decoder threads, against a plain full decode of the same file on one thread.
// While the pane's picture is decoded, a keystroke is posted every millisecond; the longest any
// of them waits to be handled shows whether the interface's thread stays free.
#include "benchharness.h"

#include "platform/dialogs.h"
#include "session/freetexteditor.h"
#include "session/picturepreview.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "ui/picturecanvas.h"
#include "ui/previewpane.h"

#include "exifwriter.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int rounds = 10;

class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &) override {}
    Platform::Answer ask(const Platform::Question &question) override { return {question.defaultButton, false}; }
    void status(const Platform::StatusMessage &) override {}
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }
};

// A keystroke stamped when it was posted; the receiver notes how long it waited.
class KeyReceiver final : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::event(event);
        worst = std::max(worst, double(clock.nsecsElapsed() - static_cast<QKeyEvent *>(event)->timestamp() * 1000)
                                    / 1e6);
        return true;
    }
    void post()
    {
        // The timestamp field carries the posting time in microseconds of clock.
        auto *key = new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, u"a"_s);
        key->setTimestamp(quint64(clock.nsecsElapsed() / 1000));
        QCoreApplication::postEvent(this, key);
    }

    QElapsedTimer clock;
    double worst = 0;
};

QByteArray jpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPG", quality))
        return {};
    return bytes;
}

// A picture with a gradient under noise, so that it compresses like a photograph, and an EXIF
// block with a 160x120 thumbnail, the picture's 3:2 filled out with bars as cameras do.
bool writePicture(const QString &path, quint32 seed)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(48u)) - 24;
            line[x] = qRgb(qBound(0, x * 255 / 6000 + noise, 255), qBound(0, y * 255 / 4000 + noise, 255),
                           qBound(0, 128 + noise, 255));
        }
    }
    QImage thumbnail(160, 120, QImage::Format_RGB32);
    thumbnail.fill(Qt::black);
    const QImage small = image.scaled(160, 107, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < small.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb *>(small.constScanLine(y)), small.width(),
                    reinterpret_cast<QRgb *>(thumbnail.scanLine(y + (120 - small.height()) / 2)));
    Tools::ExifWriter exif;
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, "Bench");
    exif.setShort(Tools::ExifWriter::Directory::Main, Tools::ExifTag::orientation, 1);
    exif.setAscii(Tools::ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, "2024:05:01 12:00:00");
    exif.setThumbnail(jpegBytes(thumbnail, 75));
    const std::optional<QByteArray> file = exif.insertInto(jpegBytes(image, 90));
    QFile out(path);
    return file && out.open(QIODevice::WriteOnly) && out.write(*file) == file->size();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        Bench::fail("cannot create a scratch folder");
    // Two pictures, so that every change is to another file.
    for (int i = 0; i < 2; ++i) {
        if (!writePicture(folder.filePath(u"picture%1.jpg"_s.arg(i)), quint32(i + 1)))
            Bench::fail("cannot write the picture");
    }
    std::fprintf(stderr, "picture of %lld bytes\n", QFile(folder.filePath(u"picture0.jpg"_s)).size());

    SilentDialogs dialogs;
    Session::NoSubjects subjects;
    Session::PictureSession pictures(dialogs, subjects);
    pictures.setFolder(folder.path(), u"4.4.0.0"_s);
    if (!pictures.CreateFSGTitle() || !pictures.FillSGTitle(true) || pictures.rowCount() != 2)
        Bench::fail("cannot open the folder");
    Settings::ProgramSettings settings(folder.filePath(u"PSMSet.dat"_s));
    Session::Selection selection(pictures, settings, dialogs);
    Session::StageWorkflow workflow;
    Session::FreeTextEditor editor(pictures, selection, workflow, settings, dialogs);
    Session::PicturePreview preview(pictures, editor, settings, dialogs);
    preview.toggleShowThumb();

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *pane = new Ui::PreviewPane(preview);
    layout->addWidget(pane);
    window.resize(480, 400);
    window.show();

    KeyReceiver keys;
    keys.clock.start();
    QTimer typing;
    typing.setInterval(1);
    QObject::connect(&typing, &QTimer::timeout, &keys, &KeyReceiver::post);

    Bench::Samples firstTimes;
    Bench::Samples previewTimes;
    double worstKey = 0;
    for (int round = 0; round <= rounds; ++round) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
        QObject::connect(pane, &Ui::PreviewPane::pictureShown, &loop, &QEventLoop::quit);
        keys.worst = 0;
        QElapsedTimer elapsed;
        double first = -1;
        QObject::connect(pane, &Ui::PreviewPane::thumbnailShown, &loop,
                         [&] { first = double(elapsed.nsecsElapsed()) / 1e6; });
        elapsed.start();
        editor.setCurrentRow(round % 2);
        typing.start();
        timeout.start(10'000);
        if (loop.exec() != 0)
            Bench::fail("the picture did not appear");
        const double ms = double(elapsed.nsecsElapsed()) / 1e6;
        typing.stop();
        // Let the pane draw before the next change.
        QCoreApplication::processEvents();
        // The first round warms the file cache and the decoder's thread.
        if (round == 0)
            continue;
        if (first < 0)
            Bench::fail("the thumbnail did not appear before the picture");
        firstTimes.add(first);
        previewTimes.add(ms);
        worstKey = std::max(worstKey, keys.worst);
    }
    const QSize shown = pane->canvas()->size();
    std::fprintf(stderr, "pane picture area %dx%d\n", shown.width(), shown.height());

    Bench::Samples fullTimes;
    for (int round = 0; round < 5; ++round) {
        fullTimes.time([&] {
            QImageReader reader(folder.filePath(u"picture%1.jpg"_s.arg(round % 2)));
            if (reader.read().isNull())
                Bench::fail("cannot decode the picture");
        });
    }

    Bench::report("preview_first_picture", firstTimes.median(), "ms");
    Bench::report("preview_picture_ready", previewTimes.median(), "ms");
    Bench::report("preview_delay_part", Session::PicturePreview::delay, "ms");
    Bench::report("preview_full_decode", fullTimes.median(), "ms");
    Bench::report("preview_full_decode_vs_first_picture", fullTimes.median() / firstTimes.median(), "x");
    Bench::report("preview_full_decode_vs_preview", fullTimes.median() / previewTimes.median(), "x");
    Bench::report("preview_worst_key_wait", worstKey, "ms");
    return 0;
}
