#include "app/application.h"

#include "app/infomessages.h"
#include "dictionary/contextdicrec.h"
#include "dictionary/dictionarystore.h"
#include "dictionary/pictitlerec.h"
#include "platform/foldermenu.h"
#include "session/freetexteditor.h"
#include "session/picturepreview.h"
#include "session/picturesession.h"
#include "settings/overallsettingsrec.h"
#include "settings/programsettings.h"
#include "settings/programsettingsrec.h"
#include "settings/sessionsettings.h"
#include "compose/exiftagdatabase.h"
#include "compose/picprefixlist.h"
#include "compose/picsuffixlist.h"
#include "l10n/errortext.h"
#include "records/recordfile.h"
#include "retitle/folderunique.h"
#include "retitle/syncext.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace App;

class ApplicationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartLaysOutTheWorkFolder();
    void firstStartFindsTheInstalledDefaults();
    void dictionariesLoadAtStartAndSessionOpening();
    void applicationStartFailures_data();
    void applicationStartFailures();
    void screenChecks_data();
    void screenChecks();
    void sessionOpeningFailures_data();
    void sessionOpeningFailures();
    void freeSpaceIsRoundedToWholeMegabytes_data();
    void freeSpaceIsRoundedToWholeMegabytes();
    void applicationFolderInOtherCaseIsAccepted();
    void removableDriveAsksFirst();
    void readOnlyTitleFileEndsStartUp();
    void folderArgumentThatDoesNotExist();
    void folderArgumentForms_data();
    void folderArgumentForms();
    void folderWithoutPicturesOpensTheBrowserThere();
    void browserAsksAgainForAFolderWithoutPictures();
    void folderOfReadOnlyPicturesLeavesNoWorkFiles();
    void resumedFolderReportsInTheStatusLine();
    void killedRunsLogIsTrimmedAtTheNextStart();
    void anotherLaunchOnAnotherFolderIsTold();
    void damagedWorkFilesAreToldInBoxesTheStartTickLeaves();
    void picturesThatCannotBeListedAreToldAtTheStartTick();
    void closingSavesTheFolderSettingsAndMayShowMessageOne();
    void informationMessageThatIsSwitchedOff();
    void workFileThatIsALinkIsRefused_data();
    void workFileThatIsALinkIsRefused();
    void failedWriteKeepsTheFileAndIsReportedOnce_data();
    void failedWriteKeepsTheFileAndIsReportedOnce();
    void fullDiskKeepsTheSettings();
    void storedThumbnailShowsAtTheStart();

private:
    Application &make(const Platform::ScreenInfo &screen = {1920, 1080, Platform::TaskbarEdge::Bottom});
    bool startOn(const QString &folder);
    QString work(const QString &name) const { return m_work + name; }
    QString pictures(const QString &name) const { return m_pictureDir->filePath(name); }
    QString picturesFolder() const { return m_pictureDir->path(); }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_pictureDir;
    QString m_work;
    QString m_app;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    std::unique_ptr<Application> m_application;
};

void ApplicationTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void ApplicationTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_pictureDir = std::make_unique<QTemporaryDir>();
    m_work = m_root->filePath(u"data/Mirelto/"_s);
    m_app = m_root->filePath(u"program/"_s);
    QVERIFY(QDir().mkpath(m_app));
    Settings::OverallSettingsRec overall;
    overall.selectionStrings[0] = u"IMG"_s;
    overall.showMessage.fill(true);
    overall.language = -1;
    overall.version = u"4.4.0.0"_s;
    QVERIFY(writeFile(m_app + u"MrlOverallSet.dat"_s, overall.toBytes()));
    m_dialogs = FakeDialogs();
    m_drives = FakeDrives();
    QVERIFY(writeFile(pictures(u"IMG_0001.jpg"_s)));
    QVERIFY(writeFile(pictures(u"img_0002.JPG"_s)));
    QFile::remove(Platform::FolderMenu::desktopFilePath());
}

void ApplicationTest::cleanup()
{
    m_application.reset();
    m_pictureDir.reset();
    m_root.reset();
}

Application &ApplicationTest::make(const Platform::ScreenInfo &screen)
{
    m_application = std::make_unique<Application>(Locations{m_work, m_app}, Machine{m_drives, screen, -1}, m_dialogs);
    return *m_application;
}

bool ApplicationTest::startOn(const QString &folder)
{
    return make().start(folder);
}

void ApplicationTest::firstStartLaysOutTheWorkFolder()
{
    QVERIFY(startOn(picturesFolder()));
    for (const QString &sub : {u"OnLine"_s, u"Logs"_s, u"Private"_s})
        QVERIFY(QFileInfo(work(sub)).isDir());
    for (const QString &name : {u"LoadedDic.dat"_s, u"ContextDic.dat"_s, u"FolderUnique.dat"_s, u"SyncExt.dat"_s})
        QCOMPARE(QFileInfo(work(name)).size(), 0);
    QCOMPARE(readFile(work(u"MrlOverallSet.dat"_s)), readFile(m_app + u"MrlOverallSet.dat"_s));
    QCOMPARE(QFileInfo(work(u"PSMSet.dat"_s)).size(), 1584);
    QCOMPARE(QFileInfo(work(u"MrlSessionSet.dat"_s)).size(), 520);
    QCOMPARE(m_application->programSettings().rec().PSSelString[0], u"IMG"_s);
    for (const QString &name : {u"MrlActiveDic.dat"_s, u"MrlAContextDic.dat"_s, u"PicNewFolder.dat"_s})
        QVERIFY(QFileInfo::exists(pictures(name)));
    QCOMPARE(QFileInfo(pictures(u"MrlSGTitle2.dat"_s)).size(), 2 * 900);
    QCOMPARE(QFileInfo(pictures(u"MrlSessionSet.dat"_s)).size(), 520);
    QCOMPARE(m_application->pictures().rowCount(), 2);
    QVERIFY(m_application->pictures().isFresh());
    QVERIFY(m_dialogs.informed.isEmpty());
}

void ApplicationTest::firstStartFindsTheInstalledDefaults()
{
    // Installed, the program is in bin/ and its defaults in share/mirelto/.
    const QString installed = m_root->filePath(u"share/mirelto/"_s);
    QVERIFY(QDir().mkpath(installed));
    QVERIFY(QFile::rename(m_app + u"MrlOverallSet.dat"_s, installed + u"MrlOverallSet.dat"_s));
    m_app = m_root->filePath(u"bin/"_s);
    QVERIFY(QDir().mkpath(m_app));
    QVERIFY(startOn(picturesFolder()));
    QCOMPARE(readFile(work(u"MrlOverallSet.dat"_s)), readFile(installed + u"MrlOverallSet.dat"_s));
}

void ApplicationTest::dictionariesLoadAtStartAndSessionOpening()
{
    using Dictionary::DicIndex;
    QVERIFY(QDir().mkpath(m_work));
    QVERIFY(QFile::copy(m_app + u"MrlOverallSet.dat"_s, work(u"MrlOverallSet.dat"_s)));
    Dictionary::PicTitleRec stored;
    stored.title = u"Old harbour"_s;
    stored.source = u"N"_s;
    QVERIFY(writeFile(work(u"LoadedDic.dat"_s), stored.toBytes()));
    QVERIFY(writeFile(work(u"ContextDic.dat"_s), Dictionary::ContextDicRec{u"Old harbour"_s, u"old harbour"_s}.toBytes()));
    // An Active dictionary of the first format is converted when the folder opens.
    QVERIFY(writeFile(pictures(u"MrlActiveDic.dat"_s), Dictionary::PicTitleRecOld{u"Boat trip"_s}.toBytes()));

    QVERIFY(startOn(picturesFolder()));
    Dictionary::DictionaryStore &store = m_application->dictionaries();
    const Dictionary::CompletionLine harbour{u"harbour"_s, false};
    const Dictionary::CompletionLine trip{u"trip"_s, true};
    QCOMPARE(store.completions(u"har"_s, 10), QList<Dictionary::CompletionLine>{harbour});
    QCOMPARE(store.completions(u"tr"_s, 10), QList<Dictionary::CompletionLine>{trip});
    QCOMPARE(store.contextTable(DicIndex::Static).size(), 1);
    QCOMPARE(QFileInfo(pictures(u"MrlActiveDic.dat"_s)).size(), Dictionary::PicTitleRec::size);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QVERIFY(m_dialogs.informed.front().text.endsWith(u" succesfully converted"_s));
}

void ApplicationTest::applicationStartFailures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("overall settings missing") << u"MrlOverallSet.dat"_s << u"remove"_s << u" does not exist, can not run program"_s;
    QTest::newRow("overall settings read-only") << u"MrlOverallSet.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
    QTest::newRow("overall settings unreadable") << u"MrlOverallSet.dat"_s << u"truncate"_s << u" initialization error, can not run program"_s;
    QTest::newRow("language file read-only") << u"OnLine/Language.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
    QTest::newRow("static dictionary read-only") << u"LoadedDic.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
    QTest::newRow("unique folders read-only") << u"FolderUnique.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
    QTest::newRow("program settings read-only") << u"PSMSet.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
    QTest::newRow("program settings damaged") << u"PSMSet.dat"_s << u"truncate"_s << u" initialization error, can not run program"_s;
    QTest::newRow("main folder damaged") << u"MainFolder.dat"_s << u"truncate"_s << u" initialization error, can not run program"_s;
    QTest::newRow("session defaults read-only") << u"MrlSessionSet.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
    QTest::newRow("session defaults damaged") << u"MrlSessionSet.dat"_s << u"truncate"_s << u" initialization error, can not run program"_s;
    QTest::newRow("subjects read-only") << u"Subjects.dat"_s << u"read-only"_s << u" is set to read-only, can not run program"_s;
}

void ApplicationTest::applicationStartFailures()
{
    QFETCH(QString, file);
    QFETCH(QString, damage);
    QFETCH(QString, message);
    // A complete work folder from an earlier start, then one file spoiled.
    QVERIFY(make().InitApplication());
    m_application.reset();
    const QString path = work(file);
    if (damage == u"remove"_s) {
        QVERIFY(QFile::remove(path));
    } else if (damage == u"read-only"_s) {
        if (!QFileInfo::exists(path))
            QVERIFY(writeFile(path));
        QVERIFY(makeReadOnly(path));
    } else {
        QVERIFY(writeFile(path, "short"));
    }
    QVERIFY(!startOn(picturesFolder()));
    const QString expected = u"Mirelto: "_s + path + message;
    QCOMPARE(m_application->startupError(), expected);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, expected);
    // Nothing was written to the picture folder.
    QVERIFY(!QFileInfo::exists(pictures(u"MrlSGTitle2.dat"_s)));
}

void ApplicationTest::screenChecks_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<Platform::TaskbarEdge>("taskbar");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<bool>("compact");
    const QString resolution = u"Mirelto: Mirelto requires a minimum screen resolution of 1024x600 pixels"_s;
    const QString taskbar = u"Mirelto: For Mirelto to run, the taskbar needs to be either at the top or the bottom of the screen"_s;
    const auto bottom = Platform::TaskbarEdge::Bottom;
    QTest::newRow("too narrow") << 1023 << 768 << bottom << 1.0
                                << resolution + u"\nThis screen offers 1023x768 pixels."_s << false << false;
    QTest::newRow("too low") << 1280 << 599 << bottom << 1.0
                             << resolution + u"\nThis screen offers 1280x599 pixels."_s << false << false;
    // A large screen scaled to twice the size gives the window only half its pixels each way.
    QTest::newRow("1600x1000 at scale 2")
        << 800 << 500 << bottom << 2.0
        << resolution + u"\nThis screen offers 800x500 pixels: 1600x1000 device pixels at a scale factor of 2."_s
        << false << false;
    QTest::newRow("2048x1200 at scale 2") << 1024 << 600 << bottom << 2.0 << QString() << true << true;
    QTest::newRow("1024x600, taskbar below") << 1024 << 600 << bottom << 1.0 << QString() << true << true;
    QTest::newRow("1024x600, taskbar left") << 1024 << 600 << Platform::TaskbarEdge::Left << 1.0 << taskbar << false << false;
    QTest::newRow("1024x768, taskbar right") << 1024 << 768 << Platform::TaskbarEdge::Right << 1.0 << taskbar << false << false;
    QTest::newRow("1024x769, taskbar left") << 1024 << 769 << Platform::TaskbarEdge::Left << 1.0 << QString() << false << false;
    QTest::newRow("1280x700") << 1280 << 700 << Platform::TaskbarEdge::Left << 1.0 << QString() << false << true;
}

void ApplicationTest::screenChecks()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(Platform::TaskbarEdge, taskbar);
    QFETCH(qreal, scale);
    QFETCH(QString, error);
    Application &application = make({width, height, taskbar, scale});
    QCOMPARE(application.InitApplication(), error.isEmpty());
    QCOMPARE(application.startupError(), error);
    if (error.isEmpty()) {
        QTEST(application.windowLayout().fixedMaximised, "fixed");
        QTEST(application.windowLayout().compact, "compact");
    } else {
        QVERIFY(!QFileInfo::exists(m_work));
    }
}

void ApplicationTest::sessionOpeningFailures_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<QString>("error");
    const QString network = u"Mirelto:  To rename pictures on a network location, make a network drive first and select "
                            u"the network drive, can not run program"_s;
    QTest::newRow("network path") << u"//server/share/pics"_s << 255 << network;
    QTest::newRow("relative path") << u"pics"_s << 255 << network;
    QTest::newRow("short names only") << QString() << 8 << u"Mirelto:  Chosen drive doesn't support long file names, can not run program"_s;
    QTest::newRow("nine characters will do") << QString() << 9 << QString();
}

void ApplicationTest::sessionOpeningFailures()
{
    QFETCH(QString, folder);
    QFETCH(int, nameLength);
    QFETCH(QString, error);
    m_drives.nameLength = nameLength;
    Application &application = make();
    QVERIFY(application.InitApplication());
    QCOMPARE(application.InitSession(folder.isEmpty() ? picturesFolder() : folder), error.isEmpty());
    QCOMPARE(application.startupError(), error);
    QCOMPARE(QFileInfo::exists(pictures(u"MrlSGTitle2.dat"_s)), error.isEmpty());
    QCOMPARE(QFileInfo::exists(pictures(u"MrlActiveDic.dat"_s)), error.isEmpty());
}

void ApplicationTest::freeSpaceIsRoundedToWholeMegabytes_data()
{
    QTest::addColumn<double>("megabytes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("4.4 MB rounds to 4") << 4.4 << false;
    QTest::newRow("4.6 MB rounds to 5") << 4.6 << true;
    QTest::newRow("none") << 0.0 << false;
}

void ApplicationTest::freeSpaceIsRoundedToWholeMegabytes()
{
    QFETCH(double, megabytes);
    QFETCH(bool, accepted);
    m_drives.free = qint64(megabytes * 1048576.0);
    Application &application = make();
    QVERIFY(application.InitApplication());
    QCOMPARE(application.InitSession(picturesFolder()), accepted);
    if (!accepted) {
        QCOMPARE(application.startupError(),
                 u"Mirelto:  To avoid storage problems, this program requires at least 5 MB of free space, can not run program"_s);
    }
}

void ApplicationTest::applicationFolderInOtherCaseIsAccepted()
{
    QVERIFY(writeFile(m_app + u"a.jpg"_s));
    Application &application = make();
    QVERIFY(application.InitApplication());
    QVERIFY(!application.InitSession(m_app));
    QCOMPARE(application.startupError(),
             u"Mirelto:  You can not choose the directory that contains the application, can not run program"_s);
    QVERIFY(!QFileInfo::exists(m_app + u"MrlSGTitle2.dat"_s));

    const QString otherCase = m_root->filePath(u"PROGRAM"_s);
    QVERIFY(QDir().mkpath(otherCase));
    QVERIFY(writeFile(otherCase + u"/a.jpg"_s));
    QVERIFY(application.InitSession(otherCase));
}

void ApplicationTest::removableDriveAsksFirst()
{
    m_drives.removablePrefix = picturesFolder();
    m_dialogs.answers.enqueue({0, true});
    Application &application = make();
    QVERIFY(application.InitApplication());
    QVERIFY(!application.InitSession(picturesFolder()));
    QVERIFY(application.startupError().isEmpty());
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).header, u"CAUTION!"_s);
    QCOMPARE(m_dialogs.asked.at(0).buttons, (QStringList{u"&Cancel"_s, u"C&ontinue"_s}));
    QCOMPARE(m_dialogs.asked.at(0).defaultButton, 0);
    QVERIFY(!QFileInfo::exists(pictures(u"MrlSGTitle2.dat"_s)));

    m_dialogs.answers.enqueue({1, false});
    QVERIFY(application.InitSession(picturesFolder()));
    // "Show this message next time" was cleared: the next opening does not ask.
    QVERIFY(!application.programSettings().rec().PSShowMessage[4]);
    QVERIFY(application.InitSession(picturesFolder()));
    QCOMPARE(m_dialogs.asked.size(), 2);
}

void ApplicationTest::readOnlyTitleFileEndsStartUp()
{
    QVERIFY(writeFile(pictures(u"MrlSGTitle2.dat"_s), QByteArray()));
    QVERIFY(makeReadOnly(pictures(u"MrlSGTitle2.dat"_s)));
    QVERIFY(!startOn(picturesFolder()));
    const QString expected = u"Mirelto: "_s + pictures(u"MrlSGTitle2.dat"_s) + u" is set to read-only, can not run program"_s;
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, expected);
}

void ApplicationTest::folderArgumentThatDoesNotExist()
{
    const QString missing = m_root->filePath(u"nowhere"_s);
    QVERIFY(!startOn(missing));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, u"Mirelto: Folder '"_s + missing + u"' does not exist, program terminated"_s);
    QVERIFY(m_dialogs.browsed.isEmpty());
}

void ApplicationTest::folderArgumentForms_data()
{
    // "<p>" stands for the pictures folder, "<a>" for the program's folder; the current folder is
    // the pictures folder.
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("error");
    const QString ownFolder =
        u"Mirelto:  You can not choose the directory that contains the application, can not run program"_s;
    QTest::newRow("current folder") << u"."_s << QString();
    QTest::newRow("relative with dots") << u"../<name>/./"_s << QString();
    QTest::newRow("file URL") << u"file://<p>"_s << QString();
    const QString network = u"Mirelto:  To rename pictures on a network location, make a network drive first and "
                            u"select the network drive, can not run program"_s;
    QTest::newRow("network URL") << u"smb://server/pics"_s << network;
    QTest::newRow("file URL of a server") << u"file://server/pics"_s << network;
    QTest::newRow("program folder with a dot") << u"<a>."_s << ownFolder;
    QTest::newRow("program folder through a link") << u"<p>/link"_s << ownFolder;
}

void ApplicationTest::folderArgumentForms()
{
    QFETCH(QString, argument);
    QFETCH(QString, error);
    QVERIFY(writeFile(m_app + u"a.jpg"_s));
    QVERIFY(QFile::link(m_app, pictures(u"link"_s)));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(picturesFolder()));
    argument.replace(u"<p>"_s, picturesFolder()).replace(u"<a>"_s, m_app);
    argument.replace(u"<name>"_s, QFileInfo(picturesFolder()).fileName());
    const bool opened = startOn(argument);
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(m_application->startupError(), error);
    QCOMPARE(opened, error.isEmpty());
    if (opened)
        QCOMPARE(m_application->pictureFolder(), picturesFolder());
}

void ApplicationTest::folderWithoutPicturesOpensTheBrowserThere()
{
    const QString empty = m_root->filePath(u"empty"_s);
    QVERIFY(QDir().mkpath(empty));
    m_dialogs.folders.enqueue(std::nullopt);
    QVERIFY(!startOn(empty));
    QCOMPARE(m_dialogs.browsed.size(), 1);
    QCOMPARE(m_dialogs.browsed.at(0).first, u"Select a folder with pictures to retitle"_s);
    QCOMPARE(m_dialogs.browsed.at(0).second, empty);
    // Cancelling ends the program without a message.
    QVERIFY(m_dialogs.informed.isEmpty());
}

void ApplicationTest::browserAsksAgainForAFolderWithoutPictures()
{
    const QString empty = m_root->filePath(u"empty"_s);
    QVERIFY(QDir().mkpath(empty));
    m_dialogs.folders.enqueue(empty);
    m_dialogs.folders.enqueue(picturesFolder());
    QVERIFY(startOn(QString()));
    QCOMPARE(m_dialogs.browsed.size(), 2);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"No pictures found in folder of types that Mirelto supports, choose a different folder"_s);
    QCOMPARE(m_application->pictureFolder(), picturesFolder());
}

void ApplicationTest::folderOfReadOnlyPicturesLeavesNoWorkFiles()
{
    for (const QString &name : QDir(picturesFolder()).entryList(QDir::Files))
        QVERIFY(makeReadOnly(pictures(name)));
    QVERIFY(!startOn(picturesFolder()));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"No pictures found in folder of types that Mirelto supports, choose a different folder"_s);
    QCOMPARE(QDir(picturesFolder()).entryList(QDir::Files).size(), 2);
}

void ApplicationTest::resumedFolderReportsInTheStatusLine()
{
    QVERIFY(startOn(picturesFolder()));
    m_application->startTick();
    QCOMPARE(m_application->programSettings().rec().PSLastFolder, picturesFolder());
    QVERIFY(m_dialogs.statuses.isEmpty());
    m_application->close();
    m_application.reset();

    QVERIFY(startOn(picturesFolder()));
    QSignalSpy caption(m_application.get(), &Application::captionChanged);
    m_application->startTick();
    QCOMPARE(caption.size(), 1);
    QCOMPARE(caption.at(0).at(0).toString(), u"Mirelto - "_s + picturesFolder());
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.at(0).text, u"Previously closed session has been resumed"_s);
}

void ApplicationTest::anotherLaunchOnAnotherFolderIsTold()
{
    QVERIFY(startOn(picturesFolder()));
    m_application->anotherLaunch(QString());
    m_application->anotherLaunch(picturesFolder() + u"/."_s);
    QVERIFY(m_dialogs.informed.isEmpty());
    m_application->anotherLaunch(m_root->path());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, u"Mirelto is already working on folder "_s + picturesFolder()
                                                + u". Close it first to work on folder "_s + m_root->path() + u'.');
}

void ApplicationTest::killedRunsLogIsTrimmedAtTheNextStart()
{
    QVERIFY(startOn(picturesFolder()));
    const QString log = m_work + u"Logs/20240101120000_~pics.txt"_s;
    QVERIFY(writeFile(log, "Succesfully deleted: /pics/a.jpg\r\n" + QByteArray(4096, '\0').replace('\0', "\r\n")));
    m_application->startTick();
    QCOMPARE(readFile(log), QByteArray("Succesfully deleted: /pics/a.jpg\r\n"));
}

void ApplicationTest::damagedWorkFilesAreToldInBoxesTheStartTickLeaves()
{
    QVERIFY(startOn(picturesFolder()));
    m_application->close();
    m_application.reset();
    const QString titleFile = pictures(u"MrlSGTitle2.dat"_s);
    QVERIFY(writeFile(titleFile, readFile(titleFile) + "partial"));
    QVERIFY(writeFile(work(u"PicPrefix.dat"_s), QByteArray(7, 'x')));

    QVERIFY(startOn(picturesFolder()));
    m_application->startTick();
    // The resume message of the start tick takes the status line; the notices are in boxes.
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.at(0).text, u"Previously closed session has been resumed"_s);
    QCOMPARE(m_dialogs.informed.size(), 2);
    QCOMPARE(m_dialogs.informed.at(0).text,
             work(u"PicPrefix.dat"_s) + u" was damaged: its size was not a whole number of records. Its first 0 "
                                        u"whole record(s) were kept; the damaged file was saved as "_s
                 + work(u"PicPrefix.dat.damaged"_s));
    QCOMPARE(m_dialogs.informed.at(1).text,
             titleFile + u" was damaged: its size was not a whole number of records. Its first 2 whole record(s) "
                         u"were kept; the damaged file was saved as "_s
                 + titleFile + u".damaged"_s);
    for (const Platform::Message &box : std::as_const(m_dialogs.informed))
        QCOMPARE(box.severity, Platform::Severity::Warning);
    QCOMPARE(QFileInfo(titleFile).size(), 2 * Session::SGTitleRec::size);
    QCOMPARE(QFileInfo(titleFile + u".damaged"_s).size(), 2 * Session::SGTitleRec::size + 7);
    QCOMPARE(m_application->pictures().rowCount(), 2);
}

void ApplicationTest::picturesThatCannotBeListedAreToldAtTheStartTick()
{
    QVERIFY(createFileNamedByBytes(picturesFolder(), "caf\xe9.jpg"));
    QVERIFY(startOn(picturesFolder()));
    QCOMPARE(m_application->pictures().rowCount(), 2);
    m_application->startTick();
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.at(0).text,
             u"1 picture is not listed: its name is not valid UTF-8, so it cannot be retitled"_s);
    QVERIFY(m_dialogs.statuses.at(0).error);
}

void ApplicationTest::closingSavesTheFolderSettingsAndMayShowMessageOne()
{
    QVERIFY(startOn(picturesFolder()));
    m_application->sessionSettings().folderRec().usePrefix = true;
    m_application->close();
    QVERIFY(Settings::SessionSettingsRec::fromBytes(readFile(pictures(u"MrlSessionSet.dat"_s))).usePrefix);
    QVERIFY(m_dialogs.asked.isEmpty());

    QVERIFY(Platform::FolderMenu::registerProgram(u"/usr/bin/mirelto"_s));
    m_application.reset();
    QVERIFY(startOn(picturesFolder()));
    m_application->close();
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).header, u"Another way to start!"_s);
    QCOMPARE(m_dialogs.asked.at(0).lines.at(0), u"You can also start Mirelto by clicking on its icon on your"_s);
    QFile::remove(Platform::FolderMenu::desktopFilePath());
}

void ApplicationTest::informationMessageThatIsSwitchedOff()
{
    Application &application = make();
    QVERIFY(application.InitApplication());
    application.programSettings().rec().PSShowMessage[3] = false;
    QVERIFY(application.RunForm6Message(InfoMessage::DictionaryFull));
    QVERIFY(m_dialogs.asked.isEmpty());
    m_dialogs.answers.enqueue({0, false});
    QVERIFY(application.RunForm6Message(InfoMessage::ClipboardToStaticDictionary));
    QCOMPARE(m_dialogs.asked.at(0).checkBoxCaption, u"&Show this message next time"_s);
    const auto stored = Settings::ProgramSettingsRec::fromBytes(readFile(work(u"PSMSet.dat"_s)));
    QVERIFY(!stored.PSShowMessage[7]);
}

void ApplicationTest::workFileThatIsALinkIsRefused_data()
{
    QTest::addColumn<bool>("inWorkFolder");
    QTest::addColumn<QString>("name");
    for (const char *name : {"MrlSGTitle2.dat", "MrlSessionSet.dat", "MrlActiveDic.dat", "MrlAContextDic.dat",
                             "PicNewFolder.dat", "xelthumb"})
        QTest::newRow(name) << false << QString::fromLatin1(name);
    for (const char *name : {"PSMSet.dat", "MrlSessionSet.dat", "LoadedDic.dat", "PicPrefix.dat", "Subjects.dat"})
        QTest::newRow(qPrintable(u"work folder "_s + QLatin1StringView(name))) << true << QString::fromLatin1(name);
}

void ApplicationTest::workFileThatIsALinkIsRefused()
{
    QFETCH(bool, inWorkFolder);
    QFETCH(QString, name);
    const QString outside = m_root->filePath(u"outside"_s);
    QVERIFY(writeFile(outside, "keep"));
    if (inWorkFolder) {
        // A work folder of an earlier start.
        QVERIFY(startOn(picturesFolder()));
        m_application->close();
        m_application.reset();
        m_dialogs = FakeDialogs();
        QVERIFY(QFile::remove(work(name)));
    }
    const QStringList picturesBefore = QDir(picturesFolder()).entryList(QDir::Files);
    const QString link = inWorkFolder ? work(name) : pictures(name);
    QVERIFY(QFile::link(outside, link));
    QVERIFY(!startOn(picturesFolder()));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, u"Mirelto: "_s + link + u" is a symbolic link, can not run program"_s);
    QCOMPARE(readFile(outside), QByteArray("keep"));
    QVERIFY(QFileInfo(link).isSymLink());
    // Nothing was written to the folder.
    QStringList picturesAfter = QDir(picturesFolder()).entryList(QDir::Files | QDir::System);
    if (!inWorkFolder)
        picturesAfter.removeOne(name);
    QCOMPARE(picturesAfter, picturesBefore);
}

void ApplicationTest::failedWriteKeepsTheFileAndIsReportedOnce_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"PSMSet.dat", "MrlSessionSet.dat", "folder MrlSessionSet.dat", "PicPrefix.dat",
                             "PicSuffix.dat", "FolderUnique.dat", "SyncExt.dat", "ExifEl.dat", "MrlSGTitle2.dat",
                             "MrlActiveDic.dat", "ContextDic.dat"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void ApplicationTest::failedWriteKeepsTheFileAndIsReportedOnce()
{
    QFETCH(QString, file);
    QVERIFY(startOn(picturesFolder()));
    Application &application = *m_application;
    const bool inFolder = file.startsWith(u"folder "_s) || (file.startsWith(u"Mrl"_s) && file != u"MrlSessionSet.dat");
    const QString path = inFolder ? pictures(file.section(u' ', -1)) : work(file);
    if (file == u"FolderUnique.dat")
        QVERIFY(Retitle::writeFolderUnique(path, {Retitle::FolderUniqueRec{u"/old"_s, true}}));
    if (file == u"SyncExt.dat")
        QVERIFY(Retitle::writeSyncExt(path, {Retitle::SyncExtRec{u"old"_s}}));
    if (file == u"PicPrefix.dat")
        QVERIFY(application.picturePrefixes().AddPicPrefix(u"Old"_s));
    if (file == u"PicSuffix.dat")
        QVERIFY(application.pictureSuffixes().AddPicSuffix(u"Old"_s));
    const QByteArray before = readFile(path);
    m_dialogs = FakeDialogs();
    QStringList returned;
    const auto keep = [&returned](const Records::FileResult<void> &result) {
        if (!result)
            returned.append(L10n::describe(result.error()));
    };
    {
        const Records::SimulatedWriteFailure full(Records::WriteStep::Write, ENOSPC);
        if (file == u"PSMSet.dat")
            application.startTick();
        else if (file == u"MrlSessionSet.dat")
            keep(application.sessionSettings().UpdateFSession_Counter_Attr(7, true));
        else if (file == u"folder MrlSessionSet.dat")
            application.close();
        else if (file == u"PicPrefix.dat")
            QVERIFY(!application.picturePrefixes().AddPicPrefix(u"Trip"_s));
        else if (file == u"PicSuffix.dat")
            QVERIFY(!application.pictureSuffixes().AddPicSuffix(u"Trip"_s));
        else if (file == u"FolderUnique.dat")
            keep(Retitle::writeFolderUnique(path, {Retitle::FolderUniqueRec{u"/pics"_s, true}}));
        else if (file == u"SyncExt.dat")
            keep(Retitle::writeSyncExt(path, {Retitle::SyncExtRec{u"wav"_s}}));
        else if (file == u"ExifEl.dat")
            keep(application.exifTagDatabase().write({Metadata::ExifElRec{271, u"1"_s, u"Make"_s, u"Make"_s, {}}}));
        else if (file == u"MrlSGTitle2.dat")
            QVERIFY(!application.pictures().FillSGTitle(false, {}));
        else if (file == u"MrlActiveDic.dat")
            QVERIFY(!application.dictionaries().WriteToDisk(u"Trip"_s, u'A', Dictionary::DicIndex::Active));
        else
            QVERIFY(!application.dictionaries().WriteContextDic(Dictionary::DicIndex::Static, u"Trip"_s));
    }
    QStringList reports = returned;
    for (const Platform::Message &message : std::as_const(m_dialogs.informed))
        reports.append(message.text);
    for (const Platform::StatusMessage &status : std::as_const(m_dialogs.statuses))
        reports.append(status.text);
    if (file == u"MrlSGTitle2.dat")
        reports.append(application.pictures().fillError());
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.at(0).contains(path) && reports.at(0).contains(qt_error_string(ENOSPC)), qPrintable(reports.at(0)));
    QCOMPARE(readFile(path), before);
}

void ApplicationTest::fullDiskKeepsTheSettings()
{
    // The pictures on a small file system that fills up while the session is open.
    const SmallFileSystem disk(m_root->filePath(u"small"_s), 128);
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs the right to mount");
    const QString folder = m_root->filePath(u"small"_s);
    QVERIFY(writeFile(folder + u"/IMG_0001.jpg"_s));
    QVERIFY(startOn(folder));
    const QString session = folder + u"/MrlSessionSet.dat"_s;
    const QByteArray before = readFile(session);
    QVERIFY(disk.fill());
    m_application->sessionSettings().folderRec().usePrefix = true;
    m_application->close();
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, u"Error writing to "_s + session + u" ("_s + qt_error_string(ENOSPC) + u')');
    QCOMPARE(readFile(session), before);
    QVERIFY(QFile::remove(folder + u"/filler"_s));
    m_application.reset();
    QVERIFY(startOn(folder));
}

void ApplicationTest::storedThumbnailShowsAtTheStart()
{
    QVERIFY(startOn(picturesFolder()));
    m_application->picturePreview().toggleShowThumb();
    m_application->close();
    // Started again, the first picture shows before anything in the table was touched.
    QVERIFY(startOn(picturesFolder()));
    QCOMPARE(m_application->freeTextEditor().currentRow(), 0);
    QCOMPARE(m_application->picturePreview().wantedRow(), 0);
    QTRY_COMPARE(m_application->picturePreview().shown().row, 0);
}

QTEST_GUILESS_MAIN(ApplicationTest)
#include "applicationtest.moc"
