#include "app/application.h"

#include "app/folderfinish.h"
#include "app/infomessages.h"
#include "app/optionsmodel.h"
#include "app/newtitlecolumn.h"
#include "app/storagemanagement.h"
#include "app/themechoice.h"
#include "app/titleexample.h"

#include "compose/cameraclocks.h"
#include "compose/changedprefixsuffix.h"
#include "compose/numberplan.h"
#include "compose/picturedates.h"
#include "compose/datetimesettingsmodel.h"
#include "compose/elementvaluesource.h"
#include "compose/exiftagdatabase.h"
#include "compose/exiftagsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/picprefixlist.h"
#include "compose/picsuffixlist.h"
#include "compose/titlesettingsmodel.h"
#include "dictionary/dictionarystore.h"
#include "dictionary/editline.h"
#include "l10n/errortext.h"
#include "l10n/language.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/foldermenu.h"
#include "platform/folders.h"
#include "records/nofollow.h"
#include "records/recordfile.h"
#include "retitle/destinationplanner.h"
#include "retitle/retitlelog.h"
#include "retitle/retitler.h"
#include "retitle/retitleundo.h"
#include "retitle/testpreview.h"
#include "session/dictionaryline.h"
#include "session/freetexteditor.h"
#include "session/picturepreview.h"
#include "session/pictures.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageguide.h"
#include "session/stageworkflow.h"
#include "storage/folderdescriptions.h"
#include "storage/subjectcommands.h"
#include "storage/subjectstore.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "storage/mainfolderfile.h"
#include "storage/storageplanner.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

// Record sizes of the work files that start out empty.
constexpr int loadedDicRecord = 552;
constexpr int contextDicRecord = 512;
constexpr int folderUniqueRecord = 257;
constexpr int syncExtRecord = 12;
constexpr int picNewFolderRecord = 512;

// The work files the program writes in its work folder and in a picture folder. One that is a
// symbolic link would have the program write into whatever it points to, so none may be one;
// nor may the picture folder's thumbnail folder, whose thumbnails follow their pictures.
constexpr std::array workFolderFiles = {u"PSMSet.dat",     u"MrlSessionSet.dat", u"LoadedDic.dat",
                                       u"ContextDic.dat", u"FolderUnique.dat",  u"SyncExt.dat",
                                       u"PicPrefix.dat",  u"PicSuffix.dat",     u"ExifEl.dat",
                                       u"Subjects.dat"};
constexpr std::array pictureFolderFiles = {u"MrlActiveDic.dat",  u"MrlAContextDic.dat", u"MrlSGTitle2.dat",
                                           u"MrlSessionSet.dat", u"PicNewFolder.dat",   u"xelthumb"};

QString prefixed(const QString &message)
{
    return L10n::title() + u": "_s + message;
}

} // namespace

Application::Application(const Locations &locations, const Machine &machine, Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent),
      m_locations(locations),
      m_machine(machine),
      m_dialogs(dialogs),
      m_language(std::make_unique<L10n::LanguageSwitch>()),
      m_programSettings(std::make_unique<Settings::ProgramSettings>(workFile(u"PSMSet.dat"_s))),
      m_sessionSettings(std::make_unique<Settings::SessionSettings>(workFile(u"MrlSessionSet.dat"_s), QString())),
      m_subjects(std::make_unique<Storage::SubjectStore>(workFile(u"Subjects.dat"_s), dialogs)),
      m_pictures(std::make_unique<Session::PictureSession>(dialogs, *m_subjects)),
      m_selection(std::make_unique<Session::Selection>(*m_pictures, *m_programSettings, dialogs))
{
    m_storage = std::make_unique<StorageManagement>(*m_programSettings, *m_sessionSettings, m_machine.drives, dialogs,
                                                    workFile(u"MainFolder.dat"_s));
    m_titleSettings =
        std::make_unique<Compose::TitleSettingsModel>(*m_sessionSettings, dialogs, [this] { return storageSetup(); });

    m_files = std::make_unique<Platform::SystemFileSystem>();
    m_cameraClocks = std::make_unique<Compose::CameraClocks>(workFile(Compose::CameraClocks::fileName()));
    m_pictureDates = std::make_unique<Compose::PictureDates>(*m_cameraClocks);
    // A folder's pictures are read anew once the table was: retitled files have other names.
    connect(m_pictures.get(), &Session::PictureSession::tableRebuilt, this, [this] { m_pictureDates->clear(); });
    Storage::StoragePlanInputs planInputs;
    planInputs.dateTaken = [this](const QString &path) { return m_pictureDates->dateTaken(path); };
    planInputs.settings = [this] { return storagePlanSettings(); };
    planInputs.pictureFolder = [this] { return m_pictures->pictureFolder(); };
    planInputs.rows = [this]() -> const QList<Session::PictureRow> & { return m_pictures->rows(); };
    planInputs.yield = [] { QCoreApplication::processEvents(); };
    planInputs.describeNewFolders = [this](const Storage::NewFolderDescriptionInput &input) {
        return describeNewFolders(input);
    };
    m_destinations = std::make_unique<Storage::StoragePlanner>(std::move(planInputs), dialogs, *m_files);
    m_retitler = std::make_unique<Retitle::Retitler>(*m_pictures, *m_programSettings, dialogs, *m_files,
                                                     m_locations.workFolder + u"Logs/"_s);
    m_testPreview = std::make_unique<Retitle::TestPreview>(*m_pictures, *m_selection, *m_sessionSettings, dialogs, *m_files,
                                                           *m_destinations, *m_retitler, m_locations.workFolder);
    m_numberSettings = std::make_unique<Compose::NumberSettingsModel>(*m_sessionSettings, dialogs, *m_titleSettings);
    m_dateTimeSettings = std::make_unique<Compose::DateTimeSettingsModel>(*m_sessionSettings, *m_titleSettings);
    m_exifTags = std::make_unique<Compose::ExifTagDatabase>(workFile(u"ExifEl.dat"_s));
    m_exifElement = std::make_unique<Compose::ExifTagElement>(*m_exifTags);
    const auto yield = [] { QCoreApplication::processEvents(); };
    Retitle::TestPreviewHooks previewHooks;
    previewHooks.yield = yield;
    previewHooks.numberWillFit = [this] { return m_numberSettings->NumberWillFit(); };
    previewHooks.elementValues = [this]() -> std::unique_ptr<Compose::ElementValues> {
        const Settings::SessionSettingsRec &settings = m_sessionSettings->folderRec();
        m_exifElement->startPass(settings.exifTagsInTitle, settings.markNotAvailable);
        return std::make_unique<Compose::ElementValueSource>(settings, m_numberSettings->startPass(),
                                                             QLocale::system(), m_pictureDates.get());
    };
    previewHooks.planNumbers = [this](const QList<int> &rows, const QStringList &folders) {
        if (!m_numberSettings->numbersInOwnOrder())
            return;
        QHash<int, QString> folderOf;
        for (qsizetype i = 0; i < rows.size() && i < folders.size(); ++i)
            folderOf.insert(rows.at(i), folders.at(i));
        m_numberSettings->planPass(Compose::numberPlaces(m_pictures->rows(), rows, m_pictures->pictureFolder(),
                                                         *m_pictureDates,
                                                         [&folderOf](int row) { return folderOf.value(row); },
                                                         m_numberSettings->order()));
    };
    previewHooks.clockCorrections = [this](const QList<int> &rows) {
        QList<Retitle::ClockCorrection> corrections;
        if (m_cameraClocks->isEmpty())
            return corrections;
        for (const int row : rows) {
            const QString &title = m_pictures->row(row).currentTitle;
            const QString path = QDir(m_pictures->pictureFolder()).filePath(title);
            if (const qint64 offset = m_pictureDates->offset(path); offset != 0)
                corrections.append({title, m_pictureDates->facts(path).dateTaken, offset});
        }
        return corrections;
    };
    previewHooks.exifText = [this](const QString &path) { return m_exifElement->text(path); };
    m_testPreview->setHooks(std::move(previewHooks));
    m_dictionaries = std::make_unique<Dictionary::DictionaryStore>(m_locations.workFolder, *m_programSettings, dialogs,
                                                                   Platform::programVersion());
    m_dictionaries->setYield(yield);
    m_folderFinish = std::make_unique<FolderFinish>(*m_pictures, *m_dictionaries, *m_programSettings, dialogs);
    m_folderFinish->setServiceEvents(yield);
    Retitle::RetitleHooks retitleHooks;
    retitleHooks.yield = yield;
    retitleHooks.confirmedFreeText = [this](const QString &freeText) {
        m_dictionaries->WriteContextDic(Dictionary::DicIndex::Active, freeText);
    };
    retitleHooks.freeTextsDone = [this] { m_dictionaries->ResetSizeContextDic(Dictionary::DicIndex::Active); };
    retitleHooks.updateCounter = [this] { m_numberSettings->updateCounterAfterRetitle(); };
    retitleHooks.counterStart = [this] { return m_numberSettings->useCounter() ? m_numberSettings->startText() : QString(); };
    m_retitler->setHooks(std::move(retitleHooks));
    createRetitleUndo();
    createStage2();
    m_subjectCommands = std::make_unique<Storage::SubjectCommands>(*m_subjects, *m_pictures, *m_selection,
                                                                   *m_workflow, dialogs);
    connect(m_storage.get(), &StorageManagement::changed, this, &Application::updateSubjectsInUse);
    // The stage-2 subject list follows the picture being edited.
    connect(m_freeTextEditor.get(), &Session::FreeTextEditor::currentRowChanged, m_subjectCommands.get(),
            &Storage::SubjectCommands::loadStage2);
    // Stage 2 may start on the row that is current already.
    connect(m_freeTextEditor.get(), &Session::FreeTextEditor::stage2Started, m_subjectCommands.get(),
            [this] { m_subjectCommands->loadStage2(m_freeTextEditor->stage2Row()); });
}

void Application::createRetitleUndo()
{
    m_retitler->setJournalFolder(m_locations.workFolder + u"Journal"_s);
    m_retitleUndo = std::make_unique<Retitle::RetitleUndo>(*m_pictures, *m_programSettings, m_dialogs, *m_files,
                                                           m_locations.workFolder);
    Retitle::UndoHooks hooks;
    hooks.counterStart = [this] { return m_numberSettings->useCounter() ? m_numberSettings->startText() : QString(); };
    hooks.setCounterStart = [this](const QString &start) { m_numberSettings->restoreStart(start); };
    hooks.yield = [] { QCoreApplication::processEvents(); };
    hooks.storageFolder = [this] { return m_storage->mainFolder(); };
    m_retitleUndo->setHooks(std::move(hooks));
    connect(m_retitler.get(), &Retitle::Retitler::retitlingFinished, m_retitleUndo.get(),
            &Retitle::RetitleUndo::refresh);
    m_folderFinish->setUndo([this] { return m_retitleUndo->isAvailable(); }, [this] { return undoLastRetitling(); });
}

void Application::offerUndoOfEmptiedFolder()
{
    // A run killed while it moved the pictures away comes first.
    m_retitleUndo->offerRecovery();
    if (m_pictures->rowCount() > 0 || !m_retitleUndo->isAvailable())
        return;
    const auto plan = m_retitleUndo->prepare(*m_retitleUndo->lastRetitling());
    if (!plan || plan->pictures == 0)
        return;
    Platform::Question question;
    question.caption = L10n::title();
    question.header = text(1727, "The last retitling moved every picture out of this folder");
    question.lines = {text(1731, "Undo: put the pictures back under their old names and in this folder.")};
    for (const Retitle::ReportLine &line : m_retitleUndo->report(*plan))
        question.details.append(line.text);
    question.buttons = {text(1303, "&Undo"), text(912, "&Cancel")};
    question.defaultButton = 1;
    question.escapeButton = 1;
    if (m_dialogs.ask(question).button == 0)
        m_retitleUndo->undo(*plan);
}

bool Application::undoLastRetitling()
{
    const auto journal = m_retitleUndo->lastRetitling();
    if (!journal)
        return false;
    const auto plan = m_retitleUndo->prepare(*journal);
    return plan && m_retitleUndo->undo(*plan);
}

void Application::createStage2()
{
    m_workflow = std::make_unique<Session::StageWorkflow>();
    m_freeTextEditor = std::make_unique<Session::FreeTextEditor>(*m_pictures, *m_selection, *m_workflow,
                                                                 *m_programSettings, m_dialogs);
    m_editLine = std::make_unique<Dictionary::EditLine>(*m_dictionaries, *m_freeTextEditor, m_dialogs);
    m_dictionaryLine = std::make_unique<Session::DictionaryLine>(*m_editLine);
    m_freeTextEditor->setLine(m_dictionaryLine.get());
    // The button beside the line follows its text and its completions.
    connect(m_editLine.get(), &Dictionary::EditLine::textChanged, m_freeTextEditor.get(),
            &Session::FreeTextEditor::SetBtnEnter);
    connect(m_editLine.get(), &Dictionary::EditLine::completionsChanged, m_freeTextEditor.get(),
            &Session::FreeTextEditor::SetBtnEnter);
    connect(m_freeTextEditor.get(), &Session::FreeTextEditor::stage2Started, this,
            [this] { m_editLine->setMaxHits(m_programSettings->rec().PSMaxHits); });
    Session::FreeTextEditorHooks hooks;
    hooks.addConfirmedFreeText = [this](const QString &text) { m_dictionaries->AddConfirmedFreeText(text); };
    // The lists of remembered texts are read at start-up, after this; they are looked up per call.
    hooks.changedPrefix = [this](int row, const QString &text) {
        Compose::UpdateChangedPrefixSuffix(*m_pictures, m_dialogs, Compose::PicTextKind::Prefix, row, text);
    };
    hooks.changedSuffix = [this](int row, const QString &text) {
        Compose::UpdateChangedPrefixSuffix(*m_pictures, m_dialogs, Compose::PicTextKind::Suffix, row, text);
    };
    hooks.addPicPrefix = [this](const QString &text) {
        if (m_prefixes)
            m_prefixes->AddPicPrefix(text);
    };
    hooks.addPicSuffix = [this](const QString &text) {
        if (m_suffixes)
            m_suffixes->AddPicSuffix(text);
    };
    hooks.testResultRows = [this] {
        QList<int> rows;
        for (const Retitle::Rtitle &title : m_testPreview->result().titles)
            rows.append(title.FinalTitle_Row);
        return rows;
    };
    hooks.confirmSubject = [this](int row, bool marked) {
        return !m_subjectCommands || m_subjectCommands->confirmStage2(row, marked);
    };
    m_freeTextEditor->setHooks(std::move(hooks));

    connect(m_pictures.get(), &Session::PictureSession::selectedCountChanged, this,
            [this] { m_workflow->SetFreeTextButtons(m_pictures->selectionCommandsEnabled()); });
    // The button "Test && &Preview" shows the workflow's state, as its menu item does: off while
    // stage 2 edits or a retitling runs, and while nothing is selected.
    connect(m_workflow.get(), &Session::StageWorkflow::commandsChanged, this, [this] {
        m_titleSettings->setTestAndPreviewEnabled(m_workflow->isEnabled(Session::Command::TestAndPreview));
    });
    connect(m_retitler.get(), &Retitle::Retitler::retitlingStarted, this, [this] { m_workflow->beginRetitling(); });
    connect(m_retitler.get(), &Retitle::Retitler::retitlingFinished, this, [this] { m_workflow->endRetitling(); });
    connect(m_testPreview.get(), &Retitle::TestPreview::correctionStarted, this,
            [this] { m_freeTextEditor->BtnEditAllClick(); });
    m_picturePreview = std::make_unique<Session::PicturePreview>(*m_pictures, *m_freeTextEditor,
                                                                 *m_programSettings, m_dialogs);

    m_stageGuide = std::make_unique<Session::StageGuide>(*m_workflow);
    m_themeChoice = std::make_unique<ThemeChoice>(*m_programSettings, m_dialogs);
    createNewTitleColumn();
    m_titleExample = std::make_unique<TitleExample>(TitleExample::Sources{*m_sessionSettings, *m_numberSettings,
                                                                          *m_pictures, *m_freeTextEditor, *m_editLine,
                                                                          *m_exifTags, m_newTitleColumn.get()});
    TitleExample *example = m_titleExample.get();
    connect(m_titleSettings.get(), &Compose::TitleSettingsModel::changed, example, &TitleExample::scheduleUpdate);
    connect(m_numberSettings.get(), &Compose::NumberSettingsModel::changed, example, &TitleExample::scheduleUpdate);
    connect(m_dateTimeSettings.get(), &Compose::DateTimeSettingsModel::changed, example,
            &TitleExample::scheduleUpdate);
    connect(m_pictures.get(), &Session::PictureSession::rowsChanged, example, &TitleExample::scheduleUpdate);
    connect(m_pictures.get(), &Session::PictureSession::tableRebuilt, example, &TitleExample::scheduleUpdate);
    connect(m_pictures.get(), &Session::PictureSession::selectedCountChanged, example, &TitleExample::scheduleUpdate);
    connect(m_freeTextEditor.get(), &Session::FreeTextEditor::currentRowChanged, example,
            &TitleExample::scheduleUpdate);
    connect(m_freeTextEditor.get(), &Session::FreeTextEditor::areaChanged, example, &TitleExample::scheduleUpdate);
    connect(m_editLine.get(), &Dictionary::EditLine::textChanged, example, &TitleExample::scheduleUpdate);
}

void Application::createNewTitleColumn()
{
    NewTitleColumn::Sources sources{*m_sessionSettings, *m_numberSettings, *m_pictures,  *m_freeTextEditor,
                                    *m_editLine,        *m_exifTags,       *m_pictureDates, {}};
    // Destinations as last planned: planning them needs the storage folders scanned.
    sources.destination = [this](int row) {
        return m_destinations->isActive() ? m_destinations->destination(row) : QString();
    };
    m_newTitleColumn = std::make_unique<NewTitleColumn>(sources);
    NewTitleColumn *column = m_newTitleColumn.get();
    connect(m_titleSettings.get(), &Compose::TitleSettingsModel::changed, column, &NewTitleColumn::titlesChanged);
    connect(m_numberSettings.get(), &Compose::NumberSettingsModel::changed, column, &NewTitleColumn::titlesChanged);
    connect(m_dateTimeSettings.get(), &Compose::DateTimeSettingsModel::changed, column,
            &NewTitleColumn::titlesChanged);
    connect(m_pictures.get(), &Session::PictureSession::rowsChanged, column, &NewTitleColumn::numbersChanged);
    connect(m_pictures.get(), &Session::PictureSession::tableRebuilt, column, &NewTitleColumn::numbersChanged);
    connect(m_pictures.get(), &Session::PictureSession::selectedCountChanged, column, &NewTitleColumn::numbersChanged);
    connect(m_editLine.get(), &Dictionary::EditLine::textChanged, column, [this, column] {
        if (m_freeTextEditor->stage2Row() >= 0)
            column->rowChanged(m_freeTextEditor->stage2Row());
    });
}

bool Application::cameraClocksChanged()
{
    const auto saved = m_cameraClocks->save();
    m_newTitleColumn->numbersChanged();
    m_titleExample->scheduleUpdate();
    if (!saved) {
        m_dialogs.inform(
            {L10n::standard(L10n::Standard::Error), L10n::describe(saved.error()), Platform::Severity::Error});
        return false;
    }
    return true;
}

Application::~Application() = default;

std::unique_ptr<Compose::ExifTagsModel> Application::exifTagsModel(int currentRow)
{
    const QString folder = m_pictures->pictureFolder();
    const auto pathOf = [&folder](const QString &name) -> QString {
        return (folder == u"/"_s ? QString() : folder) + u'/' + name;
    };
    QStringList paths;
    for (const Session::PictureRow &row : m_pictures->rows())
        paths.append(pathOf(row.currentTitle));
    const QString current =
        currentRow >= 0 && currentRow < paths.size() ? paths.at(currentRow) : (paths.isEmpty() ? QString() : paths.first());
    return std::make_unique<Compose::ExifTagsModel>(*m_exifTags, *m_sessionSettings, m_dialogs,
                                                    [this] { return storageSetup(); }, paths, current);
}

QString Application::workFile(const QString &name) const
{
    return m_locations.workFolder + name;
}

bool Application::fail(const QString &message)
{
    m_startupError = message;
    return false;
}

void Application::FillErrorMessage(const QString &path, FileProblem problem)
{
    m_startupError = prefixed(path)
                     + (problem == FileProblem::Create ? text(651, " could not be created, can not run program")
                                                       : text(652, " is set to read-only, can not run program"));
}

bool Application::checkNotReadOnly(const QString &path)
{
    if (!Platform::isReadOnlyFile(path))
        return true;
    FillErrorMessage(path, FileProblem::ReadOnly);
    return false;
}

bool Application::createEmptyWhenMissing(const QString &path, int recordSize)
{
    if (!checkNotReadOnly(path))
        return false;
    if (Records::RecordFile(path, recordSize).create())
        return true;
    FillErrorMessage(path, FileProblem::Create);
    return false;
}

bool Application::refuseSymbolicLinks(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (Records::isSymbolicLink(path))
            return fail(prefixed(path + text(904, " is a symbolic link, can not run program")));
    }
    return true;
}

Settings::StorageSetup Application::storageSetup() const
{
    return m_storage->sessionSetup();
}

void Application::setNewFolderDescriber(std::function<bool(Storage::FolderDescriptions &)> describer)
{
    m_describer = std::move(describer);
}

std::optional<QStringList> Application::describeNewFolders(const Storage::NewFolderDescriptionInput &input)
{
    if (!m_describer)
        return QStringList();
    const Settings::SessionSettingsRec &session = m_sessionSettings->folderRec();
    Storage::FolderProposalInput affixes;
    affixes.prefix = session.prefix;
    affixes.usePrefix = session.usePrefix;
    affixes.suffix = session.suffix;
    affixes.useSuffix = session.useSuffix;
    Storage::FolderDescriptions descriptions(input, affixes,
                                             Storage::NewFolderFile(m_pictures->folderFile(u"PicNewFolder.dat"_s)),
                                             *m_programSettings, m_dialogs);
    if (!m_describer(descriptions))
        return std::nullopt;
    return descriptions.descriptions();
}

Storage::StoragePlanSettings Application::storagePlanSettings() const
{
    const Settings::ProgramSettingsRec &program = m_programSettings->rec();
    const Settings::SessionSettingsRec &session = m_sessionSettings->folderRec();
    Storage::StoragePlanSettings settings;
    settings.useStorage = session.useStorageManagement;
    settings.onlySubject = session.onlyUseSubject;
    settings.levels = program.PSLevels;
    settings.subjectPosition = program.PSSubjPosition;
    settings.addNameDay = program.PSAddNameDay;
    settings.abbrNameDay = program.PSAbbrNameDay;
    settings.shiftMidnight = program.PSShiftMidnight;
    settings.subjectOptional = program.PSSubjOptional;
    settings.subjectWarn = program.PSSubjWarn;
    settings.promptFolder = program.PSPromptFolder;
    // A main folder counts only once storage management has been set up.
    if (settings.levels > 0)
        settings.mainFolder = m_storage->mainFolder();
    return settings;
}

bool Application::subjectsInUse() const
{
    return m_storage->subjectControlsVisible();
}

void Application::updateSubjectsInUse()
{
    m_subjects->setSubjectOptional(m_programSettings->rec().PSSubjOptional);
    const bool inUse = subjectsInUse();
    m_pictures->SetSubjSGTitle(inUse);
    m_subjectCommands->setInUse(inUse);
    if (inUse == m_subjectsInUse)
        return;
    m_subjectsInUse = inUse;
    Q_EMIT subjectsInUseChanged(inUse);
}

bool Application::prepareWorkFolder()
{
    const QString workFolder = m_locations.workFolder;
    if (!QFileInfo(workFolder).isDir()) {
        // The very first start: the installation's default overall settings come along.
        if (!QDir().mkpath(workFolder)) {
            FillErrorMessage(QDir::toNativeSeparators(workFolder), FileProblem::Create);
            return false;
        }
        // Beside the program in a build folder; in the shared data of an installation.
        const QStringList candidates = {m_locations.applicationFolder + u"MrlOverallSet.dat"_s,
                                        m_locations.applicationFolder + u"../share/mirelto/MrlOverallSet.dat"_s};
        for (const QString &defaults : candidates) {
            if (QFileInfo::exists(defaults)) {
                QFile::copy(defaults, workFile(u"MrlOverallSet.dat"_s));
                break;
            }
        }
    }
    for (const QString &sub : {u"OnLine"_s, u"Logs"_s, u"Private"_s}) {
        const QString path = workFolder + sub;
        if (!QFileInfo(path).isDir() && !QDir().mkpath(path)) {
            FillErrorMessage(path, FileProblem::Create);
            return false;
        }
    }
    return true;
}

bool Application::InitApplication()
{
    m_startupError.clear();
    m_language->apply(m_machine.localLanguage, m_machine.localLanguage);
    QStringList workFiles;
    for (const char16_t *name : workFolderFiles)
        workFiles.append(workFile(QStringView(name).toString()));
    if (!refuseSymbolicLinks(workFiles))
        return false;
    // A Static dictionary of the first format is converted before anything checks its file.
    m_dictionaries->ConvertDic(Dictionary::DicIndex::Static);

    const Platform::ScreenInfo &screen = m_machine.screen;
    if (screen.width < 1024 || screen.height < 600) {
        // Say what was measured: with a scale factor the window gets fewer pixels than the screen has.
        QString measured = text(905, "This screen offers %1x%2 pixels.").arg(screen.width).arg(screen.height);
        if (!qFuzzyCompare(screen.scaleFactor, 1.0)) {
            measured = text(906, "This screen offers %1x%2 pixels: %3x%4 device pixels at a scale factor of %5.")
                           .arg(screen.width)
                           .arg(screen.height)
                           .arg(qRound(screen.width * screen.scaleFactor))
                           .arg(qRound(screen.height * screen.scaleFactor))
                           .arg(QLocale::system().toString(screen.scaleFactor));
        }
        return fail(prefixed(text(694, "Mirelto requires a minimum screen resolution of 1024x600 pixels") + u'\n'
                             + measured));
    }
    if (screen.width == 1024 && screen.height <= 768) {
        if (screen.taskbar == Platform::TaskbarEdge::Left || screen.taskbar == Platform::TaskbarEdge::Right) {
            return fail(prefixed(
                text(907, "For Mirelto to run, the taskbar needs to be either at the top or the bottom of the screen")));
        }
        m_layout.fixedMaximised = true;
    }
    m_layout.compact = screen.height < 768;
    m_dictionaries->TitleUnique(true, Dictionary::DicIndex::Active);
    m_dictionaries->TitleUnique(true, Dictionary::DicIndex::Static);

    if (m_machine.drives.type(m_locations.applicationFolder) != Platform::DriveType::Fixed)
        return fail(prefixed(text(695, "Please install Mirelto on a fixed drive first and then run the program again")));

    if (!prepareWorkFolder())
        return false;
    if (!checkNotReadOnly(m_locations.workFolder + u"OnLine/Language.dat"_s))
        return false;
    if (!createEmptyWhenMissing(workFile(u"LoadedDic.dat"_s), loadedDicRecord)
        || !createEmptyWhenMissing(workFile(u"ContextDic.dat"_s), contextDicRecord)
        || !createEmptyWhenMissing(workFile(u"FolderUnique.dat"_s), folderUniqueRecord)
        || !createEmptyWhenMissing(workFile(u"SyncExt.dat"_s), syncExtRecord))
        return false;

    const QString overallPath = workFile(u"MrlOverallSet.dat"_s);
    const QString initialisationError = text(334, " initialization error, can not run program");
    if (!Platform::fileFound(overallPath))
        return fail(prefixed(overallPath + text(697, " does not exist, can not run program")));
    if (!checkNotReadOnly(overallPath))
        return false;
    {
        const Records::RecordFile file(overallPath, Settings::OverallSettingsRec::size);
        const auto bytes = file.read(0);
        if (!bytes)
            return fail(prefixed(overallPath + initialisationError));
        m_overall = Settings::OverallSettingsRec::fromBytes(*bytes);
    }

    const QString programSettingsPath = m_programSettings->path();
    if (!checkNotReadOnly(programSettingsPath))
        return false;
    const Settings::Environment environment{Platform::programVersion(), m_machine.localLanguage, screen.width};
    if (!m_programSettings->InitFPSM(m_overall, environment, *m_language))
        return fail(prefixed(programSettingsPath + initialisationError));
    m_layout.maximised = m_programSettings->rec().PSMaximise;
    m_selection->reloadStrings();

    if (!m_storage->InitFMainFolder())
        return fail(prefixed(m_storage->mainFolderFile() + initialisationError));
    m_subjects->setSubjectOptional(m_programSettings->rec().PSSubjOptional);
    if (!checkNotReadOnly(m_subjects->path()))
        return false;
    if (!m_subjects->InitFSubjects())
        return fail(prefixed(m_subjects->path() + initialisationError));

    if (!loadRememberedTexts())
        return false;
    if (!m_dictionaries->InitContextDic(Dictionary::DicIndex::Static, false, false, -1))
        return fail(prefixed(workFile(u"ContextDic.dat"_s) + text(334, " initialization error, can not run program")));
    if (!m_exifTags->InitFExifEl())
        return fail(prefixed(m_exifTags->path() + text(334, " initialization error, can not run program")));
    // Without the file the dates taken are the cameras' own: worth telling, not worth stopping for.
    if (const auto clocks = m_cameraClocks->load(); !clocks) {
        m_dialogs.inform(
            {L10n::standard(L10n::Standard::Error), L10n::describe(clocks.error()), Platform::Severity::Error});
    }

    const QString sessionDefaults = workFile(u"MrlSessionSet.dat"_s);
    if (Platform::isReadOnlyFile(sessionDefaults))
        return fail(prefixed(sessionDefaults + text(335, " is set to read-only, can not run program")));
    if (!m_sessionSettings->InitFSession(storageSetup(), m_programSettings->rec().PSActivateGuide))
        return fail(prefixed(sessionDefaults + initialisationError));
    m_numberSettings->reload();

    m_dictionaries->setBuildMode(Dictionary::BuildMode::Read);
    m_dictionaries->MakeDic(QString(), Dictionary::DicIndex::Static);
    m_pictures->InitSGTitle();
    m_pictures->ShowSelectedPictures(0);
    return true;
}

bool Application::InitSession(const QString &chosenFolder)
{
    m_startupError.clear();
    const QString folder = Platform::normalisedFolder(chosenFolder);
    m_folder = folder;
    m_pictures->setFolder(folder, Platform::programVersion());
    m_pictures->setMediaOptions(OptionsModel::mediaOptionsOf(m_programSettings->rec()));
    const auto folderFile = [this](const QString &name) { return m_pictures->folderFile(name); };
    m_dictionaries->setFolderFiles(folderFile(u"MrlActiveDic.dat"_s), folderFile(u"MrlAContextDic.dat"_s));
    QStringList folderFiles;
    for (const char16_t *name : pictureFolderFiles)
        folderFiles.append(folderFile(QStringView(name).toString()));
    if (!refuseSymbolicLinks(folderFiles))
        return false;
    m_dictionaries->ConvertDic(Dictionary::DicIndex::Active);

    if (!QDir::isAbsolutePath(folder) || folder.startsWith(u"//"_s)) {
        return fail(prefixed(text(642, " To rename pictures on a network location, make a network drive first and "
                                       "select the network drive, can not run program")));
    }
    const double freeMegabytes = double(m_machine.drives.freeBytes(folder)) / 1048576.0;
    if (std::llround(freeMegabytes) < 5) {
        return fail(prefixed(text(643, " To avoid storage problems, this program requires at least 5 MB of free space, "
                                       "can not run program")));
    }
    if (m_machine.drives.maxNameLength(m_machine.drives.root(folder)) < 9)
        return fail(prefixed(text(649, " Chosen drive doesn't support long file names, can not run program")));
    if (m_machine.drives.type(folder) == Platform::DriveType::Removable) {
        if (!RunForm6Message(InfoMessage::RemovableDrive))
            return false;
    }
    if (Platform::isSameFolder(folder, m_locations.applicationFolder)) {
        return fail(prefixed(
            text(650, " You can not choose the directory that contains the application, can not run program")));
    }

    for (const QString &name : {u"MrlActiveDic.dat"_s, u"MrlAContextDic.dat"_s}) {
        if (!createEmptyWhenMissing(folderFile(name), 1))
            return false;
    }

    const QString titlePath = m_pictures->titleFile().path();
    if (Platform::fileFound(titlePath)) {
        m_pictures->setFresh(false);
        if (!checkNotReadOnly(titlePath))
            return false;
    } else {
        m_pictures->setFresh(true);
        if (!m_pictures->CreateFSGTitle()) {
            FillErrorMessage(titlePath, FileProblem::Create);
            return false;
        }
    }

    const QString sessionPath = folderFile(u"MrlSessionSet.dat"_s);
    if (!checkNotReadOnly(sessionPath))
        return false;
    const QString firstGeneration = folderFile(u"MrlSGTitle.dat"_s);
    m_sessionSettings->setFolderFile(sessionPath);
    if (!m_sessionSettings->InitFSession_Local(storageSetup(), m_programSettings->rec().PSActivateGuide,
                                                  Platform::fileFound(firstGeneration),
                                                  QDateTime::currentDateTime())) {
        return fail(prefixed(sessionPath + text(653, " initialization error, can not run program")));
    }
    m_titleSettings->reload();
    m_storage->restore();

    if (!createEmptyWhenMissing(folderFile(u"PicNewFolder.dat"_s), picNewFolderRecord))
        return false;

    const auto records = m_pictures->titleFile().count();
    if (records && *records == 0 && Platform::fileFound(firstGeneration)) {
        if (!m_pictures->convertFirstGeneration())
            return false;
    }
    m_dictionaries->setBuildMode(Dictionary::BuildMode::Read);
    m_dictionaries->MakeDic(QString(), Dictionary::DicIndex::Active);
    return true;
}

bool Application::loadRememberedTexts()
{
    const int maximum = m_programSettings->rec().PSMaxPicPrefSuf;
    m_prefixes = std::make_unique<Compose::PicPrefixList>(workFile(u"PicPrefix.dat"_s), maximum, m_dialogs);
    if (!m_prefixes->InitFPicPrefix(false))
        return fail(prefixed(workFile(u"PicPrefix.dat"_s) + text(334, " initialization error, can not run program")));
    m_suffixes = std::make_unique<Compose::PicSuffixList>(workFile(u"PicSuffix.dat"_s), maximum, m_dialogs);
    if (!m_suffixes->InitFPicSuffix(false))
        return fail(prefixed(workFile(u"PicSuffix.dat"_s) + text(334, " initialization error, can not run program")));
    return true;
}

Application::FolderChoice Application::chooseFolder(const QString &folderArgument, QString *folder)
{
    QString given = folderArgument.isEmpty() ? QString() : Platform::folderFromArgument(folderArgument);
    if (!given.isEmpty()) {
        // A network location is refused by the session's own checks.
        if (!QDir::isAbsolutePath(given) || given.startsWith(u"//"_s)) {
            *folder = given;
            return FolderChoice::Open;
        }
        if (QFileInfo(given).isFile()) {
            m_startupError = L10n::title() + u": "_s
                             + text(1728, "'%1' is a file, not a folder, program terminated").arg(given);
            return FolderChoice::End;
        }
        if (!QFileInfo(given).isDir()) {
            m_startupError = L10n::title() + u": Folder '"_s + given + u"' does not exist, program terminated"_s;
            return FolderChoice::End;
        }
        // A folder a retitling emptied is opened all the same: the run can still be undone.
        if (Session::FolderHasPictures(given)
            || Retitle::RetitleUndo::hasJournals(m_locations.workFolder, Platform::normalisedFolder(given))) {
            *folder = given;
            return FolderChoice::Open;
        }
        // The browser then opens on it.
        m_programSettings->rec().PSLastFolder = given;
    }
    for (;;) {
        const QString last = m_programSettings->rec().PSLastFolder;
        const QString preset = QFileInfo(last).isDir() ? last : QString();
        const std::optional<QString> picked =
            m_dialogs.chooseFolder(text(368, "Select a folder with pictures to retitle"), preset);
        if (!picked)
            return FolderChoice::End;
        if (Session::FolderHasPictures(*picked)
            || Retitle::RetitleUndo::hasJournals(m_locations.workFolder, Platform::normalisedFolder(*picked))) {
            *folder = Platform::normalisedFolder(*picked);
            return FolderChoice::Open;
        }
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(336, "No pictures found in folder of types that Mirelto supports, choose a different folder"),
                          Platform::Severity::Error});
    }
}

bool Application::start(const QString &folderArgument)
{
    m_startedWithFolder = !folderArgument.isEmpty();
    bool open = InitApplication();
    if (open) {
        QString folder;
        open = chooseFolder(folderArgument, &folder) == FolderChoice::Open && InitSession(folder);
        if (open && !m_pictures->FillSGTitle(true, [] { QCoreApplication::processEvents(); })) {
            m_startupError = m_pictures->fillError().startsWith(text(908, "Error writing to "))
                                 || m_pictures->fillError().isEmpty()
                                 ? u"Error writing to : "_s + m_pictures->titleFile().path() + u" , disk might be full"_s
                                 : prefixed(m_pictures->fillError());
            open = false;
        }
        if (open && m_pictures->rowCount() == 0)
            offerUndoOfEmptiedFolder();
        if (open && m_pictures->rowCount() == 0) {
            m_folderFinish->RemoveWorkFiles(false);
            m_startupError =
                text(336, "No pictures found in folder of types that Mirelto supports, choose a different folder");
            open = false;
        }
    }
    if (!open && !m_startupError.isEmpty())
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), m_startupError, Platform::Severity::Error});
    // The table starts on its first picture, so that "Always show thumbnail" shows it at once
    // rather than once the table first gets the keyboard; a restored stage 2 takes its own row.
    if (open && m_freeTextEditor->currentRow() < 0 && !restoredStage2())
        m_freeTextEditor->setCurrentRow(0);
    m_sessionOpen = open;
    return open;
}

QString Application::windowCaption() const
{
    if (m_folder.isEmpty())
        return L10n::title();
    return L10n::title() + u" - "_s + QDir::toNativeSeparators(m_folder);
}

bool Application::restoredStage2() const
{
    return m_pictures->stage2Row().has_value();
}

void Application::startTick()
{
    if (!m_sessionOpen)
        return;
    Settings::ProgramSettingsRec &rec = m_programSettings->rec();
    if (rec.PSLastFolder != m_folder) {
        rec.PSLastFolder = m_folder;
        if (auto written = m_programSettings->UpdateFPSM(); !written)
            m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    }
    Q_EMIT captionChanged(windowCaption());
    // A run killed before this start left its log padded with empty lines.
    Retitle::RetitleLog::trimKilledRuns(m_locations.workFolder + u"Logs/"_s);
    if (const auto status = m_pictures->resumeStatus())
        m_dialogs.status(*status);
    // A run killed before this start is completed or undone first.
    m_retitleUndo->offerRecovery();
    // A session closed during stage 2 goes on at the same picture in the same mode.
    m_freeTextEditor->resumeStage2();
}

void Application::anotherLaunch(const QString &folder)
{
    if (!m_sessionOpen || folder.isEmpty() || Platform::isSameFolder(folder, m_folder))
        return;
    m_dialogs.inform({L10n::title(),
                      text(909, "Mirelto is already working on folder %1. Close it first to work on folder %2.")
                          .arg(QDir::toNativeSeparators(m_folder), QDir::toNativeSeparators(folder)),
                      Platform::Severity::Information});
}

bool Application::close()
{
    if (!m_sessionOpen)
        return true;
    m_selection->CBSelectExit();
    if (!m_workFilesRemoved) {
        // The guide window is not part of this program, so the session's guide is closed.
        m_sessionSettings->folderRec().guideTopic = -1;
        if (auto written = m_sessionSettings->UpdateFSession_Local(storageSetup()); !written)
            m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                              Platform::Severity::Error});
    }
    // After a retitle run the user is asked whether the folder is done; the quit command has
    // asked already.
    if (!m_quitCommand && !m_workFilesRemoved && m_retitler->hasRetitled()) {
        m_workFilesRemoved = m_folderFinish->ShowForm8(false);
        if (m_folderFinish->undidRetitling() && m_pictures->rowCount() > 0)
            return false;
    }
    if (Platform::FolderMenu::isRegistered())
        RunForm6Message(InfoMessage::AnotherWayToStart);
    m_sessionOpen = false;
    return true;
}

void Application::quitSession()
{
    if (!m_sessionOpen || m_quitCommand)
        return;
    m_quitCommand = true;
    m_workFilesRemoved = m_folderFinish->ShowForm8(true);
    // Undone from the box: the folder has its pictures again and the session goes on.
    if (m_folderFinish->undidRetitling())
        m_quitCommand = false;
}

bool Application::RunForm6Message(int number)
{
    Settings::ProgramSettingsRec &rec = m_programSettings->rec();
    const int flag = number - 1;
    if (flag < 0 || flag >= int(rec.PSShowMessage.size()) || !rec.PSShowMessage[flag])
        return true;
    const Platform::Answer answer = m_dialogs.ask(infoMessage(number, m_startedWithFolder));
    rec.PSShowMessage[flag] = answer.checkBoxChecked;
    if (auto written = m_programSettings->UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    return answer.button != infoMessageCancelButton(number);
}

void Application::applyStoredLanguage()
{
    const int before = m_language->active();
    if (m_language->apply(m_programSettings->rec().PSLanguage, m_machine.localLanguage) == before)
        return;
    // The texts the core keeps shown are made again in the new language.
    m_dictionaries->ShowEntries();
    if (m_pictures)
        m_pictures->retranslate();
    Q_EMIT languageChanged();
}

void Application::applyMediaOptions()
{
    const Session::MediaOptions options = OptionsModel::mediaOptionsOf(m_programSettings->rec());
    if (options == m_pictures->mediaOptions())
        return;
    m_pictures->setMediaOptions(options);
    if (!m_pictures->pictureFolder().isEmpty())
        m_pictures->FillSGTitle(false, [] { QCoreApplication::processEvents(); });
}

int Application::language() const
{
    return m_language->active();
}

} // namespace App
