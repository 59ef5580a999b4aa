#include "retitle/testpreview.h"

#include "retitle/destinationplanner.h"
#include "retitle/retitler.h"
#include "retitle/syncext.h"

#include "faultyfilesystem.h"

#include "compose/titlecomposer.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/subjectsource.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Retitle;

namespace {

// The picture folder as destination, with folder creation a test can make fail.
class FailingFolders final : public DestinationPlanner
{
public:
    explicit FailingFolders(const QString &folder) : m_folder(folder) {}
    bool isActive() const override { return false; }
    bool isAvailable() const override { return false; }
    bool CheckOnPSMConflict() override { return conflict; }
    bool plan(const QList<int> &, const Progress &) override { return true; }
    QString destination(int) const override { return m_folder; }
    QString linkOnTheWay(int) const override { return {}; }
    QStringList newFolders() const override { return {}; }
    bool createNewFolders() override { return createSucceeds; }

    bool conflict = false;
    bool createSucceeds = true;

private:
    QString m_folder;
};

} // namespace

class TestPreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void picturesWithFreeTextOutsideTheSelection_data();
    void picturesWithFreeTextOutsideTheSelection();
    void checksThatStopTheCommand();
    void cleanPassRetitles();
    void erroneousPassOffersTheCorrection();
    void foldersThatCannotBeCreatedKeepTheDialogOpen();
    void syncExtensionsOfThePass();

private:
    void addPicture(const QString &name, const QString &freeText, bool selected);
    QString folderFile(const QString &name) const { return m_pictures->folderFile(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_work;
    FakeDialogs m_dialogs;
    Session::NoSubjects m_subjects;
    std::unique_ptr<Session::PictureSession> m_pictures;
    std::unique_ptr<Settings::ProgramSettings> m_programSettings;
    std::unique_ptr<Settings::SessionSettings> m_sessionSettings;
    std::unique_ptr<Session::Selection> m_selection;
    std::unique_ptr<FaultyFileSystem> m_files;
    std::unique_ptr<FailingFolders> m_destinations;
    std::unique_ptr<Retitler> m_retitler;
    std::unique_ptr<TestPreview> m_preview;
    QHash<QString, QPair<QString, bool>> m_wanted;
};

void TestPreviewTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_work = m_dir->filePath(u"work/"_s);
    QVERIFY(QDir().mkpath(m_work + u"Logs"_s));
    QVERIFY(writeFile(m_work + u"FolderUnique.dat"_s, QByteArray()));
    QVERIFY(writeFile(m_work + u"SyncExt.dat"_s, QByteArray()));
    const QString folder = m_dir->filePath(u"Holiday"_s);
    QVERIFY(QDir().mkpath(folder));
    m_dialogs = FakeDialogs();
    m_wanted.clear();
    m_pictures = std::make_unique<Session::PictureSession>(m_dialogs, m_subjects);
    m_pictures->setFolder(folder, u"4.4.0.0"_s);
    QVERIFY(m_pictures->CreateFSGTitle());
    m_programSettings = std::make_unique<Settings::ProgramSettings>(m_work + u"PSMSet.dat"_s);
    m_sessionSettings = std::make_unique<Settings::SessionSettings>(m_work + u"MrlSessionSet.dat"_s,
                                                                    folderFile(u"MrlSessionSet.dat"_s));
    m_sessionSettings->folderRec().keepVoiceSynchronized = false;
    m_selection = std::make_unique<Session::Selection>(*m_pictures, *m_programSettings, m_dialogs);
    m_files = std::make_unique<FaultyFileSystem>(m_dir->filePath(u"bin"_s));
    m_destinations = std::make_unique<FailingFolders>(folder);
    m_retitler = std::make_unique<Retitler>(*m_pictures, *m_programSettings, m_dialogs, *m_files, m_work + u"Logs/"_s);
    m_preview = std::make_unique<TestPreview>(*m_pictures, *m_selection, *m_sessionSettings, m_dialogs, *m_files,
                                              *m_destinations, *m_retitler, m_work);
}

void TestPreviewTest::cleanup()
{
    m_preview.reset();
    m_retitler.reset();
    m_selection.reset();
    m_pictures.reset();
    m_dir.reset();
}

void TestPreviewTest::addPicture(const QString &name, const QString &freeText, bool selected)
{
    QVERIFY(writeFile(folderFile(name), name.toUtf8()));
    QVERIFY(m_pictures->FillSGTitle(false));
    // A fresh session rebuilds every row empty: set them all again.
    m_wanted.insert(name, {freeText, selected});
    int count = 0;
    for (int i = 0; i < m_pictures->rowCount(); ++i) {
        Session::PictureRow &row = m_pictures->rowForChange(i);
        const auto [text, isSelected] = m_wanted.value(row.currentTitle);
        row.freeText = text;
        row.marker = isSelected ? Session::Marker::selected : QString();
        count += isSelected ? 1 : 0;
        QVERIFY(m_pictures->UpdateFSGTitleRec(i, false, false));
    }
    m_pictures->ShowSelectedPictures(count);
}

void TestPreviewTest::picturesWithFreeTextOutsideTheSelection_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<int>("titles");
    QTest::newRow("yes") << 0 << true << 2;
    QTest::newRow("no") << 1 << true << 1;
    QTest::newRow("cancel") << 2 << false << 0;
}

void TestPreviewTest::picturesWithFreeTextOutsideTheSelection()
{
    QFETCH(int, answer);
    QFETCH(bool, dialogShown);
    QFETCH(int, titles);
    addPicture(u"A.jpg"_s, u"Beach"_s, true);
    addPicture(u"B.jpg"_s, u"Dunes"_s, false);
    m_dialogs.answers.enqueue({answer, true});
    bool shown = false;

    m_preview->TestPreviewClick([this, &shown, titles] {
        shown = true;
        m_preview->runPass();
        QCOMPARE(m_preview->result().titles.size(), titles);
        m_preview->cancel();
    });

    QCOMPARE(shown, dialogShown);
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.first().lines,
             QStringList{u"Not all pictures that have free text are selected. Do you want to automatically add those "
                         "pictures to the selection?"_s});
    QCOMPARE(m_dialogs.asked.first().buttons.size(), 3);
    // Cancel renames nothing.
    QVERIFY(QFileInfo::exists(folderFile(u"A.jpg"_s)));
}

void TestPreviewTest::checksThatStopTheCommand()
{
    addPicture(u"A.jpg"_s, u"Beach"_s, true);
    bool shown = false;
    const auto show = [&shown] { shown = true; };

    QVERIFY(writeFolderUnique(m_work + u"FolderUnique.dat"_s, {{m_dir->filePath(u"gone"_s), true}}));
    m_dialogs.answers.enqueue({1, true});
    m_preview->TestPreviewClick(show);
    QVERIFY(!shown);
    QCOMPARE(m_dialogs.asked.size(), 1);
    QVERIFY(writeFolderUnique(m_work + u"FolderUnique.dat"_s, {}));

    m_preview->setHooks({[] { return false; }, {}, {}, {}, {}, {}});
    m_preview->TestPreviewClick(show);
    QVERIFY(!shown);

    m_preview->setHooks({});
    m_destinations->conflict = true;
    m_preview->TestPreviewClick(show);
    QVERIFY(!shown);

    m_destinations->conflict = false;
    m_preview->TestPreviewClick(show);
    QVERIFY(shown);
}

void TestPreviewTest::cleanPassRetitles()
{
    addPicture(u"IMG_1.jpg"_s, u"Beach"_s, true);
    addPicture(u"IMG_2.jpg"_s, u"Dunes"_s, true);
    QSignalSpy progress(m_preview.get(), &TestPreview::progressChanged);
    QSignalSpy closing(m_preview.get(), &TestPreview::closeRequested);
    QList<bool> enabledWhileRunning;
    m_preview->setHooks({{}, {}, {}, {}, {}, [this, &enabledWhileRunning] {
                             enabledWhileRunning.append(m_preview->retitleEnabled() || m_preview->editEnabled()
                                                        || m_preview->cancelEnabled() || m_preview->helpEnabled());
                             // Escape while the pass runs is ignored.
                             m_preview->cancel();
                         }});

    m_preview->TestPreviewClick([this, &closing] {
        m_preview->runPass();
        QCOMPARE(m_preview->state(), TestPreview::State::Reported);
        QCOMPARE(closing.size(), 0);
        QVERIFY(m_preview->retitleEnabled());
        QVERIFY(!m_preview->editEnabled());
        QVERIFY(m_preview->cancelEnabled());
        QVERIFY(m_preview->helpEnabled());
        QVERIFY(!m_preview->report().isEmpty());
        QCOMPARE(m_preview->report().first().text, u"Test & preview results"_s);
        m_preview->editErroneous();
        QCOMPARE(closing.size(), 0);
        m_preview->retitleNow();
        QCOMPARE(closing.size(), 1);
    });

    QVERIFY(!enabledWhileRunning.isEmpty());
    QVERIFY(!enabledWhileRunning.contains(true));
    QVERIFY(progress.size() > 0);
    QVERIFY(QFileInfo::exists(folderFile(u"Beach.jpg"_s)));
    QVERIFY(QFileInfo::exists(folderFile(u"Dunes.jpg"_s)));
    QCOMPARE(m_retitler->counters().retitled, 2);
    QVERIFY(m_preview->result().titles.isEmpty());
    QCOMPARE(m_preview->state(), TestPreview::State::Idle);
}

void TestPreviewTest::erroneousPassOffersTheCorrection()
{
    addPicture(u"IMG_1.jpg"_s, u"Beach"_s, true);
    addPicture(u"IMG_2.jpg"_s, u"Beach"_s, true);
    addPicture(u"IMG_3.jpg"_s, u"Dunes"_s, true);
    QSignalSpy correction(m_preview.get(), &TestPreview::correctionStarted);

    m_preview->TestPreviewClick([this] {
        m_preview->runPass();
        QCOMPARE(m_preview->result().errorCount, 2);
        QVERIFY(!m_preview->retitleEnabled());
        QVERIFY(m_preview->editEnabled());
        m_preview->retitleNow();
        QCOMPARE(m_preview->outcome(), TestPreview::Outcome::Cancelled);
        m_preview->editErroneous();
    });

    QCOMPARE(correction.size(), 1);
    QVERIFY(m_pictures->correctionMode());
    QCOMPARE(m_pictures->selectedCount(), 2);
    QCOMPARE(m_pictures->row(0).marker, Session::Marker::erroneous);
    QCOMPARE(m_pictures->row(2).marker, Session::Marker::correct);
    // Nothing was renamed; stage 2 still has the test results to end the correction with.
    QVERIFY(QFileInfo::exists(folderFile(u"IMG_1.jpg"_s)));
    QCOMPARE(m_preview->result().titles.size(), 3);
}

void TestPreviewTest::foldersThatCannotBeCreatedKeepTheDialogOpen()
{
    addPicture(u"IMG_1.jpg"_s, u"Beach"_s, true);
    m_destinations->createSucceeds = false;
    QSignalSpy closing(m_preview.get(), &TestPreview::closeRequested);
    m_preview->TestPreviewClick([this, &closing] {
        m_preview->runPass();
        m_preview->retitleNow();
        QCOMPARE(closing.size(), 0);
        m_preview->cancel();
    });
    QCOMPARE(closing.size(), 1);
    QVERIFY(QFileInfo::exists(folderFile(u"IMG_1.jpg"_s)));
}

void TestPreviewTest::syncExtensionsOfThePass()
{
    addPicture(u"IMG_1.jpg"_s, u"Beach"_s, true);
    QVERIFY(writeFile(folderFile(u"IMG_1.xmp"_s)));
    QVERIFY(writeSyncExt(m_work + u"SyncExt.dat"_s, {{u"xmp"_s, true}, {u"thm"_s, false}}));
    m_sessionSettings->folderRec().keepVoiceSynchronized = true;

    m_preview->TestPreviewClick([this] {
        QCOMPARE(m_preview->syncExtensions(), (QStringList{u"wav"_s, u"mov"_s, u"xmp"_s}));
        m_preview->runPass();
        bool listed = false;
        for (const ReportLine &line : m_preview->report())
            listed = listed || line.text == u"   .wav  .mov  .xmp  "_s;
        QVERIFY(listed);
        m_preview->retitleNow();
    });

    QVERIFY(QFileInfo::exists(folderFile(u"Beach.xmp"_s)));
    QVERIFY(m_preview->syncExtensions().isEmpty());
}

QTEST_GUILESS_MAIN(TestPreviewTest)
#include "testpreviewtest.moc"
