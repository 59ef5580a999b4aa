#include "ui/folderuniquedialog.h"
#include "ui/syncextdialog.h"
#include "ui/testpreviewdialog.h"

#include "retitle/destinationplanner.h"
#include "retitle/folderuniqueeditor.h"
#include "retitle/retitler.h"
#include "retitle/syncexteditor.h"
#include "retitle/testpreview.h"

#include "faultyfilesystem.h"

#include "session/picturesession.h"
#include "session/selection.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextTable>
#include <QTextEdit>

#include <memory>

using namespace Qt::StringLiterals;

class RetitleDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void testPreviewShowsTheReportAndForwardsItsButtons();
    void escapeCancelsOnceThePassHasEnded();
    void syncExtensionInputFollowsTheRules();
    void folderListEnablesOkOnChange();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_work;
    FakeDialogs m_dialogs;
    Session::NoSubjects m_subjects;
    std::unique_ptr<Session::PictureSession> m_pictures;
    std::unique_ptr<Settings::ProgramSettings> m_programSettings;
    std::unique_ptr<Settings::SessionSettings> m_sessionSettings;
    std::unique_ptr<Session::Selection> m_selection;
    std::unique_ptr<FaultyFileSystem> m_files;
    std::unique_ptr<Retitle::PictureFolderDestinations> m_destinations;
    std::unique_ptr<Retitle::Retitler> m_retitler;
    std::unique_ptr<Retitle::TestPreview> m_preview;
};

void RetitleDialogsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_work = m_dir->filePath(u"work/"_s);
    QVERIFY(QDir().mkpath(m_work + u"Logs"_s));
    const QString folder = m_dir->filePath(u"Holiday"_s);
    QVERIFY(QDir().mkpath(folder));
    for (const QString &name : {u"IMG_1.jpg"_s, u"IMG_2.jpg"_s, u"IMG_3.jpg"_s})
        QVERIFY(writeFile(folder + u'/' + name));
    m_dialogs = FakeDialogs();
    m_pictures = std::make_unique<Session::PictureSession>(m_dialogs, m_subjects);
    m_pictures->setFolder(folder, u"4.4.0.0"_s);
    QVERIFY(m_pictures->CreateFSGTitle());
    QVERIFY(m_pictures->FillSGTitle(false));
    const QStringList texts{u"Beach"_s, u"Dunes"_s, u"Forest"_s};
    for (int i = 0; i < 3; ++i) {
        m_pictures->rowForChange(i).marker = Session::Marker::selected;
        m_pictures->rowForChange(i).freeText = texts.at(i);
    }
    m_pictures->ShowSelectedPictures(3);
    m_programSettings = std::make_unique<Settings::ProgramSettings>(m_work + u"PSMSet.dat"_s);
    m_sessionSettings = std::make_unique<Settings::SessionSettings>(m_work + u"MrlSessionSet.dat"_s, QString());
    m_selection = std::make_unique<Session::Selection>(*m_pictures, *m_programSettings, m_dialogs);
    m_files = std::make_unique<FaultyFileSystem>(m_dir->filePath(u"bin"_s));
    m_destinations = std::make_unique<Retitle::PictureFolderDestinations>([folder] { return folder; });
    m_retitler = std::make_unique<Retitle::Retitler>(*m_pictures, *m_programSettings, m_dialogs, *m_files,
                                                     m_work + u"Logs/"_s);
    m_preview = std::make_unique<Retitle::TestPreview>(*m_pictures, *m_selection, *m_sessionSettings, m_dialogs,
                                                       *m_files, *m_destinations, *m_retitler, m_work);
}

void RetitleDialogsTest::cleanup()
{
    m_preview.reset();
    m_retitler.reset();
    m_selection.reset();
    m_pictures.reset();
    m_dir.reset();
}

void RetitleDialogsTest::testPreviewShowsTheReportAndForwardsItsButtons()
{
    QVERIFY(m_preview->preCheck());
    Ui::TestPreviewDialog dialog(*m_preview);
    QCOMPARE(dialog.windowTitle(), u"Mirelto: Test and Preview"_s);
    QVERIFY(!dialog.cancelButton()->isEnabled());
    dialog.show();
    QTRY_COMPARE(m_preview->state(), Retitle::TestPreview::State::Reported);

    QVERIFY(dialog.reportView()->isVisible());
    QVERIFY(dialog.reportView()->isReadOnly());
    // Titles stand in a table beside their current titles; a long one wraps in its cell.
    QCOMPARE(dialog.reportView()->lineWrapMode(), QTextEdit::WidgetWidth);
    const QString text = dialog.reportView()->toPlainText();
    QVERIFY(text.startsWith(u"Test & preview results"_s));
    const QTextTable *table = nullptr;
    for (QTextFrame *frame : dialog.reportView()->document()->rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable *>(frame);
    QVERIFY(table);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), u"Beach.jpg"_s);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), u" Current title: IMG_1.jpg"_s);
    QVERIFY(dialog.retitleButton()->isEnabled());
    QVERIFY(!dialog.editButton()->isEnabled());
    QVERIFY(dialog.cancelButton()->isEnabled());
    QVERIFY(dialog.helpButton()->isEnabled());

    QTest::mouseClick(dialog.retitleButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_preview->outcome(), Retitle::TestPreview::Outcome::RetitleNow);
    m_preview->finish();
    QVERIFY(QFileInfo::exists(m_pictures->folderFile(u"Forest.jpg"_s)));
}

void RetitleDialogsTest::escapeCancelsOnceThePassHasEnded()
{
    QVERIFY(m_preview->preCheck());
    Ui::TestPreviewDialog dialog(*m_preview);
    dialog.show();
    QTRY_COMPARE(m_preview->state(), Retitle::TestPreview::State::Reported);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(m_preview->outcome(), Retitle::TestPreview::Outcome::Cancelled);
}

void RetitleDialogsTest::syncExtensionInputFollowsTheRules()
{
    Retitle::SyncExtEditor editor(m_work + u"SyncExt.dat"_s, m_dialogs);
    QVERIFY(editor.load());
    Ui::SyncExtDialog dialog(editor);
    dialog.show();
    QVERIFY(!dialog.addButton()->isEnabled());
    QTest::keyClicks(dialog.input(), u"XM?P"_s);
    QCOMPARE(dialog.input()->text(), u"xmp"_s);
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QVERIFY(dialog.addButton()->isEnabled());
    QTest::keyClick(dialog.input(), Qt::Key_Return);
    QCOMPARE(dialog.list()->count(), 1);
    QCOMPARE(dialog.list()->item(0)->text(), u"xmp"_s);
    QVERIFY(dialog.input()->text().isEmpty());
    QVERIFY(dialog.isVisible());
    dialog.accept();
    QCOMPARE(Retitle::readSyncExt(m_work + u"SyncExt.dat"_s)->size(), 1);
}

void RetitleDialogsTest::folderListEnablesOkOnChange()
{
    QVERIFY(Retitle::writeFolderUnique(m_work + u"FolderUnique.dat"_s, {{u"/a"_s, true}}));
    Retitle::FolderUniqueEditor editor(m_work + u"FolderUnique.dat"_s, *m_programSettings, m_dialogs);
    QVERIFY(editor.load());
    Ui::FolderUniqueDialog dialog(editor);
    QVERIFY(!dialog.okButton()->isEnabled());
    dialog.list()->item(0)->setCheckState(Qt::Unchecked);
    QVERIFY(dialog.okButton()->isEnabled());
    dialog.accept();
    QCOMPARE(Retitle::readFolderUnique(m_work + u"FolderUnique.dat"_s)->first().checked, false);
}

QTEST_MAIN(RetitleDialogsTest)
#include "retitledialogstest.moc"
