#include "session/picturepreview.h"

#include "session/freetexteditor.h"
#include "session/freetextline.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include "exifwriter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;
using Tools::ExifWriter;

namespace {

class PlainLine final : public FreeTextLine
{
public:
    void load(const QString &text, bool) override { m_text = text; }
    QString text() const override { return m_text; }
    void enter() override {}
    bool nothingToAdd() const override { return true; }
    void clearCompletions() override {}

private:
    QString m_text;
};

// A JPEG of no picture data at all: the EXIF reader needs only its segments.
QByteArray jpeg(const ExifWriter &exif)
{
    return exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4)).value_or(QByteArray());
}

} // namespace

struct PreviewFolder
{
    explicit PreviewFolder(const QString &path)
        : pictures(dialogs, subjects),
          settings(path + u"/PSMSet.dat"_s),
          selection(pictures, settings, dialogs),
          editor(pictures, selection, workflow, settings, dialogs),
          preview(pictures, editor, settings, dialogs)
    {
        pictures.setFolder(path, u"4.4.0.0"_s);
        pictures.CreateFSGTitle();
        pictures.FillSGTitle(true);
        editor.setLine(&line);
    }

    void select(const QList<int> &rows)
    {
        for (const int row : rows) {
            pictures.rowForChange(row).marker = Marker::selected;
            pictures.UpdateFSGTitleRec(row, false, false);
        }
        pictures.ShowSelectedPictures(int(rows.size()));
    }

    FakeDialogs dialogs;
    NoSubjects subjects;
    PictureSession pictures;
    Settings::ProgramSettings settings;
    Selection selection;
    StageWorkflow workflow;
    FreeTextEditor editor;
    PlainLine line;
    PicturePreview preview;
};

class PicturePreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void shownPicture_data();
    void shownPicture();
    void rapidChangesShowOnlyTheLast();
    void onePictureIsShownWithoutCurrentRow();
    void orientation_data();
    void orientation();
    void captionAndMapLink_data();
    void captionAndMapLink();
    void toggleStoresTheSetting();
    void viewerBrowsesSelectedPictures();
    void stage2SelClickOpensAndConfirmClosesTheViewer();

private:
    void writePictures(int count);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PreviewFolder> m_folder;
};

void PicturePreviewTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void PicturePreviewTest::cleanup()
{
    m_folder.reset();
    m_dir.reset();
}

// Pictures a.jpg, b.jpg, ...: b.jpg carries a date taken and a GPS position, d.jpg is turned.
void PicturePreviewTest::writePictures(int count)
{
    for (int i = 0; i < count; ++i) {
        ExifWriter exif;
        if (i == 1) {
            exif.setAscii(ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, "2023:12:24 15:30:07");
            exif.setAscii(ExifWriter::Directory::Gps, 1, "N");
            exif.setRationals(ExifWriter::Directory::Gps, 2, {{52, 1}, {22, 1}, {1234, 100}});
            exif.setAscii(ExifWriter::Directory::Gps, 3, "E");
            exif.setRationals(ExifWriter::Directory::Gps, 4, {{4, 1}, {53, 1}, {40, 1}});
        }
        if (i == 3)
            exif.setShort(ExifWriter::Directory::Main, Tools::ExifTag::orientation, 6);
        QVERIFY(writeFile(m_dir->filePath(QString(QChar(u'a' + i)) + u".jpg"_s), jpeg(exif)));
    }
    m_folder = std::make_unique<PreviewFolder>(m_dir->path());
    QCOMPARE(m_folder->pictures.rowCount(), count);
}

void PicturePreviewTest::shownPicture_data()
{
    QTest::addColumn<bool>("showThumb");
    QTest::addColumn<bool>("stage2");
    QTest::addColumn<int>("expected");

    // Rows 1 and 3 are selected; the table's current row is 2.
    QTest::newRow("stage 1, option on: the current row") << true << false << 2;
    QTest::newRow("stage 1, option off: none") << false << false << -1;
    QTest::newRow("stage 2, option off: the edited row") << false << true << 1;
    QTest::newRow("stage 2, option on: the edited row") << true << true << 1;
}

void PicturePreviewTest::shownPicture()
{
    QFETCH(bool, showThumb);
    QFETCH(bool, stage2);
    QFETCH(int, expected);
    writePictures(5);
    PreviewFolder &folder = *m_folder;
    folder.settings.rec().PSShowThumb = showThumb;
    folder.select({1, 3});
    folder.editor.setCurrentRow(2);
    if (stage2)
        folder.editor.BtnEditAllClick();

    QCOMPARE(folder.preview.wantedRow(), expected);
    QTRY_VERIFY(!folder.preview.isPending());
    QCOMPARE(folder.preview.shown().row, expected);
    QCOMPARE(folder.preview.fullScreenEnabled(), expected >= 0);
    QCOMPARE(folder.preview.showFullScreen(), expected >= 0);
    QCOMPARE(folder.preview.viewerPicture().row, expected);

    // Leaving stage 2 goes back to what stage 1 shows: the current row, with the option on.
    if (stage2) {
        folder.editor.ImStopEditClick();
        QTRY_VERIFY(!folder.preview.isPending());
        QCOMPARE(folder.preview.shown().row, showThumb ? folder.editor.currentRow() : -1);
    }
}

void PicturePreviewTest::rapidChangesShowOnlyTheLast()
{
    writePictures(5);
    PreviewFolder &folder = *m_folder;
    folder.settings.rec().PSShowThumb = true;
    QSignalSpy changed(&folder.preview, &PicturePreview::pictureChanged);
    for (int row = 0; row < 5; ++row)
        folder.editor.setCurrentRow(row);
    QVERIFY(folder.preview.shown().isEmpty());
    QVERIFY(changed.wait(1000));
    QCOMPARE(folder.preview.shown().row, 4);
    QTest::qWait(2 * PicturePreview::delay);
    QCOMPARE(changed.count(), 1);
}

void PicturePreviewTest::onePictureIsShownWithoutCurrentRow()
{
    writePictures(1);
    m_folder->preview.toggleShowThumb();
    QTRY_COMPARE(m_folder->preview.shown().fileName, u"a.jpg"_s);
}

void PicturePreviewTest::orientation_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("mirrored");

    QTest::newRow("1 upright") << u"1"_s << 0 << false;
    QTest::newRow("2 mirrored") << u"2"_s << 0 << true;
    QTest::newRow("3 upside down") << u"3"_s << 180 << false;
    QTest::newRow("4 flipped") << u"4"_s << 180 << true;
    QTest::newRow("5 transposed") << u"5"_s << 270 << true;
    QTest::newRow("6 quarter turn right") << u"6"_s << 90 << false;
    QTest::newRow("7 transversed") << u"7"_s << 90 << true;
    QTest::newRow("8 quarter turn left") << u"8"_s << 270 << false;
    QTest::newRow("0 no tag") << u"0"_s << 0 << false;
    QTest::newRow("empty") << QString() << 0 << false;
}

void PicturePreviewTest::orientation()
{
    QFETCH(QString, digit);
    QFETCH(int, rotation);
    QFETCH(bool, mirrored);
    const PictureOrientation orientation = PictureOrientation::fromExif(digit);
    QCOMPARE(orientation.rotation, rotation);
    QCOMPARE(orientation.mirrored, mirrored);
}

void PicturePreviewTest::captionAndMapLink_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("dateTaken");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("link");

    QTest::newRow("date and position") << 1 << u"2023-12-24 15:30:07"_s << 0 << u"52 22 12.3 N,4 53 40 E"_s
                                       << u"https://www.google.com/maps?q=52%2022%2012.3%20N%2C4%2053%2040%20E"_s;
    QTest::newRow("turned, no position") << 3 << QString() << 90 << QString() << QString();
}

void PicturePreviewTest::captionAndMapLink()
{
    QFETCH(int, row);
    QFETCH(QString, dateTaken);
    QFETCH(int, rotation);
    QFETCH(QString, position);
    QFETCH(QString, link);
    writePictures(5);
    const PreviewPicture picture = m_folder->preview.picture(row);
    QCOMPARE(picture.fileName, QString(QChar(u'a' + row)) + u".jpg"_s);
    QCOMPARE(picture.path, m_dir->filePath(picture.fileName));
    QCOMPARE(picture.dateTaken, dateTaken);
    QCOMPARE(picture.orientation.rotation, rotation);
    QCOMPARE(picture.position, position);
    QCOMPARE(picture.mapLink.toString(QUrl::FullyEncoded), link);
}

void PicturePreviewTest::toggleStoresTheSetting()
{
    writePictures(2);
    PreviewFolder &folder = *m_folder;
    folder.editor.setCurrentRow(1);
    folder.preview.toggleShowThumb();
    QVERIFY(folder.preview.showThumb());
    QCOMPARE(readFile(m_dir->filePath(u"PSMSet.dat"_s)).at(641), '\1');
    QTRY_COMPARE(folder.preview.shown().row, 1);

    folder.preview.toggleShowThumb();
    QCOMPARE(readFile(m_dir->filePath(u"PSMSet.dat"_s)).at(641), '\0');
    QVERIFY(folder.preview.shown().isEmpty());
    QVERIFY(!folder.preview.fullScreenEnabled());
    QVERIFY(!folder.preview.showFullScreen());
    QVERIFY(!folder.preview.isViewerOpen());
}

void PicturePreviewTest::viewerBrowsesSelectedPictures()
{
    writePictures(5);
    PreviewFolder &folder = *m_folder;
    folder.select({0, 2, 4});
    PicturePreview &preview = folder.preview;
    // From a picture that is not selected, browsing goes to its selected neighbours.
    folder.editor.setCurrentRow(1);
    preview.openViewer(1);
    QVERIFY(preview.browse(PicturePreview::Step::Next));
    QCOMPARE(preview.viewerPicture().row, 2);
    QVERIFY(preview.browse(PicturePreview::Step::Next));
    QCOMPARE(preview.viewerPicture().row, 4);
    // The ends stop the browsing.
    QVERIFY(!preview.browse(PicturePreview::Step::Next));
    QCOMPARE(preview.viewerPicture().row, 4);
    QVERIFY(preview.browse(PicturePreview::Step::Previous));
    QVERIFY(preview.browse(PicturePreview::Step::Previous));
    QCOMPARE(preview.viewerPicture().row, 0);
    QVERIFY(!preview.browse(PicturePreview::Step::Previous));

    QSignalSpy closed(&preview, &PicturePreview::viewerClosed);
    preview.closeViewer();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!preview.browse(PicturePreview::Step::Previous));
    // The table goes on from the picture last shown.
    QCOMPARE(folder.editor.currentRow(), 0);
}

void PicturePreviewTest::stage2SelClickOpensAndConfirmClosesTheViewer()
{
    writePictures(5);
    PreviewFolder &folder = *m_folder;
    folder.select({1, 3});
    folder.editor.BtnEditAllClick();
    folder.editor.tableRowClicked(3, PictureSession::MarkerColumn);
    QVERIFY(folder.preview.isViewerOpen());
    QCOMPARE(folder.preview.viewerPicture().row, 3);
    // The edited picture stays beside the line.
    QCOMPARE(folder.preview.wantedRow(), 1);

    // Closed, it leaves stage 2 on the picture being edited.
    folder.preview.closeViewer();
    QCOMPARE(folder.editor.currentRow(), 1);
    folder.editor.tableRowClicked(3, PictureSession::MarkerColumn);

    folder.line.load(u"Beach"_s, false);
    folder.editor.ConfirmAndAdvance();
    QVERIFY(!folder.preview.isViewerOpen());
    QCOMPARE(folder.preview.wantedRow(), 3);
}

QTEST_GUILESS_MAIN(PicturePreviewTest)
#include "picturepreviewtest.moc"
