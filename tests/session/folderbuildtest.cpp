#include "session/folderbuild.h"

#include "dictionary/contextdicrec.h"
#include "dictionary/dictionarystore.h"
#include "dictionary/pictitlerec.h"
#include "settings/programsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Dictionary::BuildMode;
using Dictionary::DicIndex;
using Session::FolderBuild;

namespace {

// A distinct single word of letters for each number.
QString word(int number)
{
    QString text = u"w"_s;
    for (int i = 0; i < 3; ++i, number /= 26)
        text += QChar(u'a' + number % 26);
    return text;
}

} // namespace

class FolderBuildTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void seriesGiveOneRecordEach();
    void maximumIsCheckedBeforeEachFolder();
    void addOverTheMaximumReadsNothing();
    void replaceWithoutPicturesEmpties();
    void cancelLeavesTheDictionaryAsItWas_data();
    void cancelLeavesTheDictionaryAsItWas();

private:
    QString path(const QString &relative) const { return m_dir->path() + u"/pictures/"_s + relative; }
    void makePictures(const QString &folder, const QStringList &names);
    QStringList records() const;
    QString staticFile() const { return m_dir->path() + u"/work/LoadedDic.dat"_s; }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
    std::unique_ptr<Dictionary::DictionaryStore> m_store;
};

void FolderBuildTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkpath(u"work"_s);
    QDir(m_dir->path()).mkpath(u"pictures"_s);
    m_dialogs = std::make_unique<FakeDialogs>();
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->path() + u"/work/PSMSet.dat"_s);
    m_store = std::make_unique<Dictionary::DictionaryStore>(m_dir->path() + u"/work/"_s, *m_settings, *m_dialogs,
                                                            u"4.4.0.0"_s);
    QVERIFY(writeFile(staticFile(), QByteArray()));
    QVERIFY(writeFile(m_dir->path() + u"/work/ContextDic.dat"_s, QByteArray()));
}

void FolderBuildTest::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

void FolderBuildTest::makePictures(const QString &folder, const QStringList &names)
{
    QVERIFY(QDir().mkpath(path(folder)));
    for (const QString &name : names)
        QVERIFY(writeFile(path(folder) + u'/' + name, QByteArray()));
}

QStringList FolderBuildTest::records() const
{
    const QByteArray bytes = readFile(staticFile());
    QStringList titles;
    for (qsizetype at = 0; at + Dictionary::PicTitleRec::size <= bytes.size(); at += Dictionary::PicTitleRec::size)
        titles.append(Dictionary::PicTitleRec::fromBytes(bytes.mid(at, Dictionary::PicTitleRec::size)).title);
    return titles;
}

void FolderBuildTest::seriesGiveOneRecordEach()
{
    QStringList beach;
    for (int i = 120; i >= 1; --i)
        beach.append(u"Beach %1.jpg"_s.arg(i, 3, 10, QChar(u'0')));
    makePictures(u"."_s, beach + QStringList{u"Harbour 001.JPG"_s, u"notes.txt"_s, u"Tent 001.wav"_s});
    makePictures(u"xelthumb"_s, {u"Thumb 001.jpg"_s});
    makePictures(u"sub"_s, {u"Dune 001.png"_s});
    makePictures(u"sub/XelThumb"_s, {u"Hidden 001.jpg"_s});
    // A link back up would lead round in a loop.
    QVERIFY(QFile::link(path(u"."_s), path(u"sub/loop"_s)));

    FolderBuild build(*m_store);
    const Session::FolderBuildResult result = build.run(path(QString()), BuildMode::Replace);
    QCOMPARE(records(), (QStringList{u"Beach"_s, u"Harbour"_s, u"Dune"_s}));
    QCOMPARE(result.foldersRead, 2);
    QCOMPARE(result.picturesRead, 122);
    QVERIFY(!result.full && !result.cancelled && result.done);
    QCOMPARE(m_store->contextTable(DicIndex::Static).size(), 3);

    build.setIncludeSubfolders(false);
    build.run(path(QString()), BuildMode::Replace);
    QCOMPARE(records(), (QStringList{u"Beach"_s, u"Harbour"_s}));
    QCOMPARE(m_store->entriesText(), u" Entries in Active dictionary : 0, entries in Static dictionary : 2"_s);
}

void FolderBuildTest::maximumIsCheckedBeforeEachFolder()
{
    for (int folder = 0; folder < 3; ++folder) {
        QStringList names;
        for (int i = 0; i < 800; ++i)
            names.append(word(folder * 800 + i) + u".jpg"_s);
        makePictures(u"sub%1"_s.arg(folder), names);
    }
    FolderBuild build(*m_store);
    build.setMaximum(1000);
    int services = 0;
    build.setService([&services](const Session::FolderBuildProgress &) { return ++services > 0; });
    const Session::FolderBuildResult result = build.run(path(QString()), BuildMode::Replace);
    QVERIFY(result.full);
    QCOMPARE(result.foldersRead, 3);
    QCOMPARE(int(m_store->table(DicIndex::Static).entries().size()), 1600);
    QCOMPARE(records().size(), 1600);
    // Before each of the three folders read (none before the refused one) and every 500 entries.
    QCOMPARE(services, 3 + 3);
}

void FolderBuildTest::addOverTheMaximumReadsNothing()
{
    makePictures(u"."_s, {u"Beach 001.jpg"_s, u"Tent 001.jpg"_s, u"Dune 001.jpg"_s});
    FolderBuild build(*m_store);
    build.run(path(QString()), BuildMode::Replace);
    build.setMaximum(1);
    makePictures(u"more"_s, {u"Lake 001.jpg"_s});
    const Session::FolderBuildResult result = build.run(path(u"more"_s), BuildMode::Add);
    QVERIFY(result.full);
    QCOMPARE(result.foldersRead, 0);
    QCOMPARE(records(), (QStringList{u"Beach"_s, u"Dune"_s, u"Tent"_s}));
    QCOMPARE(int(m_store->table(DicIndex::Static).entries().size()), 3);
}

void FolderBuildTest::replaceWithoutPicturesEmpties()
{
    makePictures(u"full"_s, {u"Beach 001.jpg"_s});
    makePictures(u"empty"_s, {u"readme.txt"_s});
    FolderBuild build(*m_store);
    build.run(path(u"full"_s), BuildMode::Replace);
    QCOMPARE(records().size(), 1);
    build.run(path(u"empty"_s), BuildMode::Replace);
    QVERIFY(records().isEmpty());
    QVERIFY(readFile(m_dir->path() + u"/work/ContextDic.dat"_s).isEmpty());
    QVERIFY(m_store->table(DicIndex::Static).entries().empty());
    QVERIFY(m_store->completions(u"be"_s, 10).isEmpty());
}

void FolderBuildTest::cancelLeavesTheDictionaryAsItWas_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("add") << false;
}

void FolderBuildTest::cancelLeavesTheDictionaryAsItWas()
{
    QFETCH(bool, replace);
    makePictures(u"old"_s, {u"Harbour 001.jpg"_s, u"Dune 001.jpg"_s});
    FolderBuild build(*m_store);
    QVERIFY(build.run(path(u"old"_s), BuildMode::Replace).done);
    const QString contextFile = m_dir->path() + u"/work/ContextDic.dat"_s;
    const QByteArray recordBytes = readFile(staticFile());
    const QByteArray contextBytes = readFile(contextFile);
    QCOMPARE(records(), (QStringList{u"Dune"_s, u"Harbour"_s}));
    const auto completionsBefore = m_store->completions(u"h"_s, 10);

    QStringList names;
    for (int i = 0; i < 1200; ++i)
        names.append(word(i) + u".jpg"_s);
    makePictures(u"a"_s, names);
    makePictures(u"a/b"_s, {u"Lake 001.jpg"_s});
    // Cancelled at the first service inside the folder, at its 500th entry, with 498 titles read.
    build.setService([](const Session::FolderBuildProgress &progress) { return progress.picturesRead == 0; });
    const Session::FolderBuildResult result = build.run(path(u"a"_s), replace ? BuildMode::Replace : BuildMode::Add);

    QVERIFY(result.cancelled);
    QVERIFY(result.done);
    QCOMPARE(result.picturesRead, 498);
    QCOMPARE(readFile(staticFile()), recordBytes);
    QCOMPARE(readFile(contextFile), contextBytes);
    QCOMPARE(QDir(m_dir->path() + u"/work"_s).entryList({u"*Dic.dat*"_s}, QDir::Files),
             (QStringList{u"ContextDic.dat"_s, u"LoadedDic.dat"_s}));
    QCOMPARE(int(m_store->table(DicIndex::Static).entries().size()), 2);
    QCOMPARE(m_store->contextTable(DicIndex::Static).size(), 2);
    QCOMPARE(m_store->completions(u"h"_s, 10), completionsBefore);
    QVERIFY(m_store->completions(word(3), 10).isEmpty());
    QVERIFY(m_dialogs->informed.isEmpty());
}

QTEST_GUILESS_MAIN(FolderBuildTest)
#include "folderbuildtest.moc"
