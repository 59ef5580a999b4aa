#include "storage/storageplanner.h"

#include "platform/filesystem.h"
#include "session/picturerow.h"
#include "support/fakedialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

namespace {

// The machine's file system, refusing to create one chosen folder.
class RefusingFiles final : public Platform::FileSystem
{
public:
    bool exists(const QString &path) const override { return m_system.exists(path); }
    bool isFolder(const QString &path) const override { return m_system.isFolder(path); }
    QList<Platform::FolderEntry> entries(const QString &folder) const override { return m_system.entries(folder); }
    bool isDriveReady(const QString &path) const override { return m_system.isDriveReady(path); }
    Records::FileResult<void> move(const QString &from, const QString &to) override { return m_system.move(from, to); }
    Records::FileResult<void> trash(const QString &path) override { return m_system.trash(path); }
    bool makeFolder(const QString &path) override { return path != refused && m_system.makeFolder(path); }
    Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path) override
    {
        // The levels above the refused one are made; the refused one fails as a full disk would.
        if (!refused.isEmpty() && (path == refused || path.startsWith(refused + u'/'))) {
            static_cast<void>(m_system.makeFolderBelow(top, refused.section(u'/', 0, -2)));
            return Records::fail(Records::FileError{Records::FileError::Code::CreateFailed, refused, -1, {}});
        }
        return m_system.makeFolderBelow(top, path);
    }

    QString refused;

private:
    Platform::SystemFileSystem m_system;
};

Session::PictureRow picture(const QString &title, const QString &subject = {})
{
    Session::PictureRow row;
    row.marker = Session::Marker::selected;
    row.currentTitle = title;
    row.subject = subject;
    return row;
}

} // namespace

class StoragePlannerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void destinations_data();
    void destinations();
    void samePlannedFolderOnce();
    void storageOff();
    void mainFolderGone();
    void pictureFolderBelowMainFolder();
    void mainFolderBelowPictureFolder();
    void checkOnPSMConflict_data();
    void checkOnPSMConflict();
    void folderThatCannotBeCreated();
    void linksInTheMainFolderAreNeverFollowed();
    void mainFolderChangedBeforeRetitleNow();
    void describedFolders_data();
    void describedFolders();

private:
    void makeFolders(const QString &root, const QStringList &folders);
    StoragePlanner &planner();
    QList<int> allRows() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    StoragePlanSettings m_settings;
    QString m_pictureFolder;
    QList<Session::PictureRow> m_rows;
    QHash<QString, QString> m_taken;
    int m_yields = 0;
    std::optional<QStringList> m_descriptions;
    QList<NewFolderDescriptionInput> m_describeAsked;
    FakeDialogs m_dialogs;
    RefusingFiles m_files;
    std::unique_ptr<StoragePlanner> m_planner;
};

void StoragePlannerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_settings = {};
    m_settings.useStorage = true;
    m_settings.levels = 3;
    m_settings.mainFolder = m_dir->path() + u"/main"_s;
    m_pictureFolder = m_dir->path() + u"/pictures"_s;
    QDir().mkpath(m_settings.mainFolder);
    QDir().mkpath(m_pictureFolder);
    m_rows.clear();
    m_taken.clear();
    m_yields = 0;
    m_descriptions = QStringList();
    m_describeAsked.clear();
    m_dialogs = {};
    m_files.refused.clear();
    m_planner.reset();
}

void StoragePlannerTest::makeFolders(const QString &root, const QStringList &folders)
{
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(root + u'/' + folder));
}

StoragePlanner &StoragePlannerTest::planner()
{
    StoragePlanInputs inputs;
    inputs.settings = [this] { return m_settings; };
    inputs.pictureFolder = [this] { return m_pictureFolder; };
    inputs.rows = [this]() -> const QList<Session::PictureRow> & { return m_rows; };
    inputs.dateTaken = [this](const QString &path) { return m_taken.value(path.section(u'/', -1)); };
    inputs.fileDate = [](const QString &) { return QDateTime(QDate(2001, 2, 3), QTime(12, 0)); };
    inputs.yield = [this] { ++m_yields; };
    inputs.describeNewFolders = [this](const NewFolderDescriptionInput &input) {
        m_describeAsked.append(input);
        return m_descriptions;
    };
    m_planner = std::make_unique<StoragePlanner>(inputs, m_dialogs, m_files);
    return *m_planner;
}

QList<int> StoragePlannerTest::allRows() const
{
    QList<int> rows;
    for (int i = 0; i < m_rows.size(); ++i)
        rows << i;
    return rows;
}

void StoragePlannerTest::destinations_data()
{
    QTest::addColumn<int>("subjectPosition");
    QTest::addColumn<bool>("onlySubject");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<bool>("planned");

    const QString wedding = u"2007/2007-08/2007-08-30 2007-09-02 Wedding"_s;
    QTest::newRow("day name and description") << 0 << false << QStringList{u"2007/2007-08/2007-08-31 Friday Party"_s}
                                              << QString() << u"2007-08-31 20:15:00"_s
                                              << u"2007/2007-08/2007-08-31 Friday Party"_s << false;
    QTest::newRow("new date-taken folder") << 0 << false << QStringList{u"2007/2007-08/2007-08-31 Party"_s}
                                           << QString() << u"2007-09-05 10:00:00"_s << u"2007/2007-09/2007-09-05"_s
                                           << true;
    QTest::newRow("group covers the day") << 0 << false << QStringList{wedding} << QString()
                                          << u"2007-09-01 10:00:00"_s << wedding + u"/2007-09-01"_s << true;
    QTest::newRow("midnight after the group") << 0 << false << QStringList{wedding} << QString()
                                              << u"2007-09-03 00:00:00"_s << wedding + u"/2007-09-03"_s << true;
    QTest::newRow("day after the group") << 0 << false << QStringList{wedding} << QString()
                                         << u"2007-09-03 00:00:01"_s << u"2007/2007-09/2007-09-03"_s << true;
    QTest::newRow("day folder inside group") << 0 << false << QStringList{wedding + u"/2007-09-01 Dinner"_s}
                                             << QString() << u"2007-09-01 10:00:00"_s
                                             << wedding + u"/2007-09-01 Dinner"_s << false;
    const QString show = u"2007/My cars/2007-08/2007-08-30 2007-09-02 Show"_s;
    QTest::newRow("group of the subject, any case") << 2 << false << QStringList{show} << u"my CARS"_s
                                                    << u"2007-09-01 10:00:00"_s << show + u"/2007-09-01"_s << true;
    QTest::newRow("group of another subject") << 2 << false << QStringList{show} << u"Boats"_s
                                              << u"2007-09-01 10:00:00"_s << u"2007/Boats/2007-09/2007-09-01"_s
                                              << true;
    QTest::newRow("no subject skips subject group") << 2 << false << QStringList{show} << QString()
                                                    << u"2007-09-01 10:00:00"_s << u"2007/2007-09/2007-09-01"_s
                                                    << true;
    QTest::newRow("no subject takes outside group") << 2 << false << QStringList{show, wedding} << QString()
                                                    << u"2007-09-01 10:00:00"_s << wedding + u"/2007-09-01"_s
                                                    << true;
    QTest::newRow("only subject, new") << 1 << true << QStringList{u"My cars"_s} << u"My cars;Bentleys"_s
                                       << QString() << u"My cars/Bentleys"_s << true;
    QTest::newRow("only subject, existing") << 1 << true << QStringList{u"My cars/Bentleys"_s}
                                            << u"My cars;Bentleys"_s << QString() << u"My cars/Bentleys"_s << false;
}

void StoragePlannerTest::destinations()
{
    QFETCH(int, subjectPosition);
    QFETCH(bool, onlySubject);
    QFETCH(QStringList, existing);
    QFETCH(QString, subject);
    QFETCH(QString, taken);
    QFETCH(QString, destination);
    QFETCH(bool, planned);

    m_settings.subjectPosition = subjectPosition;
    m_settings.onlySubject = onlySubject;
    m_settings.subjectOptional = true;
    makeFolders(m_settings.mainFolder, existing);
    m_rows = {picture(u"a.jpg"_s, subject)};
    m_taken.insert(u"a.jpg"_s, taken);

    QVERIFY(planner().plan(allRows(), {}));
    const QString expected = m_settings.mainFolder + u'/' + destination;
    QCOMPARE(m_planner->destination(0), expected);
    QCOMPARE(m_planner->newFolders(), planned ? QStringList{expected} : QStringList());
    QVERIFY(m_dialogs.informed.isEmpty());
    if (planned) {
        QVERIFY(m_planner->createNewFolders());
        QVERIFY(QFileInfo(expected).isDir());
    }
}

void StoragePlannerTest::samePlannedFolderOnce()
{
    m_settings.subjectPosition = 2;
    m_settings.subjectOptional = true;
    m_rows = {picture(u"a.jpg"_s, u"Cars"_s), picture(u"b.jpg"_s, u"cars"_s), picture(u"c.jpg"_s)};
    m_taken = {{u"a.jpg"_s, u"2007-08-31 14:00:00"_s},
               {u"b.jpg"_s, u"2007-08-31 23:00:00"_s},
               {u"c.jpg"_s, u"2007-08-01 08:00:00"_s}};
    m_settings.shiftMidnight = 12;

    QVERIFY(planner().plan(allRows(), {}));
    const QList<ExistingFolders> &planned = m_planner->plannedFolders();
    QCOMPARE(planned.size(), 2);
    QCOMPARE(planned.at(0).ExFolder, m_settings.mainFolder + u"/2007/Cars/2007-08/2007-08-31"_s);
    QCOMPARE(planned.at(0).ExSubject, u"Cars"_s);
    // Each picture moved back twelve hours; the folder keeps the first picture's date.
    QCOMPARE(planned.at(0).ExDateFrom, QDateTime(QDate(2007, 8, 31), QTime(2, 0), Qt::UTC));
    // The second picture follows the folder as it will be created, whatever its subject's case.
    QCOMPARE(m_planner->destination(1), planned.at(0).ExFolder);
    QCOMPARE(m_planner->newFolders(), (QStringList{m_settings.mainFolder + u"/2007/2007-07/2007-07-31"_s,
                                                   planned.at(0).ExFolder}));
}

void StoragePlannerTest::storageOff()
{
    m_settings.useStorage = false;
    m_rows = {picture(u"a.jpg"_s)};
    QVERIFY(!planner().isActive());
    QVERIFY(planner().plan(allRows(), {}));
    QCOMPARE(m_planner->destination(0), m_pictureFolder);
    QVERIFY(m_planner->newFolders().isEmpty());
    QVERIFY(m_planner->createNewFolders());
}

void StoragePlannerTest::mainFolderGone()
{
    QVERIFY(QDir(m_settings.mainFolder).removeRecursively());
    m_rows = {picture(u"a.jpg"_s)};
    QVERIFY(planner().isActive());
    QVERIFY(!m_planner->isAvailable());
    QVERIFY(!m_planner->plan(allRows(), {}));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"This should not occur, BuildDateTaken "_s + m_settings.mainFolder + u" does not exist"_s);
}

void StoragePlannerTest::pictureFolderBelowMainFolder()
{
    // Pictures already in their date-taken folder stay where they are, spelt as found.
    m_pictureFolder = m_settings.mainFolder + u"/2007/2007-08/2007-08-31 Friday Party"_s;
    makeFolders(m_pictureFolder, {u"xelthumb"_s});
    m_rows = {picture(u"a.jpg"_s), picture(u"b.jpg"_s)};
    m_taken = {{u"a.jpg"_s, u"2007-08-31 10:00:00"_s}, {u"b.jpg"_s, u"2007-09-01 10:00:00"_s}};

    QVERIFY(planner().plan(allRows(), {}));
    QCOMPARE(m_planner->destination(0), m_pictureFolder);
    QCOMPARE(m_planner->newFolders(), QStringList{m_settings.mainFolder + u"/2007/2007-09/2007-09-01"_s});
    QCOMPARE(m_planner->dateTakenFolders().size(), 1);
}

void StoragePlannerTest::mainFolderBelowPictureFolder()
{
    m_settings.mainFolder = m_pictureFolder + u"/storage"_s;
    makeFolders(m_pictureFolder, {u"elsewhere/2007-08-31"_s});
    makeFolders(m_settings.mainFolder, {u"2007/2007-08/2007-08-31"_s, u"2007/2007-09/2007-09-10 2007-09-12 Trip"_s});
    // A link back up the tree is not walked into.
    QVERIFY(QFile::link(m_pictureFolder, m_settings.mainFolder + u"/2007/up"_s));
    // Enough entries for the scan to let the user interface catch up.
    for (int i = 0; i < 2 * StoragePlanner::entriesPerYield; ++i)
        QFile(m_settings.mainFolder + u"/2007/x"_s + QString::number(i)).open(QIODevice::WriteOnly);
    m_rows = {picture(u"a.jpg"_s)};
    m_taken.insert(u"a.jpg"_s, u"2007-08-31 10:00:00"_s);

    QVERIFY(planner().plan(allRows(), {}));
    QCOMPARE(m_planner->destination(0), m_settings.mainFolder + u"/2007/2007-08/2007-08-31"_s);
    QCOMPARE(m_planner->dateTakenFolders().size(), 1);
    QCOMPARE(m_planner->groupFolders().size(), 1);
    QCOMPARE(m_planner->groupFolders().at(0).ExDateTo.date(), QDate(2007, 9, 12));
    QVERIFY(m_planner->newFolders().isEmpty());
    QVERIFY(m_yields >= 2);
}

void StoragePlannerTest::checkOnPSMConflict_data()
{
    QTest::addColumn<bool>("useStorage");
    QTest::addColumn<int>("subjectPosition");
    QTest::addColumn<bool>("onlySubject");
    QTest::addColumn<bool>("optional");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<QStringList>("subjects");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stops");
    QTest::addColumn<QString>("shown");

    const QStringList oneMissing{u"Cars"_s, QString()};
    const QString setTo = u"'Picture Storage Management' is set to 'Subject/Year/Month/Date taken"_s;
    QTest::newRow("subject mandatory") << true << 1 << false << false << false << oneMissing << 0 << true
                                       << setTo + u"'.\n\nPlease assign a subject to all selected pictures first and "
                                                  u"then press 'Test/Preview' again."_s;
    QTest::newRow("only subject needs one")
        << true << 1 << true << true << false << oneMissing << 0 << true
        << u"Subject is mandatory in case 'Only use subject' is checked, even when Subject\nis set to optional in "
           u"'Picture Storage Management.'\n\nPlease assign a subject to every selected picture."_s;
    QTest::newRow("warned, cancelled") << true << 1 << false << true << true << oneMissing << 0 << true
                                       << setTo + u"'\nbut not all selected pictures have been assigned a subject!"_s;
    QTest::newRow("warned, ignored") << true << 1 << false << true << true << oneMissing << 1 << false
                                     << setTo + u"'\nbut not all selected pictures have been assigned a subject!"_s;
    QTest::newRow("optional, silent") << true << 1 << false << true << false << oneMissing << 0 << false << QString();
    QTest::newRow("all have one") << true << 1 << false << false << false << QStringList{u"Cars"_s} << 0 << false
                                  << QString();
    QTest::newRow("storage off, yes") << false << 1 << false << false << false << oneMissing << 0 << false
                                      << u"Some or all pictures have been assigned a subject, yet 'Picture Storage "
                                         u"Management' is unchecked\nIf you continue, the subjects will be lost and "
                                         u"pictures will only be renamed instead of renamed and moved.\n\nContinue "
                                         u"anyway?"_s;
    QTest::newRow("scheme without subject, cancel")
        << true << 0 << false << false << false << oneMissing << 1 << true
        << u"Some or all pictures have been assigned a subject, but 'Picture Storage Management' is set to "
           u"'Year/Month/Date taken'\nIf you continue, the subjects will not be used in the moving process and will "
           u"eventually be lost.\n\nContinue anyway?"_s;
}

void StoragePlannerTest::checkOnPSMConflict()
{
    QFETCH(bool, useStorage);
    QFETCH(int, subjectPosition);
    QFETCH(bool, onlySubject);
    QFETCH(bool, optional);
    QFETCH(bool, warn);
    QFETCH(QStringList, subjects);
    QFETCH(int, answer);
    QFETCH(bool, stops);
    QFETCH(QString, shown);

    m_settings.useStorage = useStorage;
    m_settings.subjectPosition = subjectPosition;
    m_settings.onlySubject = onlySubject;
    m_settings.subjectOptional = optional;
    m_settings.subjectWarn = warn;
    for (const QString &subject : subjects)
        m_rows << picture(u"p.jpg"_s, subject);
    // A picture to delete is not renamed, so it needs no subject.
    m_rows << picture(u"gone.jpg"_s);
    m_rows.last().markedForDeletion = true;
    m_dialogs.answers.enqueue({answer, false});

    QCOMPARE(planner().CheckOnPSMConflict(), stops);
    QStringList texts;
    for (const Platform::Message &message : std::as_const(m_dialogs.informed))
        texts << message.text;
    for (const Platform::Question &question : std::as_const(m_dialogs.asked))
        texts << question.lines.join(u'\n');
    QCOMPARE(texts, shown.isEmpty() ? QStringList() : QStringList{shown});
}

void StoragePlannerTest::folderThatCannotBeCreated()
{
    m_rows = {picture(u"a.jpg"_s)};
    m_taken.insert(u"a.jpg"_s, u"2007-08-31 10:00:00"_s);
    m_files.refused = m_settings.mainFolder + u"/2007/2007-08"_s;

    QVERIFY(planner().plan(allRows(), {}));
    QVERIFY(!m_planner->createNewFolders());
    QVERIFY(QFileInfo(m_settings.mainFolder + u"/2007"_s).isDir());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"Could not create folder "_s + m_files.refused
                 + u"\nMedium not writable or you do not have the proper authorization\nFiles can not be renamed and "
                   u"moved! Procedure termninated"_s);
}

void StoragePlannerTest::linksInTheMainFolderAreNeverFollowed()
{
    // A year folder that is a link out of the tree, and a date-taken folder that is a link to
    // another one inside it.
    const QString outside = m_dir->path() + u"/outside"_s;
    makeFolders(outside, {u"2007-08"_s});
    makeFolders(m_settings.mainFolder, {u"2009/2009-03/2009-03-01"_s});
    QVERIFY(QFile::link(outside, m_settings.mainFolder + u"/2007"_s));
    QVERIFY(QFile::link(m_settings.mainFolder + u"/2009/2009-03/2009-03-01"_s,
                        m_settings.mainFolder + u"/2009/2009-03/2009-03-04"_s));
    m_rows = {picture(u"a.jpg"_s), picture(u"b.jpg"_s), picture(u"c.jpg"_s)};
    m_taken = {{u"a.jpg"_s, u"2007-08-31 10:00:00"_s},
               {u"b.jpg"_s, u"2008-01-02 10:00:00"_s},
               {u"c.jpg"_s, u"2009-03-04 10:00:00"_s}};

    QVERIFY(planner().plan(allRows(), {}));
    QCOMPARE(m_planner->linkOnTheWay(0), m_settings.mainFolder + u"/2007"_s);
    QCOMPARE(m_planner->linkOnTheWay(1), QString());
    QCOMPARE(m_planner->linkOnTheWay(2), m_settings.mainFolder + u"/2009/2009-03/2009-03-04"_s);

    // Creating the folders never goes through the link either.
    QVERIFY(!m_planner->createNewFolders());
    QVERIFY(!QFileInfo::exists(outside + u"/2007-08/2007-08-31"_s));
    QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"2007-08"_s});
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"Could not create folder "_s + m_settings.mainFolder + u"/2007/2007-08/2007-08-31\n"_s
                 + m_settings.mainFolder
                 + u"/2007 is a symbolic link: pictures are never moved through a link in the main picture storage "
                   u"folder\nFiles can not be renamed and moved! Procedure termninated"_s);
}

void StoragePlannerTest::mainFolderChangedBeforeRetitleNow()
{
    m_rows = {picture(u"a.jpg"_s)};
    m_taken.insert(u"a.jpg"_s, u"2007-08-31 10:00:00"_s);
    const QString expected =
        u"The main picture storage folder "_s + m_settings.mainFolder
        + u" is no longer the folder Test & Preview planned in: it was removed, replaced, or its disk is no longer "
          u"mounted.\nNothing has been renamed or moved. Check the folder and press 'Test/Preview' again."_s;

    // An empty folder in its place, as the mount point of a disk that was unmounted leaves it.
    QVERIFY(planner().plan(allRows(), {}));
    QVERIFY(QDir().rename(m_settings.mainFolder, m_settings.mainFolder + u".old"_s));
    QVERIFY(QDir().mkpath(m_settings.mainFolder));
    QVERIFY(!m_planner->createNewFolders());
    QVERIFY(QDir(m_settings.mainFolder).isEmpty());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text, expected);

    // Back where it was, it is the folder of the plan again.
    QVERIFY(QDir(m_settings.mainFolder).removeRecursively());
    QVERIFY(QDir().rename(m_settings.mainFolder + u".old"_s, m_settings.mainFolder));
    QVERIFY(m_planner->createNewFolders());
    QVERIFY(QFileInfo(m_settings.mainFolder + u"/2007/2007-08/2007-08-31"_s).isDir());

    // Gone altogether: nothing is made again.
    m_taken.insert(u"a.jpg"_s, u"2008-01-02 10:00:00"_s);
    QVERIFY(planner().plan(allRows(), {}));
    QVERIFY(QDir(m_settings.mainFolder).removeRecursively());
    QVERIFY(!m_planner->createNewFolders());
    QVERIFY(!QFileInfo::exists(m_settings.mainFolder));
    QCOMPARE(m_dialogs.informed.size(), 2);
}

QTEST_GUILESS_MAIN(StoragePlannerTest)
void StoragePlannerTest::describedFolders_data()
{
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<bool>("onlySubject");
    QTest::addColumn<std::optional<QStringList>>("given");
    QTest::addColumn<bool>("planned");
    // The last levels the two new folders end up with; empty when nothing is planned.
    QTest::addColumn<QStringList>("levels");

    const QStringList plain{u"2007-08-01"_s, u"2007-08-31"_s};
    QTest::newRow("described") << true << false << std::optional<QStringList>(QStringList{u"Wedding"_s, QString()}) << true
                               << QStringList{u"2007-08-01 Wedding"_s, u"2007-08-31"_s};
    QTest::newRow("cancelled") << true << false << std::optional<QStringList>() << false << QStringList();
    QTest::newRow("not prompted") << false << false << std::optional<QStringList>(QStringList{u"Wedding"_s}) << true << plain;
    QTest::newRow("slashes and dots stay in the level")
        << true << false << std::optional<QStringList>(QStringList{u"../x/y "_s, u" .."_s}) << true
        << QStringList{u"2007-08-01 ..xy"_s, u"2007-08-31 .."_s};
    QTest::newRow("only subject never asks")
        << true << true << std::optional<QStringList>(QStringList{u"Wedding"_s}) << true << QStringList{u"Cars"_s};
}

void StoragePlannerTest::describedFolders()
{
    QFETCH(bool, prompt);
    QFETCH(bool, onlySubject);
    QFETCH(std::optional<QStringList>, given);
    QFETCH(bool, planned);
    QFETCH(QStringList, levels);
    m_settings.promptFolder = prompt;
    m_settings.onlySubject = onlySubject;
    m_settings.subjectPosition = onlySubject ? 1 : 0;
    m_descriptions = given;
    Session::PictureRow first = picture(u"a.jpg"_s, u"Cars"_s);
    first.freeText = u"Cake"_s;
    m_rows = {first, picture(u"b.jpg"_s, u"Cars"_s), picture(u"c.jpg"_s, u"Cars"_s)};
    m_taken = {{u"a.jpg"_s, u"2007-08-01 14:00:00"_s},
               {u"b.jpg"_s, u"2007-08-31 10:00:00"_s},
               {u"c.jpg"_s, u"2007-08-01 18:00:00"_s}};

    QCOMPARE(planner().plan(allRows(), {}), planned);
    QCOMPARE(m_describeAsked.size(), prompt && !onlySubject ? 1 : 0);
    if (!planned)
        return;
    QStringList ends;
    for (const ExistingFolders &folder : m_planner->plannedFolders()) {
        ends.append(folder.ExFolder.section(u'/', -1));
        QVERIFY(folder.ExFolderL.startsWith(m_settings.mainFolder.toLower()));
    }
    QCOMPARE(ends, levels);
    if (onlySubject)
        return;
    const NewFolderDescriptionInput &asked = m_describeAsked.value(0);
    if (prompt) {
        QCOMPARE(asked.pictures.size(), 3);
        QCOMPARE(asked.pictures.at(0).freeText, u"Cake"_s);
        QCOMPARE(asked.pictures.at(2).Folder_low, asked.newFolders.at(0).ExFolderL);
    }
    // Both pictures of the first day follow their folder, described or not; the key stays.
    const ExistingFolders &day = m_planner->plannedFolders().at(0);
    QCOMPARE(m_planner->destination(0), day.ExFolder);
    QCOMPARE(m_planner->destination(2), day.ExFolder);
    QCOMPARE(m_planner->destination(1), m_planner->plannedFolders().at(1).ExFolder);
    QVERIFY(day.ExFolderL.endsWith(u"/2007-08-01"_s));
    QVERIFY(m_planner->newFolders().contains(day.ExFolder));
}

#include "storageplannertest.moc"
