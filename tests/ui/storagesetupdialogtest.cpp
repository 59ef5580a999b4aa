#include "ui/storagesetupdialog.h"

#include "storage/storagesetupmodel.h"
#include "support/fakedialogs.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class StorageSetupDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void walksThroughTheSteps();
};

void StorageSetupDialogTest::walksThroughTheSteps()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakeDrives drives;
    QList<Storage::StorageSettings> applied;
    Storage::StorageSettings stored;
    stored.mainFolder = dir.path();
    Storage::StorageSetupModel model(stored, drives, dialogs, [&applied](const Storage::StorageSettings &settings) {
        applied.append(settings);
        return true;
    });
    Ui::StorageSetupDialog dialog(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.finishButton()->isVisible());
    QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
    QCOMPARE(model.step(), 2);
    QVERIFY(!dialog.nextButton()->isEnabled());
    QTest::mouseClick(dialog.schemeButton(3), Qt::LeftButton);
    QVERIFY(dialog.schemeButton(3)->isChecked());
    QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
    QVERIFY(dialog.finishButton()->isVisible());
    QVERIFY(!dialog.nextButton()->isVisible());
    QTest::mouseClick(dialog.finishButton(), Qt::LeftButton);
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.first().levels, 3);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

QTEST_MAIN(StorageSetupDialogTest)
#include "storagesetupdialogtest.moc"
