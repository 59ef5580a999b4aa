#include "ui/datetimepanel.h"
#include "ui/mainwindow.h"
#include "ui/numberpanel.h"
#include "ui/prefixsuffixpanel.h"
#include "ui/selectionpanel.h"
#include "ui/stage2panel.h"

#include "app/application.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "settings/overallsettingsrec.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/openwindow.h"
#include "support/programfolders.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class Stage2PanelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void editAllSelectedPictures();
    void tableClicksInStage2();
    void quitKeysWhereverTheFocusIs_data();
    void quitKeysWhereverTheFocusIs();
    void reopeningResumesStage2();

private:
    QMenu *menu(Ui::MainWindow &window, const QString &objectName) const;
    QAction *action(QMenu *menu, const QString &caption) const;

    QTemporaryDir m_root;
};

void Stage2PanelTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(makeProgramAndPictures(m_root.path(), QStringList{u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
}

QMenu *Stage2PanelTest::menu(Ui::MainWindow &window, const QString &objectName) const
{
    return window.menuBar()->findChild<QMenu *>(objectName);
}

QAction *Stage2PanelTest::action(QMenu *menu, const QString &caption) const
{
    for (QAction *item : menu->actions()) {
        if (item->text() == caption)
            return item;
    }
    return nullptr;
}

void Stage2PanelTest::editAllSelectedPictures()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    App::Application &application = program.application;
    Ui::MainWindow &window = program.window;

    auto *panel = window.findChild<Ui::Stage2Panel *>();
    QVERIFY(panel);
    auto *editAll = panel->findChild<QPushButton *>(u"editAll"_s);
    auto *area = panel->findChild<QWidget *>(u"editArea"_s);
    auto *selectionPanel = window.findChild<Ui::SelectionPanel *>();
    auto *elements = window.findChild<Ui::PrefixSuffixPanel *>();
    auto *number = window.findChild<Ui::NumberPanel *>();
    auto *dateTime = window.findChild<Ui::DateTimePanel *>();
    QMenu *edit = menu(window, u"editMenu"_s);
    QVERIFY(editAll && area && selectionPanel && elements && number && dateTime && edit);
    QVERIFY(number->isEnabled() && dateTime->isEnabled());
    QAction *editAllItem = action(edit, u"&Edit free text for all selected pictures"_s);
    QVERIFY(editAllItem);
    // Nothing selected: the bulk commands are off.
    QVERIFY(!editAll->isEnabled());
    QVERIFY(!editAllItem->isEnabled());

    application.selection().BtnSelectClick(Session::SelectionKind::All);
    QVERIFY(editAll->isEnabled());
    QVERIFY(editAllItem->isEnabled());
    QVERIFY(area->isHidden());

    editAll->click();
    QVERIFY(!area->isHidden());
    QVERIFY(!selectionPanel->isEnabled());
    QVERIFY(!elements->isEnabled());
    QVERIFY(!number->isEnabled());
    QVERIFY(!dateTime->isEnabled());
    QVERIFY(!editAllItem->isEnabled());
    QVERIFY(!editAll->isEnabled());
    QCOMPARE(window.pictureTable()->currentIndex().row(), 0);
    auto *enter = panel->findChild<QPushButton *>(u"enterButton"_s);
    QCOMPARE(enter->text(), u"Same"_s);

    auto *line = panel->findChild<QLineEdit *>(u"freeTextLine"_s);
    QVERIFY(line);
    line->setFocus();
    QTest::keyClicks(line, u"Beach"_s);
    QCOMPARE(enter->text(), u"Next"_s);
    auto *suffix = panel->findChild<QComboBox *>(u"pictureSuffix"_s);
    suffix->setEditText(u" sfx "_s);
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(application.pictures().row(0).freeText, u"Beach"_s);
    QCOMPARE(application.pictures().row(0).suffix, u"sfx"_s);
    QCOMPARE(window.pictureTable()->currentIndex().row(), 1);
    QCOMPARE(application.freeTextEditor().stage2Row(), 1);
    // The next picture is offered the suffix of the one before.
    QCOMPARE(suffix->currentText(), u"sfx"_s);

    // The delete toggle reads as the state of the picture.
    auto *toggle = panel->findChild<QPushButton *>(u"deleteToggle"_s);
    QCOMPARE(toggle->text(), u"&Delete"_s);
    toggle->click();
    QCOMPARE(toggle->text(), u"&Keep"_s);
    QVERIFY(!suffix->isEnabled());
    toggle->click();

    // Escape quits; the selection and the elements come back.
    QTest::keyClicks(line, u"typed"_s);
    QTest::keyClick(line, Qt::Key_Escape);
    QVERIFY(area->isHidden());
    QVERIFY(selectionPanel->isEnabled());
    QVERIFY(elements->isEnabled());
    QVERIFY(number->isEnabled() && dateTime->isEnabled());
    QVERIFY(editAll->isEnabled());
    QVERIFY(application.pictures().row(1).freeText.isEmpty());
    window.close();
}

void Stage2PanelTest::tableClicksInStage2()
{
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    FakeDialogs &dialogs = program.dialogs;
    App::Application &application = program.application;
    Ui::MainWindow &window = program.window;
    Session::PictureSession &pictures = application.pictures();
    application.selection().BtnSelectClick(Session::SelectionKind::None);
    application.selection().toggleRow(0, false);
    application.selection().toggleRow(2, false);

    QTableView *table = window.pictureTable();
    table->setCurrentIndex(table->model()->index(2, Session::PictureSession::TitleColumn));
    auto *editOne = window.findChild<QPushButton *>(u"editOne"_s);
    QCOMPARE(editOne->text(), u"Ed&it free text # 3"_s);
    QVERIFY(editOne->isEnabled());
    editOne->click();
    QVERIFY(application.freeTextEditor().isActive());
    QCOMPARE(application.freeTextEditor().stage2Row(), 2);

    // An unselected row cannot be chosen; the "Sel" column never toggles the selection.
    table->setCurrentIndex(table->model()->index(1, Session::PictureSession::TitleColumn));
    QCOMPARE(table->currentIndex().row(), 2);
    QCOMPARE(dialogs.statuses.last().text, u"You can not edit free text for a picture that is not selected"_s);
    const QRect marker = table->visualRect(table->model()->index(1, Session::PictureSession::MarkerColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, marker.center());
    QVERIFY(pictures.row(1).marker.isEmpty());
    QCOMPARE(application.freeTextEditor().stage2Row(), 2);
    // The highlight stays on the picture being edited, also after a selected row's "Sel" cell.
    const QModelIndexList edited{table->model()->index(2, 0)};
    QCOMPARE(table->selectionModel()->selectedRows(), edited);
    const QRect selectedMarker = table->visualRect(table->model()->index(0, Session::PictureSession::MarkerColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, selectedMarker.center());
    QCOMPARE(table->currentIndex().row(), 2);
    QCOMPARE(table->selectionModel()->selectedRows(), edited);

    table->setCurrentIndex(table->model()->index(0, Session::PictureSession::TitleColumn));
    QCOMPARE(application.freeTextEditor().stage2Row(), 0);
    application.freeTextEditor().ImStopEditClick();
    QVERIFY(!application.freeTextEditor().isActive());
    window.close();
}

void Stage2PanelTest::quitKeysWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Q in the suffix") << u"pictureSuffix"_s << int(Qt::Key_Q) << int(Qt::ControlModifier);
    QTest::newRow("Escape in the prefix") << u"picturePrefix"_s << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+Q on the table") << u"pictureTable"_s << int(Qt::Key_Q) << int(Qt::ControlModifier);
}

void Stage2PanelTest::quitKeysWhereverTheFocusIs()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    OpenWindow program(m_root.path());
    QVERIFY(program.open(m_root.filePath(u"pics"_s)));
    program.application.selection().BtnSelectClick(Session::SelectionKind::All);
    program.application.freeTextEditor().BtnEditAllClick();
    QWidget *target = program.window.findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!program.application.freeTextEditor().isActive());
    QVERIFY(program.window.isVisible());
}

void Stage2PanelTest::reopeningResumesStage2()
{
    FakeDialogs dialogs;
    FakeDrives drives;
    const App::Locations locations{m_root.filePath(u"work/"_s), m_root.filePath(u"program/"_s)};
    const App::Machine machine{drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1};
    QString confirmed;
    {
        App::Application application(locations, machine, dialogs);
        Ui::MainWindow window(application);
        QVERIFY(application.start(m_root.filePath(u"pics"_s)));
        window.showForSession();
        application.startTick();
        application.selection().BtnSelectClick(Session::SelectionKind::All);
        application.freeTextEditor().BtnEditAllClick();
        auto *line = window.findChild<QLineEdit *>(u"freeTextLine"_s);
        // The line starts with the picture's free text, the caret at its end.
        QCOMPARE(line->text(), application.pictures().row(0).freeText);
        confirmed = line->text() + u"First"_s;
        QTest::keyClicks(line, u"First"_s);
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(application.freeTextEditor().stage2Row(), 1);
        // The program is closed in the middle of stage 2.
        window.close();
    }
    App::Application application(locations, machine, dialogs);
    Ui::MainWindow window(application);
    QVERIFY(application.start(m_root.filePath(u"pics"_s)));
    window.showForSession();
    QVERIFY(application.restoredStage2());
    application.startTick();
    const Session::FreeTextEditor &editor = application.freeTextEditor();
    QVERIFY(editor.isActive());
    QCOMPARE(editor.editMode(), Session::EditMode::All);
    QCOMPARE(editor.stage2Row(), 1);
    QCOMPARE(window.pictureTable()->currentIndex().row(), 1);
    QVERIFY(!window.findChild<QWidget *>(u"editArea"_s)->isHidden());
    QVERIFY(!window.findChild<Ui::SelectionPanel *>()->isEnabled());
    QCOMPARE(application.pictures().row(0).freeText, confirmed);
    window.close();
}

QTEST_MAIN(Stage2PanelTest)
#include "stage2paneltest.moc"
