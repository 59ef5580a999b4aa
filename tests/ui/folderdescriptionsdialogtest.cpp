#include "ui/folderdescriptionsdialog.h"

#include "platform/dialogs.h"
#include "settings/programsettings.h"
#include "storage/folderdescriptions.h"
#include "support/fakedialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The dialog shows its model: typing goes through the input rule, Enter confirms and moves on,
// and the cursor keys browse the pictures only while the description field has no focus.
class FolderDescriptionsDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typingAndBrowsing();
};

void FolderDescriptionsDialogTest::typingAndBrowsing()
{
    QTemporaryDir dir;
    Settings::ProgramSettings settings(dir.filePath(u"PSMSet.dat"_s));
    FakeDialogs dialogs;
    Storage::NewFolderDescriptionInput input;
    input.pictureFolder = dir.path();
    input.newFolders = {{u"/m/2007-08-01"_s, u"/m/2007-08-01"_s, {}, {}, {}},
                        {u"/m/2007-08-02"_s, u"/m/2007-08-02"_s, {}, {}, {}}};
    input.pictures = {{u"a.jpg"_s, u"Beach walk"_s, {}, {}, u"/m/2007-08-01"_s},
                      {u"b.jpg"_s, u"Beach party"_s, {}, {}, u"/m/2007-08-01"_s}};
    Storage::FolderDescriptions model(input, {}, Storage::NewFolderFile(dir.filePath(u"PicNewFolder.dat"_s)),
                                      settings, dialogs);
    Ui::FolderDescriptionsDialog dialog(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *edit = dialog.findChild<QLineEdit *>(u"descriptionEdit"_s);
    auto *texts = dialog.findChild<QListWidget *>(u"freeTextList"_s);
    auto *table = dialog.findChild<QTableWidget *>(u"newFolderTable"_s);
    QCOMPARE(texts->count(), 2);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Left);
    QCOMPARE(model.currentPicture(), 0);
    texts->setFocus();
    QTest::keyClick(texts, Qt::Key_Right);
    QCOMPARE(model.currentPicture(), 1);
    QTest::keyClick(table, Qt::Key_Left);
    QCOMPARE(model.currentPicture(), 0);
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(texts->currentRow(), 1);

    edit->setFocus();
    QTest::keyClicks(edit, u"Sea:side"_s);
    QCOMPARE(edit->text(), u"Seaside"_s);
    QCOMPARE(dialogs.statuses.size(), 1);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(model.currentRow(), 1);
    QCOMPARE(table->item(0, 2)->text(), u"Seaside"_s);
    QCOMPARE(texts->item(0)->text(), Storage::FolderDescriptions::noFreeTextsText());
}

QTEST_MAIN(FolderDescriptionsDialogTest)
#include "folderdescriptionsdialogtest.moc"
