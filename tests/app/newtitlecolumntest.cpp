#include "app/application.h"
#include "app/newtitlecolumn.h"
#include "app/titleexample.h"

#include "compose/cameraclocks.h"
#include "compose/cameraclocksmodel.h"
#include "compose/datetimesettingsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/picturedates.h"
#include "compose/titlesettingsmodel.h"
#include "platform/foldermenu.h"
#include "retitle/testpreview.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "session/picturetablemodel.h"
#include "session/selection.h"
#include "settings/overallsettingsrec.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include "exifwriter.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace App;

// Two cameras in one folder as the running program sees them: the clock of one corrected, the
// counter in order of the corrected date taken starting again each day, and the "New title"
// column showing what Test & Preview and the retitling then do.
class NewTitleColumnTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void columnShowsWhatTheRetitlingDoes();
    void columnMarksTitlesThatCannotBe();

private:
    void writePicture(const QString &name, const QByteArray &make, const QByteArray &model, const QByteArray &taken);
    QStringList column();

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_pictureDir;
    QString m_work;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    std::unique_ptr<Application> m_application;
};

void NewTitleColumnTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void NewTitleColumnTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_pictureDir = std::make_unique<QTemporaryDir>();
    m_work = m_root->filePath(u"data/Mirelto/"_s);
    const QString program = m_root->filePath(u"program/"_s);
    QVERIFY(QDir().mkpath(program));
    Settings::OverallSettingsRec overall;
    overall.showMessage.fill(false);
    overall.language = -1;
    overall.version = u"4.4.0.0"_s;
    QVERIFY(writeFile(program + u"MrlOverallSet.dat"_s, overall.toBytes()));
    m_dialogs = FakeDialogs();
    m_drives = FakeDrives();
    // The camera's clock runs 1:12:00 behind; the phone's is right. In file-name order the
    // camera's pictures come first.
    writePicture(u"DSC_0001.JPG"_s, "NIKON CORPORATION", "NIKON D750", "2024:05:03 13:10:04");
    writePicture(u"DSC_0002.JPG"_s, "NIKON CORPORATION", "NIKON D750", "2024:05:03 23:30:00");
    writePicture(u"IMG_1001.jpg"_s, "Apple", "iPhone 13", "2024:05:03 14:00:00");
    writePicture(u"IMG_1002.jpg"_s, "Apple", "iPhone 13", "2024:05:04 09:00:00");
    QFile::remove(Platform::FolderMenu::desktopFilePath());
    m_application = std::make_unique<Application>(Locations{m_work, program},
                                                  Machine{m_drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1},
                                                  m_dialogs);
}

void NewTitleColumnTest::cleanup()
{
    m_application.reset();
    m_pictureDir.reset();
    m_root.reset();
}

void NewTitleColumnTest::writePicture(const QString &name, const QByteArray &make, const QByteArray &model,
                                      const QByteArray &taken)
{
    Tools::ExifWriter exif;
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, make);
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::model, model);
    exif.setAscii(Tools::ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, taken);
    const auto picture = exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4));
    QVERIFY(picture);
    QVERIFY(writeFile(m_pictureDir->filePath(name), *picture));
}

QStringList NewTitleColumnTest::column()
{
    Session::PictureTableModel model(m_application->pictures());
    model.setNewTitleSource(&m_application->newTitleColumn());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList titles;
    for (int row = 0; row < model.rowCount(); ++row)
        titles.append(model.index(row, Session::PictureTableModel::NewTitleColumn).data().toString());
    return titles;
}

void NewTitleColumnTest::columnShowsWhatTheRetitlingDoes()
{
    QVERIFY(m_application->start(m_pictureDir->path()));
    m_application->selection().BtnSelectClick(Session::SelectionKind::All);
    Compose::DateTimeSettingsModel &dateTime = m_application->dateTimeSettings();
    dateTime.setUseDate(true);
    dateTime.setDateFormat(3);
    Compose::NumberSettingsModel &number = m_application->numberSettings();
    number.setUseCounter(true);
    number.setDigitsIndex(2);
    m_application->titleSettings().setSeparatorIndex(0);
    QCOMPARE(column(), (QStringList{u"2024-05-03 001.JPG"_s, u"2024-05-03 002.JPG"_s, u"2024-05-03 003.jpg"_s,
                                    u"2024-05-04 004.jpg"_s}));

    // The camera's clock, set from its first picture and when it was really taken.
    Compose::CameraClocksModel clocks(m_application->cameraClocks(), m_application->pictureDates(),
                                      m_application->pictures().rows(), m_application->pictureFolder());
    QCOMPARE(clocks.cameras().size(), 2);
    QVERIFY(clocks.setOffsetFromPicture(0, 0, QDateTime(QDate(2024, 5, 3), QTime(14, 22, 4))));
    QVERIFY(clocks.apply());
    QVERIFY(m_application->cameraClocksChanged());
    number.setNumberByDateTaken(true);
    number.setRestartEachDay(true);
    // The camera's late picture moves past midnight; the phone's 14:00 comes before 14:22.
    const QStringList expected = {u"2024-05-03 002.JPG"_s, u"2024-05-04 001.JPG"_s, u"2024-05-03 001.jpg"_s,
                                  u"2024-05-04 002.jpg"_s};
    QCOMPARE(column(), expected);
    // The separator changes only what is composed, the numbers stay.
    m_application->titleSettings().setSeparatorIndex(2);
    QCOMPARE(column().first(), u"2024-05-03_002.JPG"_s);
    m_application->titleSettings().setSeparatorIndex(0);

    Retitle::TestPreview &preview = m_application->testPreview();
    QStringList passed;
    QStringList report;
    preview.TestPreviewClick([&] {
        preview.runPass();
        for (const Retitle::Rtitle &title : preview.result().titles)
            passed.append(title.FinalTitle);
        for (const Retitle::ReportLine &line : preview.report())
            report.append(line.text);
        QVERIFY(preview.retitleEnabled());
        preview.retitleNow();
    });
    QCOMPARE(passed, expected);
    QVERIFY2(report.contains(u"DSC_0001.JPG\ttaken 2024-05-03 13:10:04, camera clock +1:12:00 \u2192 2024-05-03 "
                             u"14:22:04"_s),
             qPrintable(report.join(u'\n')));
    QVERIFY(report.contains(u"DSC_0002.JPG\ttaken 2024-05-03 23:30:00, camera clock +1:12:00 \u2192 2024-05-04 "
                            u"00:42:00"_s));
    QVERIFY(!report.join(u'\n').contains(u"IMG_1001.jpg\ttaken"_s));
    QStringList files = QDir(m_pictureDir->path()).entryList({u"*.jpg"_s, u"*.JPG"_s}, QDir::Files);
    files.sort();
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(files, sorted);
    // The next run starts at the start value again, as every day does.
    QCOMPARE(number.startText(), u"1"_s);
}

void NewTitleColumnTest::columnMarksTitlesThatCannotBe()
{
    QVERIFY(m_application->start(m_pictureDir->path()));
    Session::PictureSession &pictures = m_application->pictures();
    // Rows 0 and 1 get the same free text, row 2 a text too long for a file name, row 3 none.
    const QStringList texts = {u"Tram"_s, u"Tram"_s, QString(300, u'x'), QString()};
    for (int row = 0; row < pictures.rowCount(); ++row) {
        pictures.rowForChange(row).freeText = texts.at(row);
        pictures.rowForChange(row).marker = u"X"_s;
        QVERIFY(pictures.UpdateFSGTitleRec(row, false, false));
    }
    m_application->pictures().ShowSelectedPictures(4);
    Session::PictureTableModel model(pictures);
    NewTitleColumn &newTitles = m_application->newTitleColumn();
    model.setNewTitleSource(&newTitles);
    const auto cell = [&model](int row, int role) {
        return model.index(row, Session::PictureTableModel::NewTitleColumn).data(role).toString();
    };
    QCOMPARE(cell(0, Qt::DisplayRole), u"Tram.JPG"_s);
    QCOMPARE(cell(0, Session::PictureTableModel::NewTitleErrorRole), QString());
    QCOMPARE(cell(2, Session::PictureTableModel::NewTitleErrorRole),
             u"Path name exceeds maximum allowed length of 255 characters"_s);
    QCOMPARE(cell(3, Qt::DisplayRole), u".jpg"_s);
    QCOMPARE(cell(3, Qt::ToolTipRole), u"Title cannot be empty"_s);
    // Duplicates need every title: they are marked a moment after the last change.
    QSignalSpy changed(&newTitles, &NewTitleColumn::changed);
    QTRY_VERIFY(!cell(1, Session::PictureTableModel::NewTitleErrorRole).isEmpty());
    QVERIFY(cell(0, Qt::ToolTipRole).startsWith(u"Title has duplicate(s)"_s));
    QVERIFY(cell(1, Qt::ToolTipRole).startsWith(u"Title is duplicate of previous title"_s));
    QVERIFY(!changed.isEmpty());

    // A row not to be retitled shows nothing.
    pictures.rowForChange(0).marker.clear();
    QVERIFY(pictures.UpdateFSGTitleRec(0, false, false));
    QCOMPARE(cell(0, Qt::DisplayRole), QString());
    QTRY_COMPARE(cell(1, Session::PictureTableModel::NewTitleErrorRole), QString());
}

QTEST_GUILESS_MAIN(NewTitleColumnTest)
#include "newtitlecolumntest.moc"
