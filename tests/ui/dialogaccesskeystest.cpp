#include "ui/mainmenus.h"
#include "ui/mainwindowhost.h"
#include "ui/mainwindow.h"

#include "app/application.h"
#include "app/maincommands.h"
#include "app/storagemanagement.h"
#include "l10n/language.h"
#include "session/selection.h"
#include "storage/storagesettings.h"
#include "support/accesskeys.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/programfolders.h"

#include "exifwriter.h"

#include <QApplication>
#include <QDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using App::MainCommand;

// Every dialog of the menus, opened as the user opens it, in either language: no two of its
// controls answer to the same access key.
class DialogAccessKeysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void dialogs_data();
    void dialogs();
};

void DialogAccessKeysTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DialogAccessKeysTest::dialogs_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(L10n::LanguageCode::English);
    QTest::newRow("Dutch") << int(L10n::LanguageCode::Dutch);
}

void DialogAccessKeysTest::dialogs()
{
    QFETCH(int, language);
    L10n::LanguageSwitch active;
    active.apply(language, language);
    QTemporaryDir root;
    QVERIFY(makeProgramAndPictures(root.path(), {u"a.jpg"_s, u"b.jpg"_s}));
    // A picture with EXIF tags, so that the tags dialog has something to show.
    Tools::ExifWriter exif;
    exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, "Canon");
    QVERIFY(writeFile(root.filePath(u"pics/a.jpg"_s), *exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4))));
    FakeDialogs fakeDialogs;
    FakeDrives drives;
    App::Application application({root.filePath(u"work/"_s), root.filePath(u"program/"_s)},
                                 {drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, fakeDialogs);
    Ui::MainWindowHost host(application);
    QVERIFY(application.start(root.filePath(u"pics"_s)));
    Ui::MainWindow &window = host.window();
    window.showForSession();
    // Storage management with a subject level, so that its dialogs and the subjects can open.
    Storage::StorageSettings storage;
    storage.levels = 2;
    storage.subjectPosition = 1;
    storage.mainFolder = root.path();
    QVERIFY(application.storage().apply(storage));
    application.selection().BtnSelectClick(Session::SelectionKind::All);

    const QList<MainCommand> commands = {
        MainCommand::SetupStorage,        MainCommand::CreateGroupFolder,    MainCommand::MaintainStrings,
        MainCommand::ProgramOptions,      MainCommand::DictionaryFromClipboard, MainCommand::DictionaryFromFolder,
        MainCommand::DictionaryOptions,   MainCommand::MaintainSubjects,     MainCommand::FindReplace,
        MainCommand::CutCharacters,       MainCommand::ExifTags,             MainCommand::MaintainExtensions,
        MainCommand::MaintainFolderList,  MainCommand::TestAndPreview,
    };
    QStringList problems;
    for (const MainCommand command : commands) {
        QString seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QDialog *>(top);
                if (!dialog || !dialog->isVisible())
                    continue;
                seen = dialog->windowTitle();
                for (const QString &clash : accessKeyClashes(dialog))
                    problems.append(seen + u": "_s + clash);
                dialog->reject();
            }
        });
        poll.start(20);
        // Finding and replacing needs free texts to search.
        if (command == MainCommand::FindReplace)
            window.menus().commands().run(MainCommand::CopyCurrentTitle);
        // Test & Preview without storage management, which would want a subject for every picture.
        if (command == MainCommand::TestAndPreview)
            QVERIFY(application.storage().apply({}));
        window.menus().commands().run(command);
        QTRY_VERIFY2(!seen.isEmpty(), qPrintable(u"no dialog for command %1"_s.arg(int(command))));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    window.close();
}

QTEST_MAIN(DialogAccessKeysTest)
#include "dialogaccesskeystest.moc"
