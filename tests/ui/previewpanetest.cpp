#include "ui/picturecanvas.h"
#include "ui/picturecaption.h"
#include "ui/picturedecoder.h"
#include "ui/previewpane.h"

#include "app/application.h"
#include "metadata/picturemetadata.h"
#include "session/picturepreview.h"
#include "session/pictureorientation.h"
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
    void paneAndViewerFollowThePreview();

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

QTEST_MAIN(PreviewPaneTest)
#include "previewpanetest.moc"
