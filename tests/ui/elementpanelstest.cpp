#include "ui/datetimepanel.h"
#include "ui/daynamedialog.h"
#include "ui/exiftagsdialog.h"
#include "ui/numberpanel.h"

#include "compose/datetimesettingsmodel.h"
#include "compose/daynamemodel.h"
#include "compose/exiftagdatabase.h"
#include "compose/exiftagsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlesettingsmodel.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include "exifwriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

using namespace Qt::StringLiterals;
using namespace Compose;

class ElementPanelsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void numberPanelFollowsTheModel();
    void dateTimePanelEnablesBySwitchAndSource();
    void dayNameDialogShowsTheExample();
    void exifTagsDialogTogglesAndMoves();

private:
    Settings::SessionSettingsRec stored() const
    {
        return Settings::SessionSettingsRec::fromBytes(readFile(m_settings->folderFile()));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::SessionSettings> m_settings;
    std::unique_ptr<TitleSettingsModel> m_title;
    FakeDialogs m_dialogs;
};

void ElementPanelsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_settings = std::make_unique<Settings::SessionSettings>(m_dir->filePath(u"work.dat"_s),
                                                             m_dir->filePath(u"folder.dat"_s));
    QVERIFY(m_settings->InitFSession({}, false));
    QVERIFY(m_settings->InitFSession_Local({}, false, false, QDateTime(QDate(2024, 1, 1), QTime(12, 0))));
    m_title = std::make_unique<TitleSettingsModel>(*m_settings, m_dialogs, nullptr);
}

void ElementPanelsTest::cleanup()
{
    m_title.reset();
    m_settings.reset();
    m_dir.reset();
}

void ElementPanelsTest::numberPanelFollowsTheModel()
{
    NumberSettingsModel model(*m_settings, m_dialogs, *m_title);
    Ui::NumberPanel panel(model);
    QCOMPARE(panel.extractBox()->text(), u"Extract from Current title"_s);
    QCOMPARE(panel.digitsBox()->count(), 9);
    QCOMPARE(panel.digitsBox()->currentText(), u"3"_s);
    QVERIFY(!panel.digitsBox()->isEnabled());
    QVERIFY(!panel.startField()->isEnabled());

    panel.extractBox()->click();
    QVERIFY(panel.directionBox()->isEnabled());
    QVERIFY(panel.digitsBox()->isEnabled());
    panel.counterBox()->click();
    QVERIFY(!panel.extractBox()->isChecked());
    QVERIFY(!panel.directionBox()->isEnabled());
    QVERIFY(panel.startField()->isEnabled());
    QVERIFY(panel.resetBox()->isEnabled());
    QVERIFY(stored().useCounter);

    panel.startField()->setFocus();
    panel.startField()->selectAll();
    QTest::keyClicks(panel.startField(), u"7x"_s);
    QCOMPARE(panel.startField()->text(), u"7"_s);
    QCOMPARE(m_dialogs.statuses.last().text, u"Use only numeric characters"_s);
}

void ElementPanelsTest::dateTimePanelEnablesBySwitchAndSource()
{
    DateTimeSettingsModel model(*m_settings, *m_title);
    Ui::DateTimePanel panel(model);
    QCOMPARE(panel.dateFormatBox()->count(), 12);
    QCOMPARE(panel.timeFormatBox()->count(), 8);
    QVERIFY(!panel.dateSourceBox()->isEnabled());
    QVERIFY(!panel.dayButton()->isEnabled());
    QVERIFY(!panel.separatorBox()->isEnabled());

    panel.dateBox()->click();
    QVERIFY(panel.dateSourceBox()->isEnabled());
    QVERIFY(panel.dateFormatBox()->isEnabled());
    QVERIFY(panel.dayButton()->isEnabled());
    QVERIFY(panel.separatorBox()->isEnabled());
    QVERIFY(!panel.pickedDateEdit()->isEnabled());
    model.setDateSource(DateTimeSettingsModel::PickedSource);
    QVERIFY(panel.pickedDateEdit()->isEnabled());
    QCOMPARE(panel.pickedDateEdit()->date(), QDate(2024, 1, 1));
    panel.pickedDateEdit()->setDate(QDate(2023, 12, 24));
    QCOMPARE(model.pickedDate(), QDate(2023, 12, 24));
    QCOMPARE(stored().dateSource, 2);

    QVERIFY(!panel.timeSourceBox()->isEnabled());
    panel.timeBox()->click();
    QVERIFY(panel.timeFormatBox()->isEnabled());
    QVERIFY(!panel.pickedTimeEdit()->isEnabled());
    panel.dateBox()->click();
    QVERIFY(panel.separatorBox()->isEnabled());
    QVERIFY(!panel.pickedDateEdit()->isEnabled());
    QVERIFY(stored().useTime);
    QVERIFY(!stored().useDate);
}

void ElementPanelsTest::dayNameDialogShowsTheExample()
{
    m_settings->folderRec().useDate = true;
    m_settings->folderRec().dateFormat = 3;
    m_settings->folderRec().dateTimeSeparator = 2;
    DayNameModel model(*m_settings, *m_title, QLocale(QLocale::English),
                       [] { return QDateTime(QDate(2023, 12, 24), QTime(15, 30)); });
    Ui::DayNameDialog dialog(model);
    QCOMPARE(dialog.exampleLabel()->text(), u"Example: 2023-12-24"_s);
    QVERIFY(!dialog.abbreviateBox()->isEnabled());
    dialog.addBox()->click();
    dialog.abbreviateBox()->click();
    QCOMPARE(dialog.exampleLabel()->text(), u"Example: 2023-12-24_Sun"_s);
    dialog.placementBox()->setCurrentIndex(1);
    Q_EMIT dialog.placementBox()->activated(1);
    QCOMPARE(dialog.exampleLabel()->text(), u"Example: Sun_2023-12-24"_s);
    dialog.addBox()->click();
    QVERIFY(!dialog.abbreviateBox()->isChecked());
    QVERIFY(!dialog.placementBox()->isEnabled());
    dialog.addBox()->click();
    dialog.accept();
    QVERIFY(stored().addNameOfDay);
    QVERIFY(!stored().abbreviateNameOfDay);
    QCOMPARE(stored().dayNamePlacement, 1);
}

void ElementPanelsTest::exifTagsDialogTogglesAndMoves()
{
    Tools::ExifWriter exif;
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, "Canon");
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::model, "EOS");
    const QString picture = m_dir->filePath(u"a.jpg"_s);
    QVERIFY(writeFile(picture, *exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4))));
    ExifTagDatabase database(m_dir->filePath(u"ExifEl.dat"_s));
    QVERIFY(database.InitFExifEl());
    ExifTagsModel model(database, *m_settings, m_dialogs, nullptr, {picture}, picture);
    QVERIFY(model.fill());
    Ui::ExifTagsDialog dialog(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"Select Exif tags"_s);
    QVERIFY(!dialog.upButton()->isEnabled());
    QVERIFY(dialog.downButton()->isEnabled());
    QVERIFY(!dialog.moveToTopButton()->isEnabled());
    QVERIFY(!dialog.markBox()->isEnabled());

    QTableView *table = dialog.table();
    const QRect cell = table->visualRect(model.index(1, ExifTagsModel::SelectedColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(model.selectedCount(), 1);
    QVERIFY(dialog.moveToTopButton()->isEnabled());
    dialog.moveToTopButton()->click();
    QCOMPARE(model.tags().at(0).ElTag, u"Model"_s);
    dialog.inTitleBox()->click();
    QVERIFY(dialog.markBox()->isEnabled());
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(stored().exifTagsInTitle);
}

QTEST_MAIN(ElementPanelsTest)
#include "elementpanelstest.moc"
