#include "ui/subjectsdialog.h"

#include "app/application.h"
#include "storage/subjectcommands.h"
#include "storage/subjectmaintenance.h"
#include "storage/subjectstore.h"
#include "support/accesskeys.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The dialog shows its model: typing goes through the input rule, Enter adds, the list and the
// captions follow.
class SubjectsDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(makeProgramAndPictures(m_root.path(), QStringList{u"a.jpg"_s}));
    }
    void typingAndAdding();
    void accessKeysWithSubjectAndMainFolder();

private:
    QTemporaryDir m_root;
};

void SubjectsDialogTest::typingAndAdding()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    App::Application &application = program.application;
    Storage::SubjectMaintenance model(application.subjects(), application.subjectCommands(), application.dialogs(),
                                      false);
    model.setPictureFolder(application.pictureFolder());
    Ui::SubjectsDialog dialog(model);
    // Suggestions from the picture folder; no main folder to recreate from.
    QVERIFY(dialog.findChild<QPushButton *>(u"suggestSubject"_s)->isEnabled());
    QVERIFY(!dialog.findChild<QPushButton *>(u"recreateSubjects"_s)->isEnabled());
    dialog.show();
    auto *edit = dialog.findChild<QLineEdit *>(u"subjectEdit"_s);
    auto *list = dialog.findChild<QListWidget *>(u"subjectList"_s);
    auto *close = dialog.findChild<QPushButton *>(u"closeSubjects"_s);
    QCOMPARE(close->text(), u"Cl&ose"_s);
    QTest::keyClicks(edit, u"Trip|s"_s);
    QCOMPARE(edit->text(), u"Trips"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), QString());
    // Enter adds once: nothing is left to refuse as empty.
    QVERIFY(program.dialogs.informed.isEmpty());
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), u"Trips"_s);
    QCOMPARE(close->text(), u"D&one"_s);
    QCOMPARE(application.subjects().subjectList(), QStringList{u"Trips"_s});
    dialog.close();
    program.window.close();
}

void SubjectsDialogTest::accessKeysWithSubjectAndMainFolder()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    App::Application &application = program.application;
    Storage::SubjectMaintenance model(application.subjects(), application.subjectCommands(), application.dialogs(),
                                      false);
    model.setMainFolder(m_root.path());
    Ui::SubjectsDialog dialog(model);
    dialog.show();
    QTest::keyClicks(dialog.findChild<QLineEdit *>(u"subjectEdit"_s), u"Trips"_s);
    QTest::keyClick(dialog.findChild<QLineEdit *>(u"subjectEdit"_s), Qt::Key_Return);
    dialog.findChild<QListWidget *>(u"subjectList"_s)->setCurrentRow(0);
    // Edit and Recreate are both at hand now.
    QVERIFY(dialog.findChild<QPushButton *>(u"recreateSubjects"_s)->isEnabled());
    QCOMPARE(accessKeyClashes(&dialog), QStringList());
    dialog.close();
    program.window.close();
}

QTEST_MAIN(SubjectsDialogTest)
#include "subjectsdialogtest.moc"
