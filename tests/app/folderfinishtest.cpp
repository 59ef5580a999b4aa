#include "app/folderfinish.h"

#include "app/application.h"
#include "dictionary/dictionarystore.h"
#include "dictionary/pictitlerec.h"
#include "l10n/language.h"
#include "session/picturesession.h"
#include "settings/overallsettingsrec.h"
#include "settings/programsettings.h"
#include "settings/programsettingsrec.h"
#include "settings/sessionsettings.h"
#include "settings/sessionsettingsrec.h"
#include "retitle/retitler.h"
#include "retitle/testpassresult.h"
#include "storage/subjectstore.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace App;

class FolderFinishTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void quitAndResumeLater();
    void captionsInDutch();
    void doneCarriesTheActiveDictionaryAndRemovesTheWorkFiles();
    void emptiedFolderMayGoToo_data();
    void emptiedFolderMayGoToo();
    void workFileThatCannotGoKeepsTheRest();
    void emptiedFolderCanBeUndone();

private:
    bool workFilesPresent(bool present) const;
    // Moves the folder's only picture into a storage folder, as a storage run does.
    void storeThePicture();
    QString pictures(const QString &name) const { return m_folder + u'/' + name; }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_folder;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    std::unique_ptr<Application> m_application;
};

void FolderFinishTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    const QString app = m_root->filePath(u"program/"_s);
    m_folder = m_root->filePath(u"trip"_s);
    QVERIFY(QDir().mkpath(app) && QDir().mkpath(m_folder));
    Settings::OverallSettingsRec overall;
    overall.language = -1;
    overall.version = u"4.4.0.0"_s;
    QVERIFY(writeFile(app + u"MrlOverallSet.dat"_s, overall.toBytes()));
    QVERIFY(writeFile(pictures(u"IMG_0001.jpg"_s)));
    m_dialogs = FakeDialogs();
    m_application = std::make_unique<Application>(Locations{m_root->filePath(u"data/Mirelto/"_s), app},
                                                  Machine{m_drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1},
                                                  m_dialogs);
    QVERIFY(m_application->start(m_folder));
    QVERIFY(workFilesPresent(true));
}

void FolderFinishTest::cleanup()
{
    m_application.reset();
    m_root.reset();
}

bool FolderFinishTest::workFilesPresent(bool present) const
{
    for (const QString &name : FolderFinish::workFileNames()) {
        // The folder's new-folder list is made only when storage management needs it.
        if (name == u"PicNewFolder.dat"_s && !QFile::exists(pictures(name)))
            continue;
        if (QFile::exists(pictures(name)) != present)
            return false;
    }
    return true;
}

void FolderFinishTest::captionsInDutch()
{
    L10n::LanguageSwitch dutch;
    dutch.apply(L10n::LanguageCode::Dutch, L10n::LanguageCode::Dutch);
    m_dialogs.answers.enqueue({1, true, 2});
    m_application->quitSession();
    QCOMPARE(m_dialogs.asked.constLast().caption, u"Mirelto - Klaar ?"_s);
}

// "No" keeps the session for later; the chosen dictionary action is remembered all the same,
// and the closing that follows asks nothing more and saves the session as ever.
void FolderFinishTest::quitAndResumeLater()
{
    m_dialogs.answers.enqueue({1, true, 2});
    m_application->quitSession();
    QCOMPARE(m_dialogs.asked.size(), 1);
    const Platform::Question &question = m_dialogs.asked.at(0);
    QCOMPARE(question.caption, u"Mirelto - Done ?"_s);
    QCOMPARE(question.lines, QStringList{u"Please confirm that you are done with this folder"_s});
    QCOMPARE(question.buttons.size(), 2);
    QCOMPARE(question.escapeButton, -1);
    QVERIFY(question.checkBoxCaption.isEmpty());
    QCOMPARE(m_application->programSettings().rec().PSActDicAction, 2);

    m_application->sessionSettings().folderRec().usePrefix = true;
    m_application->close();
    QCOMPARE(m_dialogs.asked.size(), 1);
    QVERIFY(workFilesPresent(true));
    QVERIFY(Settings::SessionSettingsRec::fromBytes(readFile(pictures(u"MrlSessionSet.dat"_s))).usePrefix);

    // A box closed as the program is ended keeps everything, too.
    m_dialogs.asked.clear();
    FolderFinish finish(m_application->pictures(), m_application->dictionaries(), m_application->programSettings(),
                        m_dialogs);
    m_dialogs.answers.enqueue(Platform::keepEverything(finish.question(false)));
    QVERIFY(!finish.ShowForm8(false));
    QCOMPARE(m_dialogs.asked.at(0).lines, QStringList{u"Are you done with this folder?"_s});
    QVERIFY(workFilesPresent(true));
}

void FolderFinishTest::doneCarriesTheActiveDictionaryAndRemovesTheWorkFiles()
{
    const QString loaded = m_root->filePath(u"data/Mirelto/LoadedDic.dat"_s);
    Dictionary::PicTitleRec porto;
    porto.title = u"Porto"_s;
    porto.version = u"4.4.0.0"_s;
    porto.source = u"N"_s;
    QVERIFY(writeFile(loaded, porto.toBytes()));
    m_application->dictionaries().AddConfirmedFreeText(u"Lisbon tram"_s);
    const QByteArray active = readFile(pictures(u"MrlActiveDic.dat"_s));
    QCOMPARE(active.size(), Dictionary::PicTitleRec::size);

    m_dialogs.answers.enqueue({0, true, 0});
    m_application->quitSession();
    QVERIFY(m_application->workFilesRemoved());
    QCOMPARE(readFile(loaded), porto.toBytes() + active);
    QVERIFY(workFilesPresent(false));
    QVERIFY(QFile::exists(pictures(u"IMG_0001.jpg"_s)));
    // Closing writes no session file back.
    m_application->close();
    QVERIFY(workFilesPresent(false));
    QCOMPARE(m_dialogs.informed.size(), 0);
}

void FolderFinishTest::emptiedFolderMayGoToo_data()
{
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("removable");
    QTest::newRow("only work files and Thumbs.db") << u"Thumbs.db"_s << true;
    QTest::newRow("thumbnail folder") << u"xelthumb/IMG_0001.jpg"_s << false;
    QTest::newRow("hidden file") << u".directory"_s << false;
}

// Every picture was moved away: the "Done !" box, whose check box may remove the folder when
// nothing but the work files is left in it.
void FolderFinishTest::emptiedFolderMayGoToo()
{
    QFETCH(QString, other);
    QFETCH(bool, removable);
    QVERIFY(QFile::remove(pictures(u"IMG_0001.jpg"_s)));
    QVERIFY(QDir().mkpath(QFileInfo(pictures(other)).path()));
    QVERIFY(writeFile(pictures(other)));
    m_application->programSettings().rec().PSRemoveSourceFolder = true;
    Session::PictureSession emptied(m_dialogs, m_application->subjects());
    emptied.setFolder(m_folder, u"4.4.0.0"_s);
    FolderFinish finish(emptied, m_application->dictionaries(), m_application->programSettings(), m_dialogs);

    const Platform::Question question = finish.question(false);
    QCOMPARE(question.caption, u"Mirelto - Done !"_s);
    QCOMPARE(question.buttons, QStringList{u"Remove the workfiles"_s});
    QCOMPARE(question.checkBoxEnabled, removable);
    QCOMPARE(question.checkBoxChecked, removable);
    QVERIFY(question.checkBoxHint.endsWith(removable ? u"' is empty and can be removed (provided that the source folder is not in use by another program)"_s
                                                     : u"' is not empty"_s));
    m_dialogs.answers.enqueue({0, true, 2});
    QVERIFY(finish.ShowForm8(false));
    QCOMPARE(QFileInfo::exists(m_folder), !removable);
    QVERIFY(workFilesPresent(false));
    QVERIFY(m_dialogs.informed.isEmpty());
}

void FolderFinishTest::workFileThatCannotGoKeepsTheRest()
{
    // A file the system will not delete: here a folder in its place.
    const QString first = pictures(u"MrlSessionSet.dat"_s);
    QVERIFY(QFile::remove(first));
    QVERIFY(QDir().mkpath(first + u"/inside"_s));
    QVERIFY(!m_application->folderFinish().RemoveWorkFiles(true));
    QCOMPARE(m_dialogs.informed.size(), 2);
    QCOMPARE(m_dialogs.informed.at(0).text, first + u" could not be removed!"_s);
    QVERIFY(m_dialogs.informed.at(1).text.startsWith(u"'"_s + m_folder + u"' could not be removed!\n\nIf you started"_s));
    for (const QString &name : {u"MrlActiveDic.dat"_s, u"MrlSGTitle2.dat"_s, u"MrlAContextDic.dat"_s})
        QVERIFY2(QFile::exists(pictures(name)), qPrintable(name));
}

void FolderFinishTest::storeThePicture()
{
    Retitle::TestPassResult pass;
    pass.storageFolder = m_root->filePath(u"store"_s);
    pass.newFolders = {pass.storageFolder + u"/2023"_s};
    QVERIFY(QDir().mkpath(pass.newFolders.first()));
    Session::PictureRow &row = m_application->pictures().rowForChange(0);
    row.marker = Session::Marker::selected;
    row.freeText = u"Harbour"_s;
    Retitle::Rtitle title;
    title.FinalTitle = u"Harbour.jpg"_s;
    title.Folder = pass.newFolders.first();
    title.FinalTitle_Row = 0;
    pass.titles = {title};
    QVERIFY(m_application->retitler().Retitle(pass, true));
    QVERIFY(!QFile::exists(pictures(u"IMG_0001.jpg"_s)));
    QCOMPARE(m_application->pictures().rowCount(), 0);
}

// A storage run that took every picture away can be undone from the "Done !" box, and, when
// the box removed the work files, at the next start of the folder.
void FolderFinishTest::emptiedFolderCanBeUndone()
{
    storeThePicture();
    m_dialogs.answers.enqueue({1, true, 2});
    QVERIFY(!m_application->close());
    QCOMPARE(m_dialogs.asked.last().buttons.value(1), u"&Undo last retitling"_s);
    QVERIFY(QFile::exists(pictures(u"IMG_0001.jpg"_s)));
    QCOMPARE(m_application->pictures().rowCount(), 1);

    storeThePicture();
    m_dialogs.answers.enqueue({0, false, 2});
    QVERIFY(m_application->close());
    QVERIFY(workFilesPresent(false));
    m_application.reset();
    m_dialogs = FakeDialogs();
    m_dialogs.answers.enqueue({0, true, -1});
    m_application = std::make_unique<Application>(
        Locations{m_root->filePath(u"data/Mirelto/"_s), m_root->filePath(u"program/"_s)},
        Machine{m_drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, m_dialogs);
    QVERIFY(m_application->start(m_folder));
    QVERIFY(!m_dialogs.asked.isEmpty());
    QVERIFY(m_dialogs.asked.first().details.contains(u"IMG_0001.jpg\t\u2190\t"_s
                                                     + QDir::toNativeSeparators(m_root->filePath(u"store/2023/Harbour.jpg"_s))));
    QVERIFY(QFile::exists(pictures(u"IMG_0001.jpg"_s)));
    QCOMPARE(m_application->pictures().rowCount(), 1);
}

QTEST_GUILESS_MAIN(FolderFinishTest)
#include "folderfinishtest.moc"
