#include "storage/groupfoldermodel.h"

#include "support/fakedialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

namespace {

StorageSettings settingsFor(int levels, int subjectPosition, const QString &mainFolder)
{
    StorageSettings settings;
    settings.levels = levels;
    settings.subjectPosition = subjectPosition;
    settings.promptFolder = false;
    settings.mainFolder = mainFolder;
    return settings;
}

} // namespace

class GroupFolderModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void structurePaths_data();
    void structurePaths();
    void overlap_data();
    void overlap();
    void showDates();
    void createAndUndo();
    void closeAsksWhileNotCreated();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void GroupFolderModelTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void GroupFolderModelTest::structurePaths_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("subjectPosition");
    QTest::addColumn<bool>("nameDays");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QStringList>("expected");
    const QDate sep2(2007, 9, 2);
    const QString group = u"2007-08-30 2007-09-02 Wedding"_s;
    QTest::newRow("D") << 1 << 0 << false << QString() << sep2 << QStringList{group};
    QTest::newRow("YD") << 2 << 0 << false << QString() << sep2 << QStringList{u"2007"_s, u"2007/"_s + group};
    QTest::newRow("YMD") << 3 << 0 << false << QString() << sep2
                         << QStringList{u"2007"_s, u"2007/2007-08"_s, u"2007/2007-08/"_s + group};
    QTest::newRow("YMD, day names") << 3 << 0 << true << QString() << sep2
                                    << QStringList{u"2007"_s, u"2007/2007-08"_s,
                                                   u"2007/2007-08/2007-08-30 2007-09-02 Thursday Sunday Wedding"_s};
    QTest::newRow("YSMD, two levels")
        << 3 << 2 << false << u"My cars;Bentleys"_s << sep2
        << QStringList{u"2007"_s, u"2007/My cars"_s, u"2007/My cars/Bentleys"_s, u"2007/My cars/Bentleys/2007-08"_s,
                       u"2007/My cars/Bentleys/2007-08/"_s + group};
    QTest::newRow("YSD") << 2 << 2 << false << u"Trips"_s << sep2
                         << QStringList{u"2007"_s, u"2007/Trips"_s, u"2007/Trips/"_s + group};
    QTest::newRow("SD, no subject") << 1 << 1 << false << QString() << sep2 << QStringList{group};
    QTest::newRow("SYMD") << 3 << 1 << false << u"Trips"_s << sep2
                          << QStringList{u"Trips"_s, u"Trips/2007"_s, u"Trips/2007/2007-08"_s,
                                         u"Trips/2007/2007-08/"_s + group};
    QTest::newRow("YMSD, across the year")
        << 3 << 3 << false << u"Trips"_s << QDate(2008, 1, 2)
        << QStringList{u"2007"_s, u"2007/2007-08"_s, u"2007/2007-08/Trips"_s,
                       u"2007/2007-08/Trips/2007-08-30 2008-01-02 Wedding"_s};
}

void GroupFolderModelTest::structurePaths()
{
    QFETCH(int, levels);
    QFETCH(int, subjectPosition);
    QFETCH(bool, nameDays);
    QFETCH(QString, subject);
    QFETCH(QDate, last);
    QFETCH(QStringList, expected);
    StorageSettings settings = settingsFor(levels, subjectPosition, u"/pics"_s);
    settings.addNameDay = nameDays;
    const QStringList paths = GroupFolderModel::structurePaths(settings, subject, u"Wedding"_s, QDate(2007, 8, 30),
                                                               last, QLocale(QLocale::English, QLocale::UnitedStates));
    for (QString &path : expected)
        path.prepend(u"/pics/"_s);
    QCOMPARE(paths, expected);
}

void GroupFolderModelTest::overlap_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<bool>("overlaps");
    QTest::newRow("shares the first day") << u"2007-08-28 2007-08-30"_s << true;
    QTest::newRow("ends the day before") << u"2007-08-27 2007-08-29 Party"_s << false;
    QTest::newRow("shares the last day") << u"2007-09-02 2007-09-05"_s << true;
    QTest::newRow("starts the day after") << u"2007-09-03 2007-09-05"_s << false;
    QTest::newRow("lies inside") << u"2007-08-31 2007-09-01"_s << true;
    QTest::newRow("date-taken folder") << u"2007-08-31 Beach"_s << false;
}

void GroupFolderModelTest::overlap()
{
    QFETCH(QString, existing);
    QFETCH(bool, overlaps);
    QVERIFY(QDir(m_dir->path()).mkdir(existing));
    const auto found = GroupFolderModel::overlappingGroup(m_dir->path(), QDate(2007, 8, 30), QDate(2007, 9, 2));
    QCOMPARE(found.has_value(), overlaps);
    if (found)
        QCOMPARE(*found, existing);

    // The same check from the dialog: the message names the folder and Create stays off.
    FakeDialogs dialogs;
    GroupFolderModel model(settingsFor(1, 0, m_dir->path()), dialogs);
    model.setFirstDate(QDate(2007, 8, 30));
    model.setLastDate(QDate(2007, 9, 2));
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Shown);
    QCOMPARE(model.createEnabled(), !overlaps);
    QCOMPARE(dialogs.informed.size(), overlaps ? 1 : 0);
    if (overlaps)
        QCOMPARE(dialogs.informed.first().text,
                 u"The group folder to create overlaps with '"_s + existing
                     + u"'!\nYou have to solve this problem manually before the new group folder can be created."_s);
}

void GroupFolderModelTest::showDates()
{
    FakeDialogs dialogs;
    GroupFolderModel model(settingsFor(3, 0, m_dir->path()), dialogs);
    model.setFirstDate(QDate(2007, 9, 2));
    model.setLastDate(QDate(2007, 8, 30));
    QCOMPARE(model.dayCount(), 4);
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Shown);
    QCOMPARE(model.firstDate(), QDate(2007, 8, 30));
    QCOMPARE(model.lastDate(), QDate(2007, 9, 2));
    QVERIFY(!model.showEnabled());
    model.setDescription(u"a/b"_s, 2);
    QCOMPARE(model.description(), u"ab"_s);
    QCOMPARE(model.descriptionCaret(), 1);
    // Refused with the main window's hint, as a subject is; cut as a subject is.
    QCOMPARE(dialogs.statuses.size(), 1);
    QVERIFY(dialogs.statuses.first().text.startsWith(u"A file- or folder name cannot contain"_s));
    model.setDescription(QString(300, u'x'));
    QCOMPARE(model.description().size(), 255);
    QCOMPARE(dialogs.statuses.size(), 1);
    model.setDescription(u"ab"_s);
    QVERIFY(model.showEnabled());
    QVERIFY(!model.createEnabled());

    model.setLastDate(QDate(2007, 8, 30));
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Stopped);
    QCOMPARE(dialogs.informed.constLast().text, u"First date can not be equal to Last date"_s);
    QVERIFY(!model.createEnabled());
}

void GroupFolderModelTest::createAndUndo()
{
    FakeDialogs dialogs;
    const QString main = m_dir->path();
    QVERIFY(QDir(main).mkdir(u"2007"_s));
    GroupFolderModel model(settingsFor(3, 0, main), dialogs);
    model.setFirstDate(QDate(2007, 8, 30));
    model.setLastDate(QDate(2007, 9, 2));
    model.setDescription(u"Wedding  "_s);
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Shown);
    const QString group = main + u"/2007/2007-08/2007-08-30 2007-09-02 Wedding"_s;
    QCOMPARE(model.creationList(), (QStringList{main + u"/2007/2007-08"_s, group}));
    QVERIFY(model.structure().first().exists);
    QVERIFY(model.createStructure());
    QVERIFY(QFileInfo(group).isDir());
    QVERIFY(model.undoEnabled());
    QCOMPARE(model.closeCaption(), u"D&one"_s);

    // A picture moved in keeps the group folder and its parent.
    QFile picture(group + u"/a.jpg"_s);
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.close();
    QVERIFY(!model.undoCreation());
    QVERIFY(dialogs.informed.constLast().text.startsWith(u"Could not remove folder "_s));
    QVERIFY(QFileInfo(group).isDir());

    // Shown again, everything exists and nothing is to create.
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Shown);
    QVERIFY(model.creationList().isEmpty());
    QCOMPARE(dialogs.informed.constLast().text, u"All folders in this structure already exist!"_s);

    QVERIFY(QFile::remove(group + u"/a.jpg"_s));
    QVERIFY(QDir(group).removeRecursively());
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Shown);
    QVERIFY(model.createStructure());
    QVERIFY(model.undoCreation());
    QVERIFY(!QFileInfo(group).exists());
    QVERIFY(QFileInfo(main + u"/2007/2007-08"_s).isDir());
    QVERIFY(model.structure().size() == 2);
    QCOMPARE(dialogs.informed.constLast().text, u"Created folders succesfully removed!"_s);
}

void GroupFolderModelTest::closeAsksWhileNotCreated()
{
    FakeDialogs dialogs;
    StorageSettings settings = settingsFor(3, 2, m_dir->path());
    settings.subjectOptional = true;
    settings.subjectWarning = true;
    settings.promptFolder = true;
    GroupFolderModel model(settings, dialogs);
    model.setLastDate(model.firstDate().addDays(2));
    dialogs.answers.append({Platform::Answer{0, true}});
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Stopped);
    QCOMPARE(dialogs.asked.constLast().lines.constLast(), u"but no subject has been selected!"_s);
    dialogs.answers.append({Platform::Answer{1, true}, Platform::Answer{1, true}});
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::DescriptionWanted);
    dialogs.answers.append({Platform::Answer{1, true}, Platform::Answer{0, true}});
    QCOMPARE(model.showStructure(), GroupFolderModel::ShowResult::Shown);
    QVERIFY(model.createEnabled());
    dialogs.answers.append({Platform::Answer{1, true}});
    QVERIFY(!model.mayClose());
    dialogs.answers.append({Platform::Answer{0, true}});
    QVERIFY(model.mayClose());
}

QTEST_GUILESS_MAIN(GroupFolderModelTest)
#include "groupfoldermodeltest.moc"
