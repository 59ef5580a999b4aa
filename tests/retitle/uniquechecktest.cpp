#include "retitle/uniquecheck.h"

#include "faultyfilesystem.h"

#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Retitle;

class UniqueCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void foldersThatCannotBeCheckedAreAskedAbout();
    void decliningOneFolderStillExaminesTheOthers();
    void expansionWalksEverySubfolderOnce();
    void extendedCheckFindsNamesInAnyCase();
    void emptyListLetsEveryTitlePass();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    FaultyFileSystem m_files;
};

void UniqueCheckTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = FakeDialogs();
    m_files.notReady.clear();
    m_files.listings = 0;
    for (const QString &folder : {u"Archive/2023/Summer"_s, u"Archive/.hidden/deep"_s, u"Other"_s})
        QVERIFY(QDir().mkpath(path(folder)));
    QVERIFY(writeFile(path(u"Archive/top.jpg"_s)));
    QVERIFY(writeFile(path(u"Archive/2023/Summer/Beach.JPG"_s)));
    QVERIFY(writeFile(path(u"Archive/.hidden/deep/Dunes.wav"_s)));
    QVERIFY(writeFile(path(u"Other/Forest.jpg"_s)));
}

void UniqueCheckTest::cleanup()
{
    m_dir.reset();
}

void UniqueCheckTest::foldersThatCannotBeCheckedAreAskedAbout()
{
    const QString missing = path(u"Gone"_s);
    const QString card = path(u"Other"_s);
    m_files.notReady.insert(card);
    UniqueCheck check(m_files);
    const QList<FolderUniqueRec> records{{path(u"Archive"_s), true},
                                         {path(u"Unused"_s), false},
                                         {missing, true},
                                         {u"E:\\Pictures"_s, true},
                                         {card, true}};

    QVERIFY(check.CheckOnUniqueFolders(records, m_dialogs));

    QCOMPARE(check.folders(), QStringList{path(u"Archive"_s)});
    QCOMPARE(m_dialogs.asked.size(), 3);
    QCOMPARE(m_dialogs.asked.at(0).lines,
             QStringList{missing + u" (of the list of folders to be checked to qualify a picture as unique) does not "
                                   "exist. Continue?"_s});
    QCOMPARE(m_dialogs.asked.at(1).lines,
             QStringList{u"Drive E\\: empty. Can not check E:\\Pictures Continue?"_s});
    QCOMPARE(m_dialogs.asked.at(2).lines.first(),
             u"Drive /"_s + card.section(u'/', 1, 1) + u"\\: empty. Can not check "_s + card + u" Continue?"_s);
    QCOMPARE(m_dialogs.asked.at(0).buttons.size(), 2);
}

void UniqueCheckTest::decliningOneFolderStillExaminesTheOthers()
{
    UniqueCheck check(m_files);
    m_dialogs.answers.enqueue({1, true});
    m_dialogs.answers.enqueue({0, true});
    const QList<FolderUniqueRec> records{
        {path(u"Gone"_s), true}, {path(u"Other"_s), true}, {path(u"Gone too"_s), true}, {path(u"Archive"_s), true}};

    QVERIFY(!check.CheckOnUniqueFolders(records, m_dialogs));

    QCOMPARE(m_dialogs.asked.size(), 2);
    QCOMPARE(check.folders(), (QStringList{path(u"Other"_s), path(u"Archive"_s)}));
}

void UniqueCheckTest::expansionWalksEverySubfolderOnce()
{
    // A link back up must not make the walk go round in circles.
    QVERIFY(QFile::link(path(u"Archive"_s), path(u"Archive/2023/loop"_s)));
    UniqueCheck check(m_files);
    check.setFolders({path(u"Archive"_s), path(u"Other"_s)});
    int reports = 0;
    check.expand([&reports](int scanned, int found) {
        QVERIFY(scanned <= found);
        ++reports;
    });

    QStringList extended = check.extendedFolders();
    QCOMPARE(extended.first(), path(u"Archive"_s));
    QCOMPARE(extended.last(), path(u"Other"_s));
    extended.sort();
    QCOMPARE(extended, (QStringList{path(u"Archive"_s), path(u"Archive/.hidden"_s), path(u"Archive/.hidden/deep"_s),
                                    path(u"Archive/2023"_s), path(u"Archive/2023/Summer"_s), path(u"Other"_s)}));
    QCOMPARE(m_files.listings, 6);
    QVERIFY(reports >= 6);
}

void UniqueCheckTest::extendedCheckFindsNamesInAnyCase()
{
    UniqueCheck check(m_files);
    check.setFolders({path(u"Archive"_s)});
    check.expand();

    QVERIFY(!check.ExtendedCheckUnique(u"beach.jpg"_s, {}));
    QVERIFY(!check.ExtendedCheckUnique(u"TOP.jpg"_s, {}));
    QVERIFY(check.ExtendedCheckUnique(u"Dunes.jpg"_s, {}));
    // With voice files kept in sync, the voice file of the new title must be free too.
    QVERIFY(!check.ExtendedCheckUnique(u"Dunes.jpg"_s, {u"wav"_s, u"mov"_s}));
    // Folders are not files.
    QVERIFY(check.ExtendedCheckUnique(u"Summer"_s, {}));
    // Only the listed folders count.
    QVERIFY(check.ExtendedCheckUnique(u"Forest.jpg"_s, {}));
}

void UniqueCheckTest::emptyListLetsEveryTitlePass()
{
    UniqueCheck check(m_files);
    QVERIFY(check.CheckOnUniqueFolders({}, m_dialogs));
    QVERIFY(check.isEmpty());
    check.expand();
    QVERIFY(check.ExtendedCheckUnique(u"anything.jpg"_s, {u"wav"_s}));
}

QTEST_GUILESS_MAIN(UniqueCheckTest)
#include "uniquechecktest.moc"
