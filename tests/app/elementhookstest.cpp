#include "app/application.h"
#include "app/storagemanagement.h"
#include "app/themechoice.h"
#include "app/titleexample.h"

#include "compose/exiftagdatabase.h"
#include "compose/exiftagsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlesettingsmodel.h"
#include "session/freetexteditor.h"
#include "platform/foldermenu.h"
#include "retitle/testpreview.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "settings/overallsettingsrec.h"
#include "settings/programsettings.h"
#include "settings/programsettingsrec.h"
#include "settings/sessionsettings.h"
#include "storage/mainfolderfile.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include "exifwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace App;

// The number element as the running program wires it: the check before Test & Preview, the
// counter of a pass and its next start value after the retitling; and the destinations of the
// pass once storage management is on.
class ElementHooksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startUpCreatesTheTagDatabase();
    void tagDialogReadsThePicturesOfTheFolder();
    void counterRunsThroughAPassAndOn();
    void startValueThatDoesNotFitStopsTestAndPreview();
    void exampleFollowsElementsAndThePicture();
    void themeIsStoredAtOnce();
    void storageMovesPicturesBelowTheMainFolder();

private:
    bool start();
    void useCounter(const QString &startValue, int digitsIndex);

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_pictureDir;
    QString m_work;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    std::unique_ptr<Application> m_application;
};

void ElementHooksTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void ElementHooksTest::init()
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
    QVERIFY(writeFile(m_pictureDir->filePath(u"IMG_0001.jpg"_s)));
    QVERIFY(writeFile(m_pictureDir->filePath(u"img_0002.JPG"_s)));
    QFile::remove(Platform::FolderMenu::desktopFilePath());
    m_application = std::make_unique<Application>(Locations{m_work, program},
                                                  Machine{m_drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1},
                                                  m_dialogs);
}

void ElementHooksTest::cleanup()
{
    m_application.reset();
    m_pictureDir.reset();
    m_root.reset();
}

bool ElementHooksTest::start()
{
    return m_application->start(m_pictureDir->path());
}

void ElementHooksTest::useCounter(const QString &startValue, int digitsIndex)
{
    Compose::NumberSettingsModel &number = m_application->numberSettings();
    number.setUseCounter(true);
    number.editStart(startValue, int(startValue.size()));
    number.setDigitsIndex(digitsIndex);
    number.leaveStart();
    m_application->selection().BtnSelectClick(Session::SelectionKind::All);
}

void ElementHooksTest::startUpCreatesTheTagDatabase()
{
    QVERIFY(start());
    QVERIFY(QFileInfo::exists(m_work + u"ExifEl.dat"_s));
    QCOMPARE(QFileInfo(m_work + u"ExifEl.dat"_s).size(), 0);
    QVERIFY(m_application->exifTagDatabase().isToBeBuilt());
}

void ElementHooksTest::tagDialogReadsThePicturesOfTheFolder()
{
    Tools::ExifWriter exif;
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, "Mirelto test camera");
    const auto picture = exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4));
    QVERIFY(picture);
    QVERIFY(writeFile(m_pictureDir->filePath(u"IMG_0001.jpg"_s), *picture));
    QVERIFY(start());

    // The dialog's model gets the paths of the folder's pictures, the current one among them.
    const auto model = m_application->exifTagsModel(0);
    QVERIFY(model->fill());
    bool found = false;
    for (const Metadata::ExifElRec &tag : model->tags())
        found = found || (tag.ElTagnbr == 271 && tag.ElValue == u"Mirelto test camera"_s);
    QVERIFY(found);
}

void ElementHooksTest::counterRunsThroughAPassAndOn()
{
    QVERIFY(start());
    useCounter(u"98"_s, 1);
    Retitle::TestPreview &preview = m_application->testPreview();
    bool shown = false;
    preview.TestPreviewClick([&] {
        shown = true;
        preview.runPass();
        QVERIFY(preview.retitleEnabled());
        preview.retitleNow();
    });
    QVERIFY(shown);
    QStringList titles;
    for (const Session::PictureRow &row : m_application->pictures().rows())
        titles.append(row.currentTitle);
    titles.sort();
    QCOMPARE(titles, (QStringList{u"98.jpg"_s, u"99.JPG"_s}));
    QCOMPARE(m_application->numberSettings().startText(), u"100"_s);
    const auto stored = Settings::SessionSettingsRec::fromBytes(readFile(m_work + u"MrlSessionSet.dat"_s));
    QCOMPARE(stored.counterStart, 100);
}

void ElementHooksTest::startValueThatDoesNotFitStopsTestAndPreview()
{
    QVERIFY(start());
    useCounter(u"1000"_s, 2);
    bool shown = false;
    m_application->testPreview().TestPreviewClick([&] { shown = true; });
    QVERIFY(!shown);
    QCOMPARE(m_dialogs.statuses.last().text, u"Number will not fit in 3 digit(s)"_s);
}

void ElementHooksTest::exampleFollowsElementsAndThePicture()
{
    QVERIFY(start());
    useCounter(u"98"_s, 1);
    TitleExample &example = m_application->titleExample();
    Session::PictureSession &pictures = m_application->pictures();
    const int first = pictures.row(0).currentTitle == u"IMG_0001.jpg"_s ? 0 : 1;
    m_application->freeTextEditor().setCurrentRow(1 - first);
    // The second picture is numbered as a pass would number it.
    QTRY_COMPARE(example.currentTitle(), u"img_0002.JPG"_s);
    QCOMPARE(example.title(), u"99.JPG"_s);

    Compose::TitleSettingsModel &title = m_application->titleSettings();
    title.setUsePrefix(true);
    (void)title.editPrefix(u"Trip"_s, 4);
    QTRY_VERIFY(example.title().startsWith(u"Trip"_s));
    QVERIFY(example.title().endsWith(u"99.JPG"_s));

    // Composing the example leaves the counter of a pass alone.
    example.update();
    Retitle::TestPreview &preview = m_application->testPreview();
    preview.TestPreviewClick([&] { preview.runPass(); });
    QStringList titles;
    for (const Retitle::Rtitle &made : preview.result().titles)
        titles.append(made.FinalTitle);
    QVERIFY2(titles.join(u' ').contains(u"98.jpg"_s), qPrintable(titles.join(u' ')));
}

void ElementHooksTest::themeIsStoredAtOnce()
{
    QVERIFY(start());
    ThemeChoice &themes = m_application->themeChoice();
    QCOMPARE(ThemeChoice::captions().size(), ThemeChoice::count);
    QCOMPARE(themes.current(), 0);
    themes.choose(5);
    QCOMPARE(themes.current(), 5);
    QCOMPARE(Settings::ProgramSettingsRec::fromBytes(readFile(m_work + u"PSMSet.dat"_s)).PSTheme, 5);
    // A stored value out of range is the desktop's own theme.
    themes.choose(ThemeChoice::count);
    QCOMPARE(themes.current(), 5);
    m_application->programSettings().rec().PSTheme = 42;
    QCOMPARE(themes.current(), 0);
}

void ElementHooksTest::storageMovesPicturesBelowTheMainFolder()
{
    QVERIFY(start());
    // The main folder as the setup leaves it, read as at start.
    const QString main = m_root->filePath(u"main"_s);
    QVERIFY(QDir().mkpath(main));
    Storage::MainFolderFile mainFolder(m_work + u"MainFolder.dat"_s);
    mainFolder.setMainFolder(main);
    QVERIFY(mainFolder.UpdateFMainFolder());
    QVERIFY(m_application->storage().InitFMainFolder());
    m_application->programSettings().rec().PSLevels = 3;
    m_application->sessionSettings().folderRec().useStorageManagement = true;
    useCounter(u"98"_s, 1);
    // Pictures without a date taken are stored by their file date.
    const QDate day = QFileInfo(m_pictureDir->filePath(u"IMG_0001.jpg"_s)).lastModified().date();

    const QString folder = main + day.toString(u"/yyyy/yyyy-MM/yyyy-MM-dd"_s);
    Retitle::TestPreview &preview = m_application->testPreview();
    QStringList planned;
    preview.TestPreviewClick([&] {
        preview.runPass();
        planned = preview.result().newFolders;
        QVERIFY(preview.retitleEnabled());
        preview.retitleNow();
    });
    QCOMPARE(planned, QStringList{folder});
    QVERIFY(QFileInfo::exists(folder + u"/98.jpg"_s) || QFileInfo::exists(folder + u"/99.jpg"_s));
    QVERIFY(!QFileInfo::exists(m_pictureDir->filePath(u"IMG_0001.jpg"_s)));
}

QTEST_GUILESS_MAIN(ElementHooksTest)
#include "elementhookstest.moc"
