#include "storage/storagesetupmodel.h"

#include "support/fakedialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace Storage;

Q_DECLARE_METATYPE(Storage::ExampleChoices)

namespace {

QStringList lines(const QList<ExampleNode> &nodes)
{
    QStringList result;
    for (const ExampleNode &node : nodes)
        result.append(QString(node.depth * 2, u' ') + node.text);
    return result;
}

} // namespace

class StorageSetupModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void folderStep();
    void subjectChoicesClearEachOther();
    void finishNeedsAChange();
    void undo();
    void closingAsks_data();
    void closingAsks();
    void exampleTree_data();
    void exampleTree();

private:
    StorageSettings storedSetup() const
    {
        StorageSettings stored;
        stored.levels = 3;
        stored.subjectPosition = 2;
        stored.subjectOptional = true;
        stored.promptFolder = false;
        stored.mainFolder = m_dir->path();
        return stored;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    QList<StorageSettings> m_applied;
};

void StorageSetupModelTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_drives = FakeDrives();
    m_applied.clear();
}

void StorageSetupModelTest::folderStep()
{
    StorageSettings stored;
    stored.mainFolder = m_dir->filePath(u"gone"_s);
    StorageSetupModel model(stored, m_drives, m_dialogs, nullptr);
    QCOMPARE(model.selectedFolderCaption(), u"Selected folder: (does not exist anymore!)"_s);
    QVERIFY(model.promptFolder());
    QVERIFY(!model.canGoNext());

    m_dialogs.folders.enqueue(std::nullopt);
    m_dialogs.folders.enqueue(m_dir->filePath(u"missing"_s));
    m_dialogs.folders.enqueue(m_dir->path() + u'/');
    model.browse();
    model.browse();
    QCOMPARE(m_dialogs.informed.size(), 2);
    QCOMPARE(m_dialogs.informed.at(1).text, u"No folder selected!"_s);
    model.browse();
    QCOMPARE(model.selectedFolder(), m_dir->path());
    QVERIFY(model.canGoNext());

    QVERIFY(model.selectedFolderProblem().isEmpty());
    // Next stays disabled with the reason beside the folder.
    m_drives.free = 4 * 1048576 + 524287;
    QVERIFY(!model.canGoNext());
    QCOMPARE(model.selectedFolderProblem(), u"Too little free space: 4 MB free, at least 5 MB needed"_s);
    m_drives.free = 4 * 1048576 + 524288;
    QVERIFY(model.canGoNext());
    m_drives.applicationDrive = Platform::DriveType::CdRom;
    QVERIFY(!model.canGoNext());
    QCOMPARE(model.selectedFolderProblem(), u"The folder is on an optical disc"_s);
    m_drives.applicationDrive = Platform::DriveType::Fixed;
    QCOMPARE(model.folderProblem(m_dir->filePath(u"missing"_s)), u"Not a folder"_s);
    if (::geteuid() != 0) {
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(model.selectedFolderProblem(), u"The folder is read-only"_s);
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    model.next();
    QCOMPARE(model.step(), 2);
    // Neither a scheme nor an earlier setup: nothing to go on with.
    QVERIFY(!model.canGoNext());
    model.clickScheme(2);
    QVERIFY(model.canGoNext());
    model.clickScheme(2);
    QCOMPARE(model.selectedScheme(), 0);
}

void StorageSetupModelTest::subjectChoicesClearEachOther()
{
    StorageSetupModel model(storedSetup(), m_drives, m_dialogs, nullptr);
    QCOMPARE(model.selectedScheme(), 3);
    QCOMPARE(model.schemeHeader(3), u"Year/Subject/Month/Date taken"_s);
    QCOMPARE(model.schemeHeader(2), u"Year/Date Taken"_s);
    // Only the selected scheme takes choices.
    model.setSubjectChoice(2, 1);
    QCOMPARE(model.subjectChoice(2), 0);
    QVERIFY(!model.isOptionalEnabled(2));

    model.setSubjectWarning(3, true);
    QVERIFY(model.subjectWarning(3));
    model.setSubjectOptional(3, false);
    QVERIFY(!model.subjectWarning(3));
    QVERIFY(!model.isWarningEnabled(3));
    model.setSubjectOptional(3, true);
    model.setSubjectChoice(3, 0);
    QVERIFY(!model.subjectOptional(3));
    QVERIFY(!model.isOptionalEnabled(3));
    QCOMPARE(model.schemeHeader(3), u"Year/Month/Date Taken"_s);

    model.setAbbreviateNameDay(true);
    QVERIFY(!model.abbreviateNameDay());
    model.setAddNameDay(true);
    model.setAbbreviateNameDay(true);
    model.setAddNameDay(false);
    QVERIFY(!model.abbreviateNameDay());
    model.setShiftMidnight(30);
    QCOMPARE(model.shiftMidnight(), 24);
}

void StorageSetupModelTest::finishNeedsAChange()
{
    StorageSetupModel model(storedSetup(), m_drives, m_dialogs, [this](const StorageSettings &settings) {
        m_applied.append(settings);
        return true;
    });
    model.next();
    model.next();
    QCOMPARE(model.step(), 3);
    QVERIFY(!model.canFinish());
    QVERIFY(!model.finish());
    model.setShiftMidnight(3);
    QVERIFY(model.canFinish());
    model.setShiftMidnight(0);
    QVERIFY(!model.canFinish());
    model.setPromptFolder(true);
    QVERIFY(model.finish());
    QCOMPARE(m_applied.size(), 1);
    StorageSettings expected = storedSetup();
    expected.promptFolder = true;
    QCOMPARE(m_applied.first(), expected);
    // Stored now: the same state cannot be finished twice.
    QVERIFY(!model.canFinish());
}

void StorageSetupModelTest::undo()
{
    StorageSettings stored = storedSetup();
    stored.addNameDay = true;
    stored.shiftMidnight = 2;
    StorageSetupModel model(stored, m_drives, m_dialogs, [this](const StorageSettings &settings) {
        m_applied.append(settings);
        return true;
    });
    model.next();
    model.clickScheme(3);
    QVERIFY(model.canGoNext());
    model.next();
    QCOMPARE(model.stepCaption(), u"Undo the Setup of Picture Storage Management?"_s);
    QVERIFY(model.finish());
    StorageSettings none;
    none.promptFolder = false;
    QCOMPARE(m_applied.value(0), none);
    QVERIFY(model.isUndone());
    QVERIFY(!model.canFinish());
    QVERIFY(model.mayClose());
    QVERIFY(m_dialogs.asked.isEmpty());
}

void StorageSetupModelTest::closingAsks_data()
{
    QTest::addColumn<bool>("setUp");
    QTest::addColumn<bool>("change");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("not set up") << false << false
                                << u"Setup is incomplete, Picture Storage Management will not be activated."_s;
    QTest::newRow("set up, changed") << true << true
                                     << u"The changes you made will not be stored unless you complete Setup."_s;
    QTest::newRow("set up, unchanged") << true << false << QString();
}

void StorageSetupModelTest::closingAsks()
{
    QFETCH(bool, setUp);
    QFETCH(bool, change);
    QFETCH(QString, firstLine);
    StorageSetupModel model(setUp ? storedSetup() : StorageSettings(), m_drives, m_dialogs, nullptr);
    if (change)
        model.setAddNameDay(true);
    m_dialogs.answers.enqueue(Platform::Answer{1, true});
    QCOMPARE(model.mayClose(), firstLine.isEmpty());
    if (!firstLine.isEmpty()) {
        QCOMPARE(m_dialogs.asked.first().lines,
                 QStringList({firstLine, u"Are you sure to want to quit this procedure?"_s}));
    }
}

void StorageSetupModelTest::exampleTree_data()
{
    QTest::addColumn<ExampleChoices>("choices");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("date taken") << ExampleChoices{1, 0, false, false, false, false}
                                << QStringList{u"Pics"_s, u"  2026-01-01"_s, u"    Picture 1"_s, u"    Picture 2"_s,
                                               u"  2026-01-02"_s};
    QTest::newRow("year, day names, description")
        << ExampleChoices{2, 0, false, true, true, true}
        << QStringList{u"Pics"_s,           u"  2025"_s,
                       u"    2025-01-01 Wed <Description>"_s, u"      Picture 1"_s,
                       u"      Picture 2"_s, u"    2025-01-02 Thu <Description>"_s,
                       u"  2026"_s};
    QTest::newRow("optional subject under the year")
        << ExampleChoices{2, 2, true, false, false, false}
        << QStringList{u"Pics"_s,
                       u"  2025"_s,
                       u"    <Subject 1>"_s,
                       u"      2025-01-01"_s,
                       u"        Picture 1"_s,
                       u"        Picture 2"_s,
                       u"      2025-01-02"_s,
                       u"    <Subject 2>"_s,
                       u"    2025-01-01"_s,
                       u"      Picture 3"_s,
                       u"      Picture 4"_s,
                       u"    2025-01-02"_s,
                       u"  2026"_s};
}

void StorageSetupModelTest::exampleTree()
{
    QFETCH(ExampleChoices, choices);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(Storage::exampleTree(u"Pics"_s, choices, QDate(2026, 12, 9), QLocale(QLocale::English))),
             expected);
}


QTEST_GUILESS_MAIN(StorageSetupModelTest)
#include "storagesetupmodeltest.moc"
