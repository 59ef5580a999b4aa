#include "ui/groupfolderdialog.h"

#include "storage/groupfoldermodel.h"
#include "support/fakedialogs.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class GroupFolderDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void suggestionThenCreate();
};

void GroupFolderDialogTest::suggestionThenCreate()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    Storage::StorageSettings settings;
    settings.levels = 3;
    settings.promptFolder = false;
    settings.mainFolder = dir.path();
    Storage::GroupFolderModel model(settings, dialogs);
    int asked = -1;
    Ui::GroupFolderDialogHooks hooks;
    hooks.suggest = [&asked](int gapHours) {
        asked = gapHours;
        return QList<Storage::PeriodSuggestion>{{QDate(2007, 8, 30), QDate(2007, 9, 2), 12, u"Wedding"_s}};
    };
    Ui::GroupFolderDialog dialog(model, std::move(hooks));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.suggestButton(), Qt::LeftButton);
    QCOMPARE(asked, 36);
    QCOMPARE(dialog.suggestions()->count(), 1);
    Q_EMIT dialog.suggestions()->itemActivated(dialog.suggestions()->item(0));
    QCOMPARE(model.firstDate(), QDate(2007, 8, 30));
    QCOMPARE(model.description(), u"Wedding"_s);
    QVERIFY(!QFileInfo::exists(dir.path() + u"/2007"_s));
    QVERIFY(!dialog.createButton()->isEnabled());

    QTest::mouseClick(dialog.showButton(), Qt::LeftButton);
    QVERIFY(dialog.createButton()->isEnabled());
    QTest::mouseClick(dialog.createButton(), Qt::LeftButton);
    QVERIFY(QFileInfo(dir.path() + u"/2007/2007-08/2007-08-30 2007-09-02 Wedding"_s).isDir());
    QVERIFY(dialog.undoButton()->isEnabled());
}

QTEST_MAIN(GroupFolderDialogTest)
#include "groupfolderdialogtest.moc"
