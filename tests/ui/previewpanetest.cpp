#include "ui/picturecanvas.h"
#include "ui/picturecaption.h"
#include "ui/picturedecoder.h"
#include "ui/pictureviewer.h"
#include "ui/previewpane.h"

#include "app/application.h"
#include "metadata/picturemetadata.h"
#include "session/picturepreview.h"
#include "session/pictureorientation.h"
#include "session/selection.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include "exifwriter.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Tools::ExifWriter;

namespace {

// How far two pictures of the same size differ, as the mean difference of their grey values.
double difference(const QImage &a, const QImage &b)
{
    const QImage first = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage second = b.convertToFormat(QImage::Format_Grayscale8).scaled(first.size());
    double sum = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x)
            sum += qAbs(first.pixelColor(x, y).value() - second.pixelColor(x, y).value());
    }
    return sum / (first.width() * first.height());
}

} // namespace

class PreviewPaneTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void picturesStandUpright_data();
    void picturesStandUpright();
    void aNewRequestSupersedesTheLast();
    void thumbnailMatchesThePicture_data();
    void thumbnailMatchesThePicture();
    void thumbnailNeverFollowsThePicture();
    void paneAndViewerFollowThePreview();
    void viewerKeepsItsKeys();

private:
    QTemporaryDir m_root;
};

void PreviewPaneTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(makeProgramAndPictures(m_root.path(), {u"a.jpg"_s, u"b.jpg"_s}));
    // b.jpg: wide as stored, stood up by a quarter turn, taken at a known place.
    QImage wide(400, 200, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && wide.save(&buffer, "JPG"));
    ExifWriter exif;
    exif.setShort(ExifWriter::Directory::Main, Tools::ExifTag::orientation, 6);
    exif.setAscii(ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, "2023:12:24 15:30:07");
    exif.setAscii(ExifWriter::Directory::Gps, 1, "N");
    exif.setRationals(ExifWriter::Directory::Gps, 2, {{52, 1}, {22, 1}, {1234, 100}});
    exif.setAscii(ExifWriter::Directory::Gps, 3, "E");
    exif.setRationals(ExifWriter::Directory::Gps, 4, {{4, 1}, {53, 1}, {40, 1}});
    // Its thumbnail fills out 2:1 to 160x120 with black bars.
    QImage thumbnail(160, 120, QImage::Format_RGB32);
    thumbnail.fill(Qt::black);
    for (int y = 20; y < 100; ++y) {
        for (int x = 0; x < 160; ++x)
            thumbnail.setPixel(x, y, x < 80 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    }
    QByteArray thumbnailBytes;
    QBuffer thumbnailBuffer(&thumbnailBytes);
    QVERIFY(thumbnailBuffer.open(QIODevice::WriteOnly) && thumbnail.save(&thumbnailBuffer, "JPG", 95));
    exif.setThumbnail(thumbnailBytes);
    QVERIFY(writeFile(m_root.filePath(u"pics/b.jpg"_s), exif.insertInto(bytes).value_or(QByteArray())));
    QVERIFY(wide.save(m_root.filePath(u"pics/a.jpg"_s)));
}

void PreviewPaneTest::picturesStandUpright_data()
{
    QTest::addColumn<int>("orientation");
    for (int digit = 2; digit <= 8; ++digit)
        QTest::newRow(QByteArray::number(digit).constData()) << digit;
}

// The corpus holds one landscape picture stored in each of the eight orientations: turned as
// the core says, every one must look like the upright one.
void PreviewPaneTest::picturesStandUpright()
{
    QFETCH(int, orientation);
    const QString corpus = qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/../shared/exif-corpus/files/"_s;
    const QString upright = corpus + u"ianare-orientation-landscape_1.jpg"_s;
    if (!QFile::exists(upright))
        QSKIP("The EXIF corpus is not beside the clone");
    const QString turned = corpus + u"ianare-orientation-landscape_%1.jpg"_s.arg(orientation);
    const QString digit = Metadata::readPictureMetadata(turned, Metadata::MetadataItem::Orientation);
    QCOMPARE(digit, QString::number(orientation));

    const QImage expected = Ui::PictureDecoder::decode(upright, {}, QSize(200, 200));
    const QImage image =
        Ui::PictureDecoder::decode(turned, Session::PictureOrientation::fromExif(digit), QSize(200, 200));
    QCOMPARE(image.size(), expected.size());
    // The stored pictures differ a little by their compression: the turn given must match the
    // upright picture better than every other turn does.
    const double given = difference(image, expected);
    for (int other = 1; other <= 8; ++other) {
        const auto candidate = Session::PictureOrientation::fromExif(QString::number(other));
        if (Session::PictureOrientation::fromExif(digit) == candidate)
            continue;
        const QImage wrong = Ui::PictureDecoder::decode(turned, candidate, QSize(200, 200));
        if (wrong.size() != expected.size())
            continue;
        const double off = difference(wrong, expected);
        QVERIFY2(given * 2 < off, qPrintable(u"%1 against %2 for %3"_s.arg(given).arg(off).arg(other)));
    }
}

void PreviewPaneTest::aNewRequestSupersedesTheLast()
{
    Ui::PictureDecoder decoder;
    QSignalSpy decoded(&decoder, &Ui::PictureDecoder::decoded);
    decoder.request(m_root.filePath(u"pics/a.jpg"_s), {}, QSize(100, 100));
    const quint64 last = decoder.request(m_root.filePath(u"pics/b.jpg"_s), {90, false}, QSize(100, 100));
    QVERIFY(decoded.wait(5000));
    QTest::qWait(50);
    QCOMPARE(decoded.count(), 1);
    QCOMPARE(decoded.at(0).at(0).value<quint64>(), last);
    QCOMPARE(decoded.at(0).at(1).value<QImage>().size(), QSize(50, 100));
}

void PreviewPaneTest::thumbnailMatchesThePicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("3:2 squeezed into 160x120") << u"ianare-exif-org-ricoh-rdc5300.jpg"_s << QSize(160, 107);
    QTest::newRow("16:9 between bars") << u"ianare-tests-45-gps_ifd.jpg"_s << QSize(160, 90);
    QTest::newRow("4:3, turned right") << u"ianare-hdr-canon_hdr_NO.jpg"_s << QSize(120, 160);
    QTest::newRow("stored standing") << u"ianare-tests-28-hex_value.jpg"_s << QSize(120, 160);
    // Edited: the picture was cut to stand, the thumbnail still lies.
    QTest::newRow("left behind by an editor") << u"mdx-Sony_Cybershot_3.jpg"_s << QSize(0, 0);
}

// Camera thumbnails, cut to the picture's proportions and turned the same way, must look like
// the picture itself, and better than when turned upside down.
void PreviewPaneTest::thumbnailMatchesThePicture()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString path = qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/../shared/exif-corpus/files/"_s + file;
    if (!QFile::exists(path))
        QSKIP("The EXIF corpus is not beside the clone");
    const auto orientation = Session::PictureOrientation::fromExif(
        Metadata::readPictureMetadata(path, Metadata::MetadataItem::Orientation));
    const QImage thumbnail = Ui::PictureDecoder::decodeThumbnail(path, orientation);
    QCOMPARE(thumbnail.size(), size);
    if (thumbnail.isNull())
        return;
    const QImage picture = Ui::PictureDecoder::decode(path, orientation, size);
    const QImage upsideDown =
        Ui::PictureDecoder::decode(path, {(orientation.rotation + 180) % 360, orientation.mirrored}, size);
    // Compared in coarse blocks, which a pixel's shift between the two does not upset.
    const auto coarse = [&size](const QImage &image) {
        return image.scaled(size / 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const double given = difference(coarse(picture), coarse(thumbnail));
    const double off = difference(coarse(upsideDown), coarse(thumbnail));
    QVERIFY2(given * 2 < off, qPrintable(u"%1 against %2"_s.arg(given).arg(off)));
}

// b.jpg's thumbnail comes, if at all, before its picture, without its bars and stood up; a
// canvas that only grows asks for none.
void PreviewPaneTest::thumbnailNeverFollowsThePicture()
{
    Ui::PictureDecoder decoder;
    QList<std::pair<char, quint64>> results;
    QImage thumbnail;
    connect(&decoder, &Ui::PictureDecoder::thumbnailDecoded, this, [&](quint64 id, const QImage &image) {
        results.append({'t', id});
        thumbnail = image;
    });
    connect(&decoder, &Ui::PictureDecoder::decoded, this, [&](quint64 id, const QImage &) {
        results.append({'p', id});
    });
    const QString b = m_root.filePath(u"pics/b.jpg"_s);
    const auto first = Ui::PictureDecoder::Thumbnail::First;
    decoder.request(b, {}, QSize(100, 100), first);
    const quint64 id = decoder.request(b, {90, false}, QSize(100, 100), first);
    QTRY_VERIFY(!results.isEmpty() && results.last().first == 'p');
    QTest::qWait(50);
    QCOMPARE(results.last(), std::make_pair('p', id));
    QVERIFY(results.size() == 1 || results.first() == std::make_pair('t', id));

    const QImage direct = Ui::PictureDecoder::decodeThumbnail(b, {90, false});
    QCOMPARE(direct.size(), QSize(80, 160));
    // Red was left, so it is now on top; no black bar remains at either end.
    QVERIFY(direct.pixelColor(40, 5).red() > 200 && direct.pixelColor(40, 5).blue() < 60);
    QVERIFY(direct.pixelColor(40, 155).blue() > 200 && direct.pixelColor(40, 155).red() < 60);
    if (!thumbnail.isNull())
        QCOMPARE(thumbnail, direct);

    results.clear();
    decoder.request(b, {}, QSize(100, 100), Ui::PictureDecoder::Thumbnail::Skip);
    QTRY_COMPARE(results.size(), 1);
    QTest::qWait(50);
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().first, 'p');
}

void PreviewPaneTest::paneAndViewerFollowThePreview()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    Session::PicturePreview &preview = program.application.picturePreview();
    auto *pane = program.window.findChild<Ui::PreviewPane *>();
    QVERIFY(pane);
    QVERIFY(!pane->isVisible());
    auto *always = program.window.findChild<QAction *>(u"showThumbnailAction"_s);
    auto *fullScreen = program.window.findChild<QAction *>(u"fullScreenAction"_s);
    QVERIFY(!always->isChecked());
    QVERIFY(!fullScreen->isEnabled());

    QSignalSpy shown(pane, &Ui::PreviewPane::pictureShown);
    always->trigger();
    program.window.pictureTable()->setCurrentIndex(program.window.pictureTable()->model()->index(1, 2));
    QVERIFY(shown.wait(5000));
    QTRY_COMPARE(pane->caption()->nameText(), u"b.jpg"_s);
    QVERIFY(pane->isVisible());
    QVERIFY(always->isChecked());
    QVERIFY(fullScreen->isEnabled());
    QCOMPARE(pane->caption()->dateText(), u"2023-12-24 15:30:07"_s);
    QCOMPARE(pane->caption()->mapLink(), preview.shown().mapLink.toString(QUrl::FullyEncoded));
    QTRY_VERIFY(!pane->canvas()->image().isNull());
    // Stood up: taller than wide, and drawn within the pane.
    const QImage image = pane->canvas()->image();
    QVERIFY(image.height() > image.width());
    QVERIFY(pane->canvas()->rect().contains(pane->canvas()->pictureRect()));
    auto *overlay = new QWidget;
    pane->setOverlay(overlay);
    QCOMPARE(overlay->pos(), pane->canvas()->pictureRect().topLeft());

    fullScreen->trigger();
    auto *viewer = program.window.findChild<QWidget *>(u"pictureViewer"_s);
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(viewer->isFullScreen());
    QTest::keyClick(viewer, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
    QVERIFY(!preview.isViewerOpen());

    always->trigger();
    QVERIFY(!pane->isVisible());
    QVERIFY(!fullScreen->isEnabled());
    program.window.close();
}

void PreviewPaneTest::viewerKeepsItsKeys()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    Session::PicturePreview &preview = program.application.picturePreview();
    program.application.selection().BtnSelectClick(Session::SelectionKind::All);
    auto *viewer = program.window.findChild<Ui::PictureViewer *>();
    auto *voice = program.window.findChild<QToolButton *>(u"viewerVoice"_s);
    QVERIFY(viewer && voice);
    preview.openViewer(0);
    QVERIFY(viewer->isVisible());
    // As on a picture with a voice note: the play button and the map link are on the picture.
    voice->setEnabled(true);
    voice->show();
    // Tab, or the window's first activation, finds nothing but the viewer to give the keys to.
    QTest::keyClick(viewer, Qt::Key_Tab);
    QWidget *keys = viewer->focusWidget() ? viewer->focusWidget() : viewer;
    QCOMPARE(keys, viewer);
    QTest::keyClick(keys, Qt::Key_Right);
    QCOMPARE(preview.viewerPicture().row, 1);
    QTest::keyClick(viewer->focusWidget() ? viewer->focusWidget() : viewer, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
    // The table is on the picture last shown.
    QCOMPARE(program.window.pictureTable()->currentIndex().row(), 1);
    program.window.close();
}

QTEST_MAIN(PreviewPaneTest)
#include "previewpanetest.moc"
