#include "retitle/testpass.h"
#include "retitle/previewreport.h"

#include "retitle/destinationplanner.h"
#include "retitle/uniquecheck.h"

#include "faultyfilesystem.h"

#include "session/picturerow.h"
#include "support/files.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Retitle;

namespace {

// Destinations a test chooses per row; the picture folder for the others.
class TestPlanner final : public DestinationPlanner
{
public:
    explicit TestPlanner(const QString &pictureFolder) : m_pictureFolder(pictureFolder) {}

    bool isActive() const override { return false; }
    bool isAvailable() const override { return false; }
    bool CheckOnPSMConflict() override { return false; }
    bool plan(const QList<int> &rows, const Progress &) override
    {
        planned = rows;
        return !cancel;
    }
    QString destination(int row) const override { return destinations.value(row, m_pictureFolder); }
    QString linkOnTheWay(int row) const override { return links.value(row); }
    QStringList newFolders() const override { return {}; }
    bool createNewFolders() override { return true; }

    QHash<int, QString> destinations;
    QHash<int, QString> links;
    QList<int> planned = {-1};
    bool cancel = false;

private:
    QString m_pictureFolder;
};

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

class TestPassTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void sortIsStableByFolderThenTitle();
    void duplicatesAndUniqueness_data();
    void duplicatesAndUniqueness();
    void sameNameInAnyLetterCaseIsTaken();
    void titleOfTheExtensionOnlyIsEmpty();
    void composedTitleStaysInItsFolder();
    void pathLength_data();
    void pathLength();
    void uniqueCheckFoldersWidenTheChecks();
    void companionWithoutItsPicture_data();
    void companionWithoutItsPicture();
    void picturesMeetingUnderOneNewName_data();
    void picturesMeetingUnderOneNewName();
    void pairsAndSidecarsAreChecked();
    void onlyDeletionsComposeNothing();
    void cancelledPlanningEndsThePass();
    void warningsAndProgress();
    void eachFolderIsListedOnce();
    void destinationBehindALinkIsAnError();

private:
    // A picture of the folder, selected, whose title the test composer makes from its free text.
    void addPicture(const QString &name, const QString &freeText, bool selected = true, bool deleted = false);
    bool run(bool force = false, const QStringList &sync = {}, UniqueCheck *unique = nullptr);
    QStringList titles() const;
    QList<int> codes() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    FaultyFileSystem m_files;
    std::unique_ptr<TestPlanner> m_planner;
    QList<Session::PictureRow> m_rows;
    QHash<QString, qint32> m_warnings;
    QStringList m_captions;
    TestPassResult m_result;
};

void TestPassTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->filePath(u"Holiday"_s);
    QVERIFY(QDir().mkpath(m_folder));
    m_planner = std::make_unique<TestPlanner>(m_folder);
    m_rows.clear();
    m_warnings.clear();
    m_captions.clear();
    m_result = {};
    m_files.listings = 0;
}

void TestPassTest::cleanup()
{
    m_dir.reset();
}

void TestPassTest::addPicture(const QString &name, const QString &freeText, bool selected, bool deleted)
{
    QVERIFY(writeFile(m_folder + u'/' + name));
    Session::PictureRow row;
    row.currentTitle = name;
    row.freeText = freeText;
    row.marker = selected ? Session::Marker::selected : QString();
    row.markedForDeletion = deleted;
    m_rows.append(row);
}

bool TestPassTest::run(bool force, const QStringList &sync, UniqueCheck *unique)
{
    UniqueCheck none(m_files);
    TestPass pass(m_files, unique ? *unique : none, [this](const QString &caption, int percent) {
        QVERIFY(percent >= 0 && percent <= 100);
        if (m_captions.isEmpty() || m_captions.last() != caption)
            m_captions.append(caption);
    });
    PassOptions options;
    options.forceUniqueness = force;
    options.syncExtensions = sync;
    const bool completed = pass.run(m_rows, m_folder, options, *m_planner, [this](const Compose::ComposeInput &input) {
        return Compose::RMakeTitle{input.freeText + extensionOf(input.currentTitle), m_warnings.value(input.currentTitle)};
    });
    m_result = pass.takeResult();
    return completed;
}

QStringList TestPassTest::titles() const
{
    QStringList result;
    for (const Rtitle &title : m_result.titles)
        result.append(title.FinalTitle);
    return result;
}

QList<int> TestPassTest::codes() const
{
    QList<int> result;
    for (const Rtitle &title : m_result.titles)
        result.append(title.ErrorCode);
    return result;
}

void TestPassTest::sortIsStableByFolderThenTitle()
{
    addPicture(u"1.jpg"_s, u"beach"_s);
    addPicture(u"2.jpg"_s, u"Zoo"_s);
    addPicture(u"3.jpg"_s, u"apple"_s);
    addPicture(u"4.jpg"_s, u"Beach"_s);
    addPicture(u"5.jpg"_s, u"Äpfel"_s);
    addPicture(u"6.jpg"_s, u"apple"_s);
    m_planner->destinations.insert(5, m_dir->filePath(u"A folder first"_s));

    QVERIFY(run());

    // By folder, then by lower-case title in code-unit order; equal keys in table order.
    QCOMPARE(m_result.sortedOrder, (QList<int>{5, 2, 0, 3, 1, 4}));
    for (qsizetype position = 0; position < m_result.sortedOrder.size(); ++position)
        QCOMPARE(m_result.titles.at(m_result.sortedOrder.at(position)).Alfa_order, position);
    QCOMPARE(codes(), (QList<int>{2, 0, 0, 3, 0, 0}));
}

void TestPassTest::duplicatesAndUniqueness_data()
{
    QTest::addColumn<QStringList>("freeTexts");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QStringList>("sync");
    QTest::addColumn<QStringList>("expectedTitles");
    QTest::addColumn<QList<int>>("expectedCodes");
    const QStringList beach3{u"Beach"_s, u"Beach"_s, u"Beach"_s};
    QTest::newRow("three duplicates") << beach3 << QStringList() << false << QStringList()
                                      << QStringList{u"Beach.jpg"_s, u"Beach.jpg"_s, u"Beach.jpg"_s} << QList<int>{2, 3, 3};
    QTest::newRow("made unique") << beach3 << QStringList() << true << QStringList()
                                 << QStringList{u"Beach_1.jpg"_s, u"Beach_2.jpg"_s, u"Beach_3.jpg"_s} << QList<int>{0, 0, 0};
    QTest::newRow("_1 exists") << beach3 << QStringList{u"Beach_1.jpg"_s} << true << QStringList()
                               << QStringList{u"Beach_2.jpg"_s, u"Beach_3.jpg"_s, u"Beach_4.jpg"_s} << QList<int>{0, 0, 0};
    QTest::newRow("voice file of _1 exists")
        << beach3 << QStringList{u"Beach_1.wav"_s} << true << QStringList{u"wav"_s, u"mov"_s}
        << QStringList{u"Beach_2.jpg"_s, u"Beach_3.jpg"_s, u"Beach_4.jpg"_s} << QList<int>{0, 0, 0};
    QTest::newRow("voice file blocks a title") << QStringList{u"Beach"_s} << QStringList{u"Beach.mov"_s} << false
                                               << QStringList{u"wav"_s, u"mov"_s} << QStringList{u"Beach.jpg"_s}
                                               << QList<int>{1};
    QTest::newRow("voice files not kept in sync") << QStringList{u"Beach"_s} << QStringList{u"Beach.mov"_s} << false
                                                  << QStringList() << QStringList{u"Beach.jpg"_s} << QList<int>{0};
    QTest::newRow("other companion blocks a number")
        << QStringList{u"Beach"_s} << QStringList{u"Beach.jpg"_s, u"Beach_1.xmp"_s} << true << QStringList{u"xmp"_s}
        << QStringList{u"Beach_2.jpg"_s} << QList<int>{0};
    QTest::newRow("existing and duplicate") << QStringList{u"Beach"_s, u"Beach"_s} << QStringList{u"beach.jpg"_s} << false
                                            << QStringList() << QStringList{u"Beach.jpg"_s, u"Beach.jpg"_s}
                                            << QList<int>{1, 3};
    // A number is never handed out when another new title of the pass already has it.
    QTest::newRow("new title holds _1") << QStringList{u"Beach"_s, u"Beach_1"_s, u"Beach"_s} << QStringList() << true
                                        << QStringList()
                                        << QStringList{u"Beach_2.jpg"_s, u"Beach_1.jpg"_s, u"Beach_3.jpg"_s}
                                        << QList<int>{0, 0, 0};
}

void TestPassTest::duplicatesAndUniqueness()
{
    QFETCH(QStringList, freeTexts);
    QFETCH(QStringList, existing);
    QFETCH(bool, force);
    QFETCH(QStringList, sync);
    QFETCH(QStringList, expectedTitles);
    QFETCH(QList<int>, expectedCodes);
    for (const QString &name : existing)
        QVERIFY(writeFile(m_folder + u'/' + name));
    for (int i = 0; i < freeTexts.size(); ++i)
        addPicture(u"IMG_"_s + QString::number(i) + u".jpg"_s, freeTexts.at(i));

    QVERIFY(run(force, sync));

    QCOMPARE(titles(), expectedTitles);
    QCOMPARE(codes(), expectedCodes);
    QCOMPARE(m_result.errorCount, int(std::count_if(expectedCodes.cbegin(), expectedCodes.cend(), [](int c) { return c; })));
}

void TestPassTest::sameNameInAnyLetterCaseIsTaken()
{
    addPicture(u"IMG.jpg"_s, u"img"_s);
    addPicture(u"x.jpg"_s, u"Dunes"_s);
    QVERIFY(writeFile(m_folder + u"/dunes.JPG"_s));
    QVERIFY(run());
    QCOMPARE(codes(), (QList<int>{1, 1}));
}

void TestPassTest::titleOfTheExtensionOnlyIsEmpty()
{
    addPicture(u"IMG_1.jpg"_s, QString());
    addPicture(u"IMG_2.jpg"_s, QString());
    QVERIFY(run(true));
    // Empty titles are not duplicates of each other, and no number makes them good.
    QCOMPARE(codes(), (QList<int>{5, 5}));
    QCOMPARE(m_result.errorCount, 2);
}

void TestPassTest::composedTitleStaysInItsFolder()
{
    // Whatever the composer let through, the title names a file of its destination folder.
    addPicture(u"IMG_1.jpg"_s, u"../../x\ny"_s);
    addPicture(u"IMG_2.jpg"_s, u"/\u0000"_s);
    QVERIFY(run());
    QCOMPARE(titles(), (QStringList{u"....xy.jpg"_s, u".jpg"_s}));
    QCOMPARE(codes(), (QList<int>{0, 5}));
}

void TestPassTest::pathLength_data()
{
    QTest::addColumn<QString>("freeText");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<bool>("force");
    QTest::addColumn<QList<int>>("expectedCodes");
    // The folder has 240 characters; with '/' a title of 15 characters reaches 256.
    QTest::newRow("255") << u"Beach-1234"_s << 1 << false << QList<int>{0};
    QTest::newRow("256") << u"Beach-12345"_s << 1 << false << QList<int>{4};
    QTest::newRow("256 once made unique") << u"Beach-1234"_s << 2 << true << QList<int>{4, 4};
}

void TestPassTest::pathLength()
{
    QFETCH(QString, freeText);
    QFETCH(int, pictures);
    QFETCH(bool, force);
    QFETCH(QList<int>, expectedCodes);
    const QString prefix = m_dir->path() + u'/';
    QVERIFY(prefix.size() < 200);
    const QString folder = prefix + QString(240 - prefix.size(), u'd');
    QCOMPARE(folder.size(), 240);
    for (int i = 0; i < pictures; ++i) {
        addPicture(u"IMG_"_s + QString::number(i) + u".jpg"_s, freeText);
        m_planner->destinations.insert(i, folder);
    }
    QVERIFY(run(force));
    QCOMPARE(codes(), expectedCodes);
}

void TestPassTest::uniqueCheckFoldersWidenTheChecks()
{
    const QString archive = m_dir->filePath(u"Archive"_s);
    QVERIFY(QDir().mkpath(archive + u"/2022"_s));
    QVERIFY(writeFile(archive + u"/2022/Forest.jpg"_s));
    const QString other = m_dir->filePath(u"Other"_s);
    addPicture(u"a.jpg"_s, u"Beach"_s);
    addPicture(u"b.jpg"_s, u"Dunes"_s);
    addPicture(u"c.jpg"_s, u"Beach"_s);
    addPicture(u"d.jpg"_s, u"forest"_s);
    m_planner->destinations.insert(2, other);
    UniqueCheck unique(m_files);
    unique.setFolders({archive});

    QVERIFY(run(false, {}, &unique));

    // Two destinations, one title: still duplicates; a file anywhere below a checked folder
    // takes the title.
    QCOMPARE(codes(), (QList<int>{2, 0, 3, 1}));
    QCOMPARE(m_result.extendedFolderCount, 2);
    QCOMPARE(m_result.uniqueFolders, QStringList{archive});
    // Sorted again by folder for the report.
    QCOMPARE(m_result.sortedOrder, (QList<int>{0, 1, 3, 2}));
    QVERIFY(m_captions.contains(TestPass::expandCaption()));
    QCOMPARE(m_captions.last(), TestPass::resortCaption());
}

void TestPassTest::companionWithoutItsPicture_data()
{
    QTest::addColumn<QString>("pngText");
    QTest::addColumn<bool>("pngSelected");
    QTest::addColumn<int>("expectedCode");
    QTest::addColumn<int>("expectedErrors");
    // Renamed apart, each picture could own the voice file: both are in error.
    QTest::newRow("other picture renamed elsewhere") << u"Dunes"_s << true << 6 << 2;
    QTest::newRow("other picture not selected") << u"Dunes"_s << false << 6 << 1;
    QTest::newRow("other picture follows to the same name") << u"Beach"_s << true << 0 << 0;
}

void TestPassTest::companionWithoutItsPicture()
{
    QFETCH(QString, pngText);
    QFETCH(bool, pngSelected);
    QFETCH(int, expectedCode);
    QFETCH(int, expectedErrors);
    addPicture(u"IMG_1.jpg"_s, u"Beach"_s);
    addPicture(u"IMG_1.png"_s, pngText, pngSelected);
    QVERIFY(writeFile(m_folder + u"/IMG_1.wav"_s));
    QVERIFY(writeFile(m_folder + u"/IMG_1.txt"_s));
    QVERIFY(writeFile(m_folder + u"/IMG_1.x.jpg"_s));

    QVERIFY(run(false, {u"wav"_s, u"mov"_s}));

    const Rtitle &title = m_result.titles.first();
    QCOMPARE(title.ErrorCode, expectedCode);
    QCOMPARE(m_result.errorCount, expectedErrors);
    if (expectedCode == 6)
        QCOMPARE(title.SyncConflictName, u"(File to be synchronized 'IMG_1.wav', might belong to 'IMG_1.png')"_s);
}

void TestPassTest::picturesMeetingUnderOneNewName_data()
{
    QTest::addColumn<bool>("secondHasVoice");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QList<int>>("expectedCodes");
    // X.jpg and X.png would both bring a voice file to X.wav.
    QTest::newRow("each with a voice file") << true << u"X"_s << QList<int>{6, 6};
    // X.wav would be found beside two pictures.
    QTest::newRow("one with a voice file") << false << u"X"_s << QList<int>{6, 0};
    QTest::newRow("other new names") << true << u"Y"_s << QList<int>{0, 0};
}

void TestPassTest::picturesMeetingUnderOneNewName()
{
    QFETCH(bool, secondHasVoice);
    QFETCH(QString, secondText);
    QFETCH(QList<int>, expectedCodes);
    addPicture(u"A.jpg"_s, u"X"_s);
    addPicture(u"B.png"_s, secondText);
    QVERIFY(writeFile(m_folder + u"/A.wav"_s));
    if (secondHasVoice)
        QVERIFY(writeFile(m_folder + u"/B.WAV"_s));

    QVERIFY(run(true, {u"wav"_s, u"mov"_s}));

    QCOMPARE(codes(), expectedCodes);
    if (expectedCodes.first() == 6)
        QCOMPARE(m_result.titles.first().SyncConflictName,
                 u"(File to be synchronized 'A.wav', might belong to 'X.png')"_s);
}

void TestPassTest::pairsAndSidecarsAreChecked()
{
    // IMG_1.CR2 follows the JPEG, which IMG_1.png of the same name does not follow.
    addPicture(u"IMG_1.jpg"_s, u"X"_s);
    addPicture(u"IMG_1.png"_s, u"Z"_s);
    // The new name of IMG_2's RAW file is taken.
    addPicture(u"IMG_2.JPG"_s, u"Y"_s);
    addPicture(u"IMG_3.HEIC"_s, u"W"_s);
    // A lone video of a sync extension's type is no companion of itself.
    addPicture(u"CLIP.mov"_s, u"V"_s);
    for (const QString &name : {u"IMG_1.CR2"_s, u"IMG_2.CR2"_s, u"IMG_2.CR2.xmp"_s, u"IMG_2.wav"_s, u"Y.CR2"_s,
                                u"IMG_3.MOV"_s, u"IMG_3.HEIC.json"_s})
        QVERIFY(writeFile(m_folder + u'/' + name));

    QVERIFY(run(false, {u"wav"_s, u"mov"_s}));
    QCOMPARE(codes(), (QList<int>{6, 0, 1, 0, 0}));
    QCOMPARE(m_result.titles.first().SyncConflictName,
             u"(File to be synchronized 'IMG_1.CR2', might belong to 'IMG_1.png')"_s);

    QVERIFY(run(true, {u"wav"_s, u"mov"_s}));
    QCOMPARE(titles().at(2), u"Y_1.JPG"_s);
    QCOMPARE(codes().at(2), 0);
    // The report names what follows each new title.
    const QList<ReportLine> report = writeReport(m_result, m_rows, FillErrorTable(), {});
    QStringList companions;
    for (const ReportLine &line : report) {
        if (line.text.trimmed().startsWith(u'+'))
            companions.append(line.text.trimmed());
    }
    QCOMPARE(companions, (QStringList{u"+ .MOV .HEIC.json"_s, u"+ .wav .CR2 .CR2.xmp"_s, u"+ .CR2"_s}));
}

void TestPassTest::onlyDeletionsComposeNothing()
{
    addPicture(u"a.jpg"_s, u"x"_s, true, true);
    addPicture(u"b.jpg"_s, u"y"_s, false);
    QVERIFY(run(false, {u"wav"_s}));
    QVERIFY(m_result.titles.isEmpty());
    QCOMPARE(m_result.picturesToRename, 0);
    QCOMPARE(m_result.errorCount, 0);
    QCOMPARE(m_result.syncExtensions, QStringList{u"wav"_s});
    QCOMPARE(m_planner->planned, QList<int>{-1});
}

void TestPassTest::cancelledPlanningEndsThePass()
{
    addPicture(u"a.jpg"_s, u"x"_s);
    addPicture(u"b.jpg"_s, u"y"_s, true, true);
    addPicture(u"c.jpg"_s, u"z"_s);
    m_planner->cancel = true;
    QVERIFY(!run());
    QCOMPARE(m_planner->planned, (QList<int>{0, 2}));
}

void TestPassTest::warningsAndProgress()
{
    addPicture(u"IMG_1.jpg"_s, u"a"_s);
    addPicture(u"IMG_2.jpg"_s, u"b"_s);
    addPicture(u"IMG_3.jpg"_s, u"c"_s);
    m_warnings.insert(u"IMG_1.jpg"_s, 4);
    m_warnings.insert(u"IMG_3.jpg"_s, 1);
    QVERIFY(run());
    QCOMPARE(m_result.warningCount, 2);
    QCOMPARE(m_result.titles.at(0).WarningCode, 4);
    QCOMPARE(m_captions, (QStringList{TestPass::folderNamesCaption(), TestPass::composeCaption(), TestPass::sortCaption(),
                                      TestPass::checkCaption()}));
}

void TestPassTest::eachFolderIsListedOnce()
{
    for (int i = 0; i < 300; ++i)
        addPicture(u"IMG_"_s + QString::number(i) + u".jpg"_s, u"Beach"_s);
    QVERIFY(writeFile(m_folder + u"/Beach_7.jpg"_s));
    QVERIFY(run(true, {u"wav"_s, u"mov"_s}));
    QCOMPARE(m_result.errorCount, 0);
    QCOMPARE(m_result.titles.at(6).FinalTitle, u"Beach_8.jpg"_s);
    QCOMPARE(m_result.titles.last().FinalTitle, u"Beach_301.jpg"_s);
    QCOMPARE(m_files.listings, 1);
}

void TestPassTest::destinationBehindALinkIsAnError()
{
    addPicture(u"1.jpg"_s, u"Beach"_s);
    addPicture(u"2.jpg"_s, u"Beach"_s);
    addPicture(u"3.jpg"_s, u"Dune"_s);
    const QString store = m_dir->filePath(u"Store"_s);
    for (int row = 0; row < 3; ++row)
        m_planner->destinations.insert(row, store + u"/2007/2007-08"_s);
    m_planner->links.insert(1, store + u"/2007"_s);
    m_planner->links.insert(2, store + u"/2007"_s);

    QVERIFY(run(true));

    // Uniqueness cannot mend it, nor does a duplicate hide it.
    QCOMPARE(codes(), (QList<int>{0, TitleError::throughLink, TitleError::throughLink}));
    QCOMPARE(m_result.errorCount, 2);
    QCOMPARE(m_result.titles.at(1).LinkOnTheWay, store + u"/2007"_s);
    QCOMPARE(titles(), (QStringList{u"Beach_1.jpg"_s, u"Beach.jpg"_s, u"Dune.jpg"_s}));
}

QTEST_GUILESS_MAIN(TestPassTest)
#include "testpasstest.moc"
