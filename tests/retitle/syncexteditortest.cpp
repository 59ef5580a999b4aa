#include "retitle/syncexteditor.h"

#include "support/bytes.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Retitle;

namespace {
const QString refused = u"Extensions supported by Mirelto are not allowed including the voice file extensions .wav and "
                        ".mov.\nNo empty extension is permitted. The extension can not exceed the length of 10 "
                        "characters."_s;
} // namespace

class SyncExtEditorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void recordsAreStoredAsTheFileLaysThemOut();
    void passExtensionsPutVoiceFilesFirst();
    void typingRefusesForbiddenCharactersAndLowersTheRest();
    void add_data();
    void add();
    void listedExtensionIsRefused();
    void removeAndAccept();

private:
    QString listPath() const { return m_dir->filePath(u"SyncExt.dat"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
};

void SyncExtEditorTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    QVERIFY(writeFile(listPath(), QByteArray()));
}

void SyncExtEditorTest::cleanup()
{
    m_dir.reset();
}

void SyncExtEditorTest::recordsAreStoredAsTheFileLaysThemOut()
{
    QVERIFY(writeSyncExt(listPath(), {{u"xmp"_s, true}, {u"thm"_s, false}}));
    const QByteArray bytes = readFile(listPath());
    QCOMPARE(bytes.size(), 24);
    QCOMPARE(shortStringAt(bytes, 0), QByteArray("xmp"));
    QCOMPARE(bytes.at(11), '\1');
    QCOMPARE(shortStringAt(bytes, 12), QByteArray("thm"));
    QCOMPARE(bytes.at(23), '\0');
    QCOMPARE(readSyncExt(listPath())->at(1), (SyncExtRec{u"thm"_s, false}));
}

void SyncExtEditorTest::passExtensionsPutVoiceFilesFirst()
{
    const QList<SyncExtRec> listed{{u"xmp"_s, true}, {u"thm"_s, false}, {u"wav"_s, true}, {u"cr2"_s, true}};
    QStringList extensions = voiceExtensions(true);
    AddToSyncExt(&extensions, listed);
    QCOMPARE(extensions, (QStringList{u"wav"_s, u"mov"_s, u"xmp"_s, u"cr2"_s}));
    extensions = voiceExtensions(false);
    AddToSyncExt(&extensions, listed);
    QCOMPARE(extensions, (QStringList{u"xmp"_s, u"wav"_s, u"cr2"_s}));
}

void SyncExtEditorTest::typingRefusesForbiddenCharactersAndLowersTheRest()
{
    SyncExtEditor editor(listPath(), m_dialogs);
    editor.edit(u"XM"_s, 2);
    QCOMPARE(editor.input(), u"xm"_s);
    QVERIFY(editor.addEnabled());
    editor.edit(u"xm*"_s, 3);
    QCOMPARE(editor.input(), u"xm"_s);
    QCOMPARE(editor.cursor(), 2);
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QVERIFY(m_dialogs.statuses.first().text.startsWith(
        u"A file- or folder name cannot contain any of the following characters:"_s));
    QCOMPARE(m_dialogs.statuses.first().sound, Platform::Sound::Error);
    editor.edit(QString(40, u'a'), 40);
    QCOMPARE(editor.input().size(), SyncExtEditor::maxInputLength);
    editor.edit({}, 0);
    QVERIFY(!editor.addEnabled());
}

void SyncExtEditorTest::add_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("added");
    QTest::newRow("dots and spaces around") << u" ..XMP  "_s << u"xmp"_s;
    QTest::newRow("ten characters") << u"abcdefghij"_s << u"abcdefghij"_s;
    QTest::newRow("eleven characters") << u"abcdefghijk"_s << QString();
    QTest::newRow("picture extension") << u".JPG"_s << QString();
    QTest::newRow("voice file") << u"wav"_s << QString();
    QTest::newRow("only dots") << u"..."_s << QString();
    QTest::newRow("tiff is no picture extension") << u"tiff"_s << u"tiff"_s;
}

void SyncExtEditorTest::add()
{
    QFETCH(QString, typed);
    QFETCH(QString, added);
    SyncExtEditor editor(listPath(), m_dialogs);
    QVERIFY(editor.load());
    editor.edit(typed, int(typed.size()));
    QCOMPARE(editor.add(), !added.isEmpty());
    if (added.isEmpty()) {
        QVERIFY(editor.entries().isEmpty());
        QCOMPARE(m_dialogs.informed.size(), 1);
        QCOMPARE(m_dialogs.informed.first().text, refused);
        QVERIFY(!editor.input().isEmpty());
    } else {
        QCOMPARE(editor.entries(), (QList<SyncExtRec>{{added, true}}));
        QVERIFY(editor.input().isEmpty());
    }
}

void SyncExtEditorTest::listedExtensionIsRefused()
{
    QVERIFY(writeSyncExt(listPath(), {{u"xmp"_s, false}}));
    SyncExtEditor editor(listPath(), m_dialogs);
    QVERIFY(editor.load());
    editor.edit(u"XMP"_s, 3);
    QVERIFY(!editor.add());
    QCOMPARE(m_dialogs.informed.first().text, u"Extension already defined in list!"_s);
}

void SyncExtEditorTest::removeAndAccept()
{
    QVERIFY(writeSyncExt(listPath(), {{u"a"_s, true}, {u"b"_s, true}, {u"c"_s, true}}));
    SyncExtEditor editor(listPath(), m_dialogs);
    QVERIFY(editor.load());
    editor.remove({1});
    editor.setChecked(0, false);
    // Cancel is simply not accepting: the file is unchanged until then.
    QCOMPARE(readSyncExt(listPath())->size(), 3);
    QVERIFY(editor.accept());
    QCOMPARE(*readSyncExt(listPath()), (QList<SyncExtRec>{{u"a"_s, false}, {u"c"_s, true}}));
}

QTEST_GUILESS_MAIN(SyncExtEditorTest)
#include "syncexteditortest.moc"
