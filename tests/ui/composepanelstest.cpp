#include "ui/elementorderview.h"
#include "ui/finalstagepanel.h"
#include "ui/prefixsuffixpanel.h"

#include "app/storagemanagement.h"
#include "compose/titlesettingsmodel.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Compose::TitleSettingsModel;

class ComposePanelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void prefixSuffixPanelShowsAndForwards();
    void finalStagePanelShowsAndForwards();
    void droppingAnElementReordersTheModel();
    void storageSwitchesFollowTheCore();

private:
    Settings::SessionSettingsRec stored() const
    {
        return Settings::SessionSettingsRec::fromBytes(readFile(m_settings->folderFile()));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::SessionSettings> m_settings;
    FakeDialogs m_dialogs;
};

void ComposePanelsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_settings = std::make_unique<Settings::SessionSettings>(m_dir->filePath(u"work.dat"_s),
                                                             m_dir->filePath(u"folder.dat"_s));
    QVERIFY(m_settings->InitFSession({}, false));
    QVERIFY(m_settings->InitFSession_Local({}, false, false, QDateTime(QDate(2024, 1, 1), QTime(12, 0))));
}

void ComposePanelsTest::cleanup()
{
    m_settings.reset();
    m_dir.reset();
}

void ComposePanelsTest::prefixSuffixPanelShowsAndForwards()
{
    m_settings->folderRec().suffix = u"End"_s;
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    QWidget window;
    auto *panel = new Ui::PrefixSuffixPanel(model);
    auto *other = new QLineEdit;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(panel);
    layout->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(panel->usePrefixBox()->text(), u"Use prefix"_s);
    QVERIFY(!panel->usePrefixBox()->isChecked());
    QVERIFY(!panel->prefixField()->isEnabled());
    QCOMPARE(panel->suffixField()->text(), u"End"_s);
    QVERIFY(!panel->suffixField()->isEnabled());
    QCOMPARE(panel->prefixField()->maxLength(), 30);

    // Turning the switch on enables the field and gives it the focus.
    QTest::mouseClick(panel->usePrefixBox(), Qt::LeftButton);
    QVERIFY(model.usePrefix());
    QVERIFY(panel->prefixField()->isEnabled());
    QTRY_VERIFY(panel->prefixField()->hasFocus());

    QTest::keyClicks(panel->prefixField(), u"a/b"_s);
    QCOMPARE(panel->prefixField()->text(), u"ab"_s);
    QCOMPARE(panel->prefixField()->cursorPosition(), 2);
    QCOMPARE(model.prefix(), u"ab"_s);
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QCOMPARE(m_dialogs.statuses.at(0).sound, Platform::Sound::Error);

    // Leaving the field stores the settings.
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QVERIFY(stored().usePrefix);
    QCOMPARE(stored().prefix, u"ab"_s);

    // A change made elsewhere (the menu command) shows.
    model.setUseSuffix(true);
    QVERIFY(panel->useSuffixBox()->isChecked());
    QVERIFY(panel->suffixField()->isEnabled());
}

void ComposePanelsTest::finalStagePanelShowsAndForwards()
{
    m_settings->folderRec().elementSeparator = 2;
    m_settings->folderRec().forceUniqueness = true;
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    model.reload();
    Ui::FinalStagePanel panel(model);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    Ui::ElementOrderView *view = panel.elementOrderView();
    QCOMPARE(view->count(), 6);
    QCOMPARE(view->item(0)->text(), u"Prefix"_s);
    QCOMPARE(view->item(5)->text(), u"Suffix"_s);
    QCOMPARE(panel.separatorBox()->count(), 4);
    QCOMPARE(panel.separatorBox()->currentIndex(), 2);
    QVERIFY(panel.forceUniquenessBox()->isChecked());
    QVERIFY(panel.keepVoiceBox()->isChecked());
    QCOMPARE(panel.keepVoiceBox()->text(), u"Keep Voice files synchronized"_s);

    QTest::mouseClick(panel.keepVoiceBox(), Qt::LeftButton);
    QVERIFY(!model.keepVoiceSynchronized());
    panel.separatorBox()->setCurrentIndex(3);
    Q_EMIT panel.separatorBox()->activated(3);
    QCOMPARE(model.separatorIndex(), 3);

    QSignalSpy requested(&panel, &Ui::FinalStagePanel::testAndPreviewRequested);
    QVERIFY(!panel.testAndPreviewButton()->isEnabled());
    model.setTestAndPreviewEnabled(true);
    QVERIFY(panel.testAndPreviewButton()->isEnabled());
    QTest::mouseClick(panel.testAndPreviewButton(), Qt::LeftButton);
    QCOMPARE(requested.size(), 1);
}

void ComposePanelsTest::droppingAnElementReordersTheModel()
{
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    model.reload();
    Ui::ElementOrderView view(model);
    view.resize(700, view.sizeHint().height());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // Suffix dragged from the last cell onto the first. Qt delivers a drop only during a real
    // drag, so the test hands the drop to the view as its drop event does.
    view.dropElement(5, view.visualItemRect(view.item(0)).center());
    QCOMPARE(model.elementNames().first(), u"Suffix"_s);
    QCOMPARE(m_settings->folderRec().elementOrder, u"SPDNFE"_s);
    QCOMPARE(view.count(), 6);
    QStringList shown;
    for (int i = 0; i < view.count(); ++i)
        shown.append(view.item(i)->text());
    QCOMPARE(shown, model.elementNames());
    QCOMPARE(view.currentRow(), 0);

    // A drop beside the cells changes nothing.
    view.dropElement(0, QPoint(view.viewport()->width() - 2, 2));
    QCOMPARE(m_settings->folderRec().elementOrder, u"SPDNFE"_s);
}

// The switches show the core's answer: an unset storage management refuses to go on, and
// "Only use subject" appears only with a subject level.
void ComposePanelsTest::storageSwitchesFollowTheCore()
{
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    Settings::ProgramSettings program(m_dir->filePath(u"PSMSet.dat"_s));
    FakeDrives drives;
    App::StorageManagement storage(program, *m_settings, drives, m_dialogs, m_dir->filePath(u"MainFolder.dat"_s));
    QVERIFY(storage.InitFMainFolder());
    Ui::FinalStagePanel panel(model);
    panel.addStorageSwitches(storage);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(!panel.onlySubjectBox()->isVisible());

    m_dialogs.answers.enqueue(Platform::Answer{1, true});
    QTest::mouseClick(panel.useStorageBox(), Qt::LeftButton);
    QVERIFY(!panel.useStorageBox()->isChecked());
    QCOMPARE(m_dialogs.asked.size(), 1);

    Storage::StorageSettings setUp;
    setUp.levels = 2;
    setUp.subjectPosition = 1;
    setUp.mainFolder = m_dir->path();
    QVERIFY(storage.apply(setUp));
    QVERIFY(panel.useStorageBox()->isChecked());
    QVERIFY(panel.onlySubjectBox()->isVisible());
    QTest::mouseClick(panel.onlySubjectBox(), Qt::LeftButton);
    QVERIFY(m_settings->folderRec().onlyUseSubject);
}

QTEST_MAIN(ComposePanelsTest)
#include "composepanelstest.moc"
