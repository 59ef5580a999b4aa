#include "retitle/folderuniqueeditor.h"

#include "settings/programsettings.h"
#include "settings/programsettingsrec.h"
#include "support/bytes.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Retitle;

class FolderUniqueEditorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void recordsAreStoredAsTheFileLaysThemOut();
    void addingRemembersTheFolderAndRefusesDuplicates();
    void pathsTheFileCannotKeepAreRefused();
    void removingAndCheckingEnableOk();
    void damagedListKeepsItsWholeRecords();

private:
    QString listPath() const { return m_dir->filePath(u"FolderUnique.dat"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    std::unique_ptr<Settings::ProgramSettings> m_settings;
};

void FolderUniqueEditorTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_settings = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    QVERIFY(writeFile(listPath(), QByteArray()));
}

void FolderUniqueEditorTest::cleanup()
{
    m_settings.reset();
    m_dir.reset();
}

void FolderUniqueEditorTest::recordsAreStoredAsTheFileLaysThemOut()
{
    QVERIFY(writeFolderUnique(listPath(), {{u"/home/ann/Archive"_s, true}, {u"/media/card"_s, false}}));
    const QByteArray bytes = readFile(listPath());
    QCOMPARE(bytes.size(), 2 * 257);
    QCOMPARE(shortStringAt(bytes, 0), QByteArray("/home/ann/Archive"));
    QCOMPARE(bytes.at(256), '\1');
    QCOMPARE(shortStringAt(bytes, 257), QByteArray("/media/card"));
    QCOMPARE(bytes.at(513), '\0');
    const auto read = readFolderUnique(listPath());
    QVERIFY(read);
    QCOMPARE(read->size(), 2);
    QCOMPARE(read->at(1), (FolderUniqueRec{u"/media/card"_s, false}));
}

void FolderUniqueEditorTest::addingRemembersTheFolderAndRefusesDuplicates()
{
    QVERIFY(writeFolderUnique(listPath(), {{u"/home/ann/Archive"_s, true}}));
    m_settings->rec().PSDicFolder = u"/home/ann"_s;
    FolderUniqueEditor editor(listPath(), *m_settings, m_dialogs);
    QVERIFY(editor.load());
    QVERIFY(!editor.okEnabled());

    m_dialogs.folders.enqueue(u"/home/ann/ARCHIVE/"_s);
    QVERIFY(!editor.addFolder());
    QCOMPARE(m_dialogs.browsed.first().second, u"/home/ann"_s);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.first().text, u"Folder to check for pictures to be unique already defined in list!"_s);
    QVERIFY(!editor.okEnabled());

    m_dialogs.folders.enqueue(u"/media/card/"_s);
    QVERIFY(editor.addFolder());
    QCOMPARE(editor.entries().last(), (FolderUniqueRec{u"/media/card"_s, true}));
    QCOMPARE(m_settings->rec().PSDicFolder, u"/media/card"_s);
    QCOMPARE(Settings::ProgramSettingsRec::fromBytes(readFile(m_settings->path())).PSDicFolder, u"/media/card"_s);
    QVERIFY(editor.okEnabled());
    // Nothing is written before OK.
    QCOMPARE(readFolderUnique(listPath())->size(), 1);
    QVERIFY(editor.accept());
    QCOMPARE(readFolderUnique(listPath())->size(), 2);

    // A cancelled browser adds nothing.
    QVERIFY(!editor.addFolder());
}

void FolderUniqueEditorTest::pathsTheFileCannotKeepAreRefused()
{
    FolderUniqueEditor editor(listPath(), *m_settings, m_dialogs);
    QVERIFY(editor.load());
    QVERIFY(!editor.addFolder(u"/"_s + QString(255, u'x')));
    // The file keeps 255 bytes of UTF-8: 127 two-byte letters fit behind the slash, 128 do not.
    QVERIFY(!editor.addFolder(u"/"_s + QString(128, u'Ф')));
    QCOMPARE(m_dialogs.informed.size(), 2);
    QVERIFY(editor.entries().isEmpty());
    QVERIFY(editor.addFolder(u"/"_s + QString(127, u'Ф')));
    QVERIFY(editor.addFolder(u"/home/ann/Фото"_s));
    QVERIFY(editor.addFolder(u"/home/ann/Café"_s));
}

void FolderUniqueEditorTest::removingAndCheckingEnableOk()
{
    QVERIFY(writeFolderUnique(listPath(), {{u"/a"_s, true}, {u"/b"_s, true}, {u"/c"_s, true}}));
    FolderUniqueEditor editor(listPath(), *m_settings, m_dialogs);
    QVERIFY(editor.load());
    editor.setChecked(1, true);
    QVERIFY(!editor.okEnabled());
    editor.setChecked(1, false);
    QVERIFY(editor.okEnabled());
    editor.remove({2, 0, 2});
    QCOMPARE(editor.entries(), (QList<FolderUniqueRec>{{u"/b"_s, false}}));
    QVERIFY(editor.accept());
    QCOMPARE(*readFolderUnique(listPath()), (QList<FolderUniqueRec>{{u"/b"_s, false}}));
}

void FolderUniqueEditorTest::damagedListKeepsItsWholeRecords()
{
    QVERIFY(writeFolderUnique(listPath(), {{u"/a"_s, true}, {u"/b"_s, true}}));
    const QByteArray damaged = readFile(listPath()) + "/c";
    QVERIFY(writeFile(listPath(), damaged));
    FolderUniqueEditor editor(listPath(), *m_settings, m_dialogs);
    QVERIFY(editor.load());
    QCOMPARE(editor.entries(), (QList<FolderUniqueRec>{{u"/a"_s, true}, {u"/b"_s, true}}));
    QCOMPARE(readFile(listPath()), damaged.left(2 * FolderUniqueRec::size));
    QCOMPARE(readFile(listPath() + u".damaged"_s), damaged);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).severity, Platform::Severity::Warning);
    QVERIFY(m_dialogs.informed.at(0).text.contains(u"Its first 2 whole record(s) were kept"_s));

    // A rewrite of a list damaged since it was read keeps the damaged file too.
    QVERIFY(writeFile(listPath(), damaged));
    editor.remove({0});
    QVERIFY(editor.accept());
    QCOMPARE(*readFolderUnique(listPath()), (QList<FolderUniqueRec>{{u"/b"_s, true}}));
    QCOMPARE(readFile(listPath() + u".damaged-2"_s), damaged);
}

QTEST_GUILESS_MAIN(FolderUniqueEditorTest)
#include "folderuniqueeditortest.moc"
