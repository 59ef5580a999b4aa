#include "ui/clipboarddialog.h"
#include "ui/folderbuilddialog.h"
#include "ui/optionsdialog.h"

#include "app/clipboardmodel.h"
#include "app/folderbuildmodel.h"
#include "dictionary/storefixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using Number = App::OptionsModel::Number;

class DictionaryDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderPickerOpensOnShow();
    void clipboardButtonsFollowTheText();
    void optionsCorrectInputAndCancelKeepsAll();
};

void DictionaryDialogsTest::folderPickerOpensOnShow()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    Settings::ProgramSettings settings(dir.filePath(u"PSMSet.dat"_s));
    App::FolderBuildModel model(settings, 0, dialogs);
    dialogs.folders.enqueue(dir.path());
    Ui::FolderBuildDialog dialog(model);
    QVERIFY(!dialog.makeButton()->isEnabled());
    QVERIFY(dialog.addButton()->isChecked());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_COMPARE(dialogs.browsed.size(), 1);
    QVERIFY(dialog.makeButton()->isEnabled());
    QVERIFY(dialog.folderLabel()->text().endsWith(dir.path().section(u'/', -1)));
    dialog.replaceButton()->setChecked(true);
    dialog.subfoldersBox()->setChecked(false);
    QTest::mouseClick(dialog.makeButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(model.replace() && !model.includeSubfolders());
}

void DictionaryDialogsTest::clipboardButtonsFollowTheText()
{
    FakeDialogs dialogs;
    int kept = 0;
    App::ClipboardModel model(u"/nonexistent/Private"_s, 1, [&kept] { ++kept; }, dialogs);
    Ui::ClipboardDialog dialog(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.makeButton()->isEnabled() && !dialog.saveButton()->isEnabled());
    QTest::keyClicks(dialog.textArea(), u"Ann"_s);
    QVERIFY(dialog.makeButton()->isEnabled() && dialog.saveButton()->isEnabled());
    dialog.addButton()->setChecked(true);
    QTest::mouseClick(dialog.makeButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!model.replace());
    QCOMPARE(model.lines(), QStringList{u"Ann"_s});
    QCOMPARE(kept, 1);
}

void DictionaryDialogsTest::optionsCorrectInputAndCancelKeepsAll()
{
    StoreFixture fixture;
    App::OptionsModel model(fixture.settings, fixture.store, fixture.dialogs, App::OptionsModel::Page::Dictionary);
    {
        Ui::OptionsDialog dialog(model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.pages()->currentIndex(), 0);
        QVERIFY(dialog.numberBox(Number::MaxDic)->findChild<QLineEdit *>()->isReadOnly());
        Ui::OptionNumberBox *hits = dialog.numberBox(Number::MaxHits);
        hits->setFocus();
        hits->selectAll();
        QTest::keyClicks(hits, u"6x0"_s);
        QCOMPARE(hits->text(), u"60"_s);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(model.value(Number::MaxHits), 20);

    Ui::OptionsDialog dialog(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Ui::OptionNumberBox *clip = dialog.numberBox(Number::ClipSize);
    clip->setFocus();
    clip->selectAll();
    QTest::keyClicks(clip, u"3"_s);
    QTest::keyClick(clip, Qt::Key_Tab);
    QCOMPARE(clip->text(), u"30"_s);
    clip->setFocus();
    clip->selectAll();
    QTest::keyClick(clip, Qt::Key_Delete);
    dialog.accept();
    QCOMPARE(model.value(Number::ClipSize), 100);
    QCOMPARE(fixture.settings.rec().PSClipSize, 50);
}

QTEST_MAIN(DictionaryDialogsTest)
#include "dictionarydialogstest.moc"
