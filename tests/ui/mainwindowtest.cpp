#include "ui/mainwindow.h"
#include "ui/messagedialog.h"

#include "app/application.h"
#include "app/storagemanagement.h"
#include "l10n/language.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "settings/overallsettingsrec.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBox>
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
    void accessKeysAreDistinct_data();
    void accessKeysAreDistinct();
    void stagesFitTheSmallestScreen();
    void tableKeys();

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

// Every access key of the window, from the menu bar and from the controls of all stage pages,
// open or not: at any moment Alt with a letter means one thing, while selecting and while editing.
void MainWindowTest::accessKeysAreDistinct_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(L10n::LanguageCode::English);
    QTest::newRow("Dutch") << int(L10n::LanguageCode::Dutch);
}

void MainWindowTest::accessKeysAreDistinct()
{
    // The test's own translation stays while the program applies its (English) settings.
    QFETCH(int, language);
    L10n::LanguageSwitch active;
    active.apply(language, language);
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    Ui::MainWindow &window = program.window;
    window.show();
    const auto clashes = [&window] {
        QMultiMap<QString, QString> owners;
        const auto add = [&owners](const QString &text, bool enabled) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (enabled && !key.isEmpty())
                owners.insert(key.toString(), text);
        };
        for (const QAction *menu : window.menuBar()->actions())
            add(menu->text(), menu->isEnabled());
        for (const QAbstractButton *button : window.centralWidget()->findChildren<QAbstractButton *>())
            add(button->text(), button->isEnabledTo(&window));
        for (const QLabel *label : window.centralWidget()->findChildren<QLabel *>()) {
            if (label->buddy())
                add(label->text(), label->buddy()->isEnabledTo(&window));
        }
        QStringList found;
        for (const QString &key : owners.uniqueKeys()) {
            if (owners.count(key) > 1)
                found.append(key + u": "_s + QStringList(owners.values(key)).join(u" | "_s));
        }
        return std::make_pair(found, owners.size());
    };
    program.application.selection().BtnSelectClick(Session::SelectionKind::All);
    const auto selecting = clashes();
    QVERIFY2(selecting.first.isEmpty(), qPrintable(selecting.first.join(u'\n')));
    QVERIFY(selecting.second > 8);
    program.application.freeTextEditor().BtnEditAllClick();
    QCOMPARE(program.application.workflow().stage(), Session::Stage::Editing);
    const auto editing = clashes();
    QVERIFY2(editing.first.isEmpty(), qPrintable(editing.first.join(u'\n')));
    program.application.freeTextEditor().ImStopEditClick();

    // With subjects in use their controls and their menu join in.
    App::Application &application = program.application;
    QVERIFY(!window.findChild<QWidget *>(u"assignSubject"_s)->isVisibleTo(&window));
    Storage::StorageSettings storage;
    storage.levels = 2;
    storage.subjectPosition = 1;
    storage.mainFolder = m_root.path();
    QVERIFY(application.storage().apply(storage));
    QVERIFY(window.findChild<QWidget *>(u"assignSubject"_s)->isVisibleTo(&window));
    const auto withSubjects = clashes();
    QVERIFY2(withSubjects.first.isEmpty(), qPrintable(withSubjects.first.join(u'\n')));
    QVERIFY(withSubjects.second > selecting.second);
    application.freeTextEditor().BtnEditAllClick();
    const auto editingWithSubjects = clashes();
    QVERIFY2(editingWithSubjects.first.isEmpty(), qPrintable(editingWithSubjects.first.join(u'\n')));
    // The next test starts in stage 1, with storage management not set up.
    application.freeTextEditor().ImStopEditClick();
    QVERIFY(application.storage().apply({}));
    window.close();
}

// On a 1024x600 screen every stage page shows all its controls without scrolling.
void MainWindowTest::stagesFitTheSmallestScreen()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    Ui::MainWindow &window = program.window;
    window.resize(1024, 600 - 30);
    window.show();
    auto *pages = window.findChild<QToolBox *>(u"stagePages"_s);
    QVERIFY(pages);
    // Also with the subject controls of stages 1 and 2 shown.
    App::Application &application = program.application;
    // The last round leaves storage management as the next test expects it: not set up.
    for (const bool subjects : {false, true, false}) {
        Storage::StorageSettings storage;
        storage.levels = subjects ? 2 : 0;
        storage.subjectPosition = subjects ? 1 : 0;
        storage.mainFolder = subjects ? m_root.path() : QString();
        QVERIFY(application.storage().apply(storage));
        QCOMPARE(application.subjectsInUse(), subjects);
        for (int index = 0; index < pages->count(); ++index) {
            pages->setCurrentIndex(index);
            QTest::qWait(20);
            auto *scroll = qobject_cast<QScrollArea *>(pages->widget(index));
            QVERIFY(scroll);
            QVERIFY2(!scroll->verticalScrollBar()->isVisible(), qPrintable(pages->itemText(index)));
        }
    }
    QVERIFY(window.findChild<QPushButton *>(u"testAndPreview"_s)->isVisible());
    window.close();
}

// Space toggles the current picture in stage 1 and Tab leaves the table for the next control.
void MainWindowTest::tableKeys()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    Ui::MainWindow &window = program.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableView *table = window.pictureTable();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(1, 2));
    const bool before = program.application.pictures().row(1).isSelected();
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(program.application.pictures().row(1).isSelected(), !before);
    QTest::keyClick(table, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(program.application.pictures().row(1).isSelected(), before);
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY(!table->hasFocus());
    QCOMPARE(table->currentIndex().row(), 1);
    window.close();
}

QTEST_MAIN(MainWindowTest)
#include "mainwindowtest.moc"
