#include "ui/mainwindowhost.h"
#include "ui/mainwindow.h"
#include "ui/quickstartwindow.h"

#include "app/application.h"
#include "app/dictionarybuilding.h"
#include "app/optionsmodel.h"
#include "l10n/language.h"
#include "l10n/text.h"
#include "settings/programsettings.h"
#include "support/fakedialogs.h"
#include "support/programfolders.h"

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBox>

using namespace Qt::StringLiterals;

class MainWindowHostTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void switchingLanguageRebuildsTheWindow();
};

void MainWindowHostTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

// The Options dialog's OK with another language: the open window turns into one in that language
// at once, on the same picture and stage page, and the old window goes.
void MainWindowHostTest::switchingLanguageRebuildsTheWindow()
{
    QTemporaryDir root;
    QVERIFY(makeProgramAndPictures(root.path(), {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    FakeDialogs dialogs;
    FakeDrives drives;
    App::Application application({root.filePath(u"work/"_s), root.filePath(u"program/"_s)},
                                 {drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, dialogs);
    Ui::MainWindowHost host(application);
    QVERIFY(application.start(root.filePath(u"pics"_s)));
    host.window().showForSession();
    const auto caption = [&host]() -> QString {
        const Ui::MainWindow &window = host.window();
        return window.menuBar()->actions().first()->text() + u" / "_s
               + window.findChild<QToolBox *>()->itemText(1);
    };
    QCOMPARE(caption(), u"&File / Stage 2 - Edit free text per picture"_s);
    host.window().pictureTable()->setCurrentIndex(host.window().pictureTable()->model()->index(2, 1));
    host.window().findChild<QToolBox *>()->setCurrentIndex(1);

    const auto choose = [&application](int item) {
        App::DictionaryBuilding building(application);
        const auto options = building.optionsModel(App::OptionsModel::Page::Program);
        options->setLanguageItem(item);
        building.acceptOptions(*options);
    };
    // The quick start open beside it follows into the new language, at the same topic.
    host.window().showQuickStart(u"stage1"_s, false);
    QPointer<Ui::MainWindow> old = &host.window();
    choose(2);
    QCOMPARE(&host.window(), old.data());
    QSignalSpy replaced(&host, &Ui::MainWindowHost::windowReplaced);
    choose(1);
    QCOMPARE(application.programSettings().rec().PSLanguage, L10n::LanguageCode::Dutch);
    QTRY_COMPARE(replaced.size(), 1);
    QCOMPARE(caption(), u"Be&stand / Fase 2 - Vrije tekst per foto bewerken"_s);
    // What the core keeps shown follows too.
    QVERIFY(host.window().findChild<QLabel *>(u"dictionaryEntries"_s)->text().contains(u"Trefwoorden"_s));
    QVERIFY(host.window().isVisible());
    QCOMPARE(host.window().pictureTable()->currentIndex().row(), 2);
    QCOMPARE(host.window().findChild<QToolBox *>()->currentIndex(), 1);
    QTRY_VERIFY(old.isNull());
    auto *help = host.window().findChild<Ui::QuickStartWindow *>(u"quickStartWindow"_s);
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->browser()->source(), QUrl(u"qrc:/help/quickstart_nl.html#stage1"_s));
    QCOMPARE(help->windowTitle(), L10n::text(1022, "Quick start reference"));
    QVERIFY(help->windowTitle() != u"Quick start reference"_s);

    choose(0);
    QTRY_COMPARE(replaced.size(), 2);
    QCOMPARE(caption(), u"&File / Stage 2 - Edit free text per picture"_s);
    host.window().close();
}

QTEST_MAIN(MainWindowHostTest)
#include "mainwindowhosttest.moc"
