#include "app/dictionarybuilding.h"

#include "app/application.h"
#include "app/clipboardmodel.h"
#include "app/folderbuildmodel.h"
#include "app/infomessages.h"
#include "compose/picprefixlist.h"
#include "compose/picsuffixlist.h"
#include "dictionary/dictionarystore.h"
#include "dictionary/editline.h"
#include "dictionary/textbuild.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace App {

using Dictionary::BuildMode;

namespace {

// The longest folder the program settings keep.
constexpr int dicFolderLength = 255;

} // namespace

DictionaryBuilding::DictionaryBuilding(Application &application) : m_application(application)
{
}

std::unique_ptr<FolderBuildModel> DictionaryBuilding::folderModel() const
{
    return std::make_unique<FolderBuildModel>(m_application.programSettings(),
                                              m_application.sessionSettings().folderRec().addOrReplaceDefault,
                                              m_application.dialogs());
}

QString DictionaryBuilding::unreadableText(int folders)
{
    return folders == 1 ? L10n::text(1273, "1 folder could not be read")
                        : L10n::text(1729, "%1 folders could not be read").arg(folders);
}

Session::FolderBuildResult DictionaryBuilding::buildFromFolder(const FolderBuildModel &model,
                                                               const Session::FolderBuild::Service &service,
                                                               const std::function<void()> &finished)
{
    Dictionary::DictionaryStore &store = m_application.dictionaries();
    Q_EMIT store.entriesShown(u" . . . . . . . . . . . . . . . . . ."_s);
    const QString folder = model.folder();
    if (!QFileInfo(folder).isDir()) {
        store.ShowEntries();
        if (finished)
            finished();
        return {};
    }
    Settings::ProgramSettings &settings = m_application.programSettings();
    settings.rec().PSDicFolder = folder.left(dicFolderLength);
    if (auto written = settings.UpdateFPSM(); !written)
        m_application.dialogs().status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    Session::FolderBuild build(store);
    build.setIncludeSubfolders(model.includeSubfolders());
    build.setMaximum(settings.rec().PSMaxDic);
    build.setService(service);
    const Session::FolderBuildResult result =
        build.run(folder, model.replace() ? BuildMode::Replace : BuildMode::Add);
    if (finished)
        finished();
    if (result.cancelled) {
        // Nothing of a cancelled build stays; the user is told so, not left to guess.
        m_application.dialogs().inform(
            {L10n::title(),
             L10n::text(1720, "The dictionary build was cancelled: the Static dictionary and its files are as they "
                              "were before."),
             Platform::Severity::Information});
        return result;
    }
    if (result.full)
        m_application.RunForm6Message(InfoMessage::DictionaryFull);
    if (result.foldersUnreadable > 0)
        m_application.dialogs().inform({FolderBuildModel::caption(), unreadableText(result.foldersUnreadable),
                                        Platform::Severity::Warning});
    return result;
}

std::unique_ptr<ClipboardModel> DictionaryBuilding::clipboardModel()
{
    m_application.RunForm6Message(InfoMessage::ClipboardToStaticDictionary);
    Settings::SessionSettings &session = m_application.sessionSettings();
    const auto keepAdd = [this] {
        Settings::SessionSettings &settings = m_application.sessionSettings();
        settings.folderRec().addOrReplaceDefault = 0;
        if (auto written = settings.UpdateFSession_Local(m_application.storageSetup()); !written)
            m_application.dialogs().status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    };
    return std::make_unique<ClipboardModel>(m_application.workFile(u"Private/"_s),
                                            session.folderRec().addOrReplaceDefault, keepAdd,
                                            m_application.dialogs());
}

void DictionaryBuilding::buildFromText(const ClipboardModel &model)
{
    Dictionary::BuildFromText(m_application.dictionaries(), model.lines(),
                              model.replace() ? BuildMode::Replace : BuildMode::Add,
                              m_application.programSettings().rec().PSClipSize);
}

std::unique_ptr<OptionsModel> DictionaryBuilding::optionsModel(OptionsModel::Page page) const
{
    return std::make_unique<OptionsModel>(m_application.programSettings(), m_application.dictionaries(),
                                          m_application.dialogs(), page);
}

void DictionaryBuilding::acceptOptions(OptionsModel &model)
{
    model.accept();
    const Settings::ProgramSettingsRec &rec = m_application.programSettings().rec();
    m_application.editLine().setMaxHits(rec.PSMaxHits);
    m_application.picturePrefixes().setMaximum(rec.PSMaxPicPrefSuf);
    m_application.pictureSuffixes().setMaximum(rec.PSMaxPicPrefSuf);
    m_application.applyStoredLanguage();
    m_application.applyMediaOptions();
}

} // namespace App
