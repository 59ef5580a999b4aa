#include "app/dictionarybuilding.h"

#include "app/application.h"
#include "app/clipboardmodel.h"
#include "app/folderbuildmodel.h"
#include "dictionary/dictionarystore.h"
#include "l10n/language.h"
#include "l10n/text.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "session/picturesession.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/programfolders.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using App::DictionaryBuilding;

class DictionaryBuildingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void folderDialogPresetsAndRefusals();
    void folderBuildRemembersTheFolderAndTellsFull();
    void unreadableFoldersAreCounted();
    void cancelledFolderBuildSaysSo();
    void textBuildKeepsAddForTheFolder();
    void optionsAreStoredOnlyOnOk();
    void languageSwitchesAtOnceOnOk();

private:
    QString workFile(const QString &name) const { return m_root->filePath(u"work/"_s + name); }

    std::unique_ptr<QTemporaryDir> m_root;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    std::unique_ptr<App::Application> m_application;
};

void DictionaryBuildingTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DictionaryBuildingTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(makeProgramAndPictures(m_root->path(), {u"a.jpg"_s}));
    QVERIFY(QDir().mkpath(m_root->filePath(u"titled/sub"_s)));
    for (const QString &name : {u"Beach 001.jpg"_s, u"Beach 002.jpg"_s, u"Harbour 001.jpg"_s})
        QVERIFY(writeFile(m_root->filePath(u"titled/sub/"_s + name)));
    m_dialogs = FakeDialogs();
    m_application = std::make_unique<App::Application>(
        App::Locations{m_root->filePath(u"work/"_s), m_root->filePath(u"program/"_s)},
        App::Machine{m_drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, m_dialogs);
    QVERIFY(m_application->start(m_root->filePath(u"pics"_s)));
    m_application->programSettings().rec().PSShowMessage.fill(true);
    m_dialogs = FakeDialogs();
}

void DictionaryBuildingTest::cleanup()
{
    m_application.reset();
    m_root.reset();
}

void DictionaryBuildingTest::folderDialogPresetsAndRefusals()
{
    m_application->programSettings().rec().PSDicFolder = m_root->filePath(u"gone"_s);
    const auto model = DictionaryBuilding(*m_application).folderModel();
    // A new folder presets Replace; a last folder that is gone is not offered.
    QVERIFY(model->replace());
    QVERIFY(model->includeSubfolders());
    QVERIFY(model->folder().isEmpty());
    QVERIFY(!model->makeEnabled());
    m_dialogs.folders.enqueue(m_root->filePath(u"titled/"_s));
    m_dialogs.folders.enqueue(std::nullopt);
    model->browse();
    model->browse();
    QCOMPARE(model->folder(), m_root->filePath(u"titled"_s));
    QVERIFY(model->accept());
    QVERIFY(m_dialogs.informed.isEmpty());

    // A folder of another machine is refused, even when a local folder answers to its path.
    m_dialogs.folders.enqueue(u"/"_s + m_root->filePath(u"titled"_s));
    model->browse();
    QVERIFY(model->makeEnabled());
    QVERIFY(!model->accept());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"In case of a network drive, map this drive first and select the mapped drive"_s);
}

void DictionaryBuildingTest::folderBuildRemembersTheFolderAndTellsFull()
{
    Dictionary::DictionaryStore &store = m_application->dictionaries();
    QSignalSpy entries(&store, &Dictionary::DictionaryStore::entriesShown);
    DictionaryBuilding building(*m_application);
    auto model = building.folderModel();
    m_dialogs.folders.enqueue(m_root->filePath(u"titled"_s));
    model->browse();
    model->setIncludeSubfolders(false);
    building.buildFromFolder(*model);
    QVERIFY(store.table(Dictionary::DicIndex::Static).entries().empty());
    QCOMPARE(entries.first().first().toString(), u" . . . . . . . . . . . . . . . . . ."_s);
    QCOMPARE(entries.last().first().toString(), store.entriesText());
    QVERIFY(m_dialogs.asked.isEmpty());

    // The folder is saved with the program settings and offered next time; the sub-folder's
    // entries go over a maximum of 0.
    QCOMPARE(Settings::ProgramSettingsRec::fromBytes(readFile(workFile(u"PSMSet.dat"_s))).PSDicFolder,
             m_root->filePath(u"titled"_s));
    m_application->programSettings().rec().PSMaxDic = 0;
    model = building.folderModel();
    QCOMPARE(model->folder(), m_root->filePath(u"titled"_s));
    model->setIncludeSubfolders(true);
    // The progress goes before the message is shown.
    qsizetype askedWhenFinished = -1;
    const Session::FolderBuildResult result =
        building.buildFromFolder(*model, {}, [&] { askedWhenFinished = m_dialogs.asked.size(); });
    QCOMPARE(askedWhenFinished, 0);
    QVERIFY(result.full);
    QCOMPARE(int(store.table(Dictionary::DicIndex::Static).entries().size()), 2);
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).header, u"Dictionary full!"_s);
}

// Folders the build cannot list are skipped and counted in its closing message: a name that is
// not UTF-8 (readable by no one under the name the program knows it by) and, where the test is
// not run with every permission, a folder without read permission.
void DictionaryBuildingTest::unreadableFoldersAreCounted()
{
    const QByteArray titled = QFile::encodeName(m_root->filePath(u"titled"_s));
    QCOMPARE(::mkdir(QByteArray(titled + "/caf\xE9").constData(), 0755), 0);
    int expected = 1;
    if (::geteuid() != 0) {
        QVERIFY(QDir().mkpath(m_root->filePath(u"titled/closed"_s)));
        QVERIFY(QFile::setPermissions(m_root->filePath(u"titled/closed"_s), QFileDevice::Permissions()));
        expected = 2;
    }
    DictionaryBuilding building(*m_application);
    auto model = building.folderModel();
    m_dialogs.folders.enqueue(m_root->filePath(u"titled"_s));
    model->browse();
    model->setIncludeSubfolders(true);
    const Session::FolderBuildResult result = building.buildFromFolder(*model);
    QFile::setPermissions(m_root->filePath(u"titled/closed"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                    | QFileDevice::ExeOwner);
    QCOMPARE(result.foldersUnreadable, expected);
    QCOMPARE(int(m_application->dictionaries().table(Dictionary::DicIndex::Static).entries().size()), 2);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.first().text,
             expected == 1 ? u"1 folder could not be read"_s : u"2 folders could not be read"_s);
    QCOMPARE(DictionaryBuilding::unreadableText(2), u"2 folders could not be read"_s);
}

void DictionaryBuildingTest::cancelledFolderBuildSaysSo()
{
    DictionaryBuilding building(*m_application);
    auto model = building.folderModel();
    m_dialogs.folders.enqueue(m_root->filePath(u"titled"_s));
    model->browse();
    m_application->programSettings().rec().PSMaxDic = 0;
    const Session::FolderBuildResult result =
        building.buildFromFolder(*model, [](const Session::FolderBuildProgress &) { return false; });
    QVERIFY(result.cancelled);
    // Neither "Dictionary full!" nor silence: the user hears that nothing changed.
    QVERIFY(m_dialogs.asked.isEmpty());
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).text,
             u"The dictionary build was cancelled: the Static dictionary and its files are as they were before."_s);
}

void DictionaryBuildingTest::textBuildKeepsAddForTheFolder()
{
    DictionaryBuilding building(*m_application);
    auto model = building.clipboardModel();
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).header, u"Clipboard to Static Dictionary"_s);
    QVERIFY(model->replace());
    QVERIFY(QFileInfo(model->privateFolder()).isDir());
    model->setContent(u"St. Ives harbour\na*b"_s);
    model->make();
    building.buildFromText(*model);
    QCOMPARE(m_application->dictionaries().table(Dictionary::DicIndex::Static).entries().front().DicTitle,
             u"St. Ives harbour"_s);

    // Saved with the folder's session settings: both dialogs now preset Add.
    const QString sessionFile = m_application->sessionSettings().folderFile();
    QCOMPARE(Settings::SessionSettingsRec::fromBytes(readFile(sessionFile)).addOrReplaceDefault, 0);
    QVERIFY(!building.clipboardModel()->replace());
    QVERIFY(!building.folderModel()->replace());
}

void DictionaryBuildingTest::optionsAreStoredOnlyOnOk()
{
    Settings::ProgramSettingsRec &rec = m_application->programSettings().rec();
    rec.PSMaxDic = 12400;
    rec.PSShowMessage.fill(true);
    rec.PSShowMessage[3] = false;
    DictionaryBuilding building(*m_application);
    auto model = building.optionsModel(App::OptionsModel::Page::Program);
    QCOMPARE(model->value(App::OptionsModel::Number::MaxDic), 12);
    QVERIFY(!model->showAllMessages() && !model->showAllMessagesLocked());
    model->setValue(App::OptionsModel::Number::MaxDic, 7);
    model->setValue(App::OptionsModel::Number::ClipSize, 80);
    // Cancel: the model goes without accept.
    model.reset();
    QCOMPARE(rec.PSMaxDic, 12400);

    model = building.optionsModel(App::OptionsModel::Page::Dictionary);
    model->setValue(App::OptionsModel::Number::MaxDic, 7);
    model->setValue(App::OptionsModel::Number::ClipSize, 80);
    model->setShowAllMessages(true);
    building.acceptOptions(*model);
    const Settings::ProgramSettingsRec saved =
        Settings::ProgramSettingsRec::fromBytes(readFile(workFile(u"PSMSet.dat"_s)));
    QCOMPARE(saved.PSMaxDic, 7000);
    QCOMPARE(saved.PSClipSize, 80);
    QVERIFY(saved.PSShowMessage[3]);
    // With every message shown the box is locked.
    QVERIFY(building.optionsModel(App::OptionsModel::Page::Program)->showAllMessagesLocked());
}

void DictionaryBuildingTest::languageSwitchesAtOnceOnOk()
{
    QCOMPARE(m_application->language(), L10n::LanguageCode::English);
    QSignalSpy changed(m_application.get(), &App::Application::languageChanged);
    DictionaryBuilding building(*m_application);
    auto model = building.optionsModel(App::OptionsModel::Page::Program);
    QCOMPARE(model->languageItem(), 0);
    model->setLanguageItem(1);
    model.reset();
    QCOMPARE(m_application->language(), L10n::LanguageCode::English);

    // A picture marked for deletion says so in the language in force.
    m_application->pictures().rowForChange(0).markedForDeletion = true;
    m_application->pictures().rowForChange(0).freeText = Session::PictureSession::deletionMarkText();
    model = building.optionsModel(App::OptionsModel::Page::Program);
    model->setLanguageItem(1);
    building.acceptOptions(*model);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(L10n::text(243, "Prefix"), u"Voorvoegsel"_s);
    QCOMPARE(m_application->pictures().row(0).freeText, u"[Gemarkeerd om te verwijderen]"_s);
    QCOMPARE(Settings::ProgramSettingsRec::fromBytes(readFile(workFile(u"PSMSet.dat"_s))).PSLanguage,
             L10n::LanguageCode::Dutch);
    // The same language again, or an item that is no language, changes nothing or goes to English.
    model = building.optionsModel(App::OptionsModel::Page::Program);
    QCOMPARE(model->languageItem(), 1);
    building.acceptOptions(*model);
    QCOMPARE(changed.size(), 1);
    model->setLanguageItem(5);
    building.acceptOptions(*model);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(m_application->language(), L10n::LanguageCode::English);
    QCOMPARE(m_application->pictures().row(0).freeText, u"[Marked for deletion]"_s);
}

QTEST_GUILESS_MAIN(DictionaryBuildingTest)
#include "dictionarybuildingtest.moc"
