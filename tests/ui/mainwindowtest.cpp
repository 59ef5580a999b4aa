#include "ui/mainwindow.h"
#include "ui/messagedialog.h"

#include "app/application.h"
#include "session/picturesession.h"
#include "settings/overallsettingsrec.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void showsTheFolderSession();
    void statusMessagesClearThemselves();
    void messageDialogAnswers();

private:
    QTemporaryDir m_root;
};

void MainWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(makeProgramAndPictures(m_root.path(), QStringList{u"b.jpg"_s, u"A.png"_s, u"c.gif"_s}));
}

void MainWindowTest::showsTheFolderSession()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    App::Application &application = program.application;
    Ui::MainWindow &window = program.window;
    QCOMPARE(window.windowTitle(), u"Mirelto - "_s + m_root.filePath(u"pics"_s));

    QTableView *table = window.pictureTable();
    QCOMPARE(table->model()->rowCount(), 3);
    QCOMPARE(table->model()->index(0, 2).data().toString(), u"A.png"_s);
    QVERIFY(!table->isColumnHidden(3));
    for (const int hidden : {4, 7, 8, 9})
        QVERIFY(table->isColumnHidden(hidden));
    QCOMPARE(window.selectedCountText(), u"3/0"_s);
    QCOMPARE(window.findChild<QLabel *>(u"selectedCount"_s)->toolTip(), u"Total number/Number selected pictures"_s);

    application.pictures().SetSubjSGTitle(true);
    QVERIFY(!table->isColumnHidden(4));
    QCOMPARE(table->model()->headerData(3, Qt::Horizontal).toString(), u"Subject"_s);
    window.close();
}

void MainWindowTest::statusMessagesClearThemselves()
{
    FakeDialogs dialogs;
    FakeDrives drives;
    App::Application application({m_root.filePath(u"work/"_s), m_root.filePath(u"program/"_s)},
                                 {drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, dialogs);
    Ui::MainWindow window(application);
    window.showStatus(u"Careful"_s, true, 1);
    QCOMPARE(window.statusText(), u"Careful"_s);
    QTRY_VERIFY_WITH_TIMEOUT(window.statusText().isEmpty(), 3000);
}

void MainWindowTest::messageDialogAnswers()
{
    Platform::Question question;
    question.header = u"CAUTION!"_s;
    question.lines = {u"line"_s};
    question.buttons = {u"&Cancel"_s, u"C&ontinue"_s};
    question.checkBoxCaption = u"&Show this message next time"_s;
    Ui::MessageDialog dialog(question);
    auto *box = dialog.findChild<QCheckBox *>();
    QVERIFY(box);
    QVERIFY(box->isChecked());
    box->setChecked(false);
    QPushButton *proceed = nullptr;
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == u"C&ontinue"_s)
            proceed = button;
    }
    QVERIFY(proceed);
    proceed->click();
    QCOMPARE(dialog.answer().button, 1);
    QVERIFY(!dialog.answer().checkBoxChecked);

    Ui::MessageDialog escaped(question);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QCOMPARE(escaped.answer().button, 0);
}

QTEST_MAIN(MainWindowTest)
#include "mainwindowtest.moc"
