#include "app/folderfinish.h"

#include "app/quickstart.h"

#include "dictionary/dictionarystore.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "session/picturesession.h"
#include "settings/programsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>


#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

constexpr int yesButton = 0;
// In the box of an emptied folder, when the retitling can be undone.
constexpr int undoButton = 1;
constexpr auto thumbsDb = "Thumbs.db";

// Whether anything is at path, a dangling link included.
bool present(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

FolderFinish::FolderFinish(Session::PictureSession &pictures, Dictionary::DictionaryStore &dictionaries,
                           Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs)
    : m_pictures(pictures), m_dictionaries(dictionaries), m_programSettings(programSettings), m_dialogs(dialogs)
{
}

QStringList FolderFinish::workFileNames()
{
    return {u"MrlSessionSet.dat"_s, u"MrlActiveDic.dat"_s, u"MrlSGTitle2.dat"_s, u"PicNewFolder.dat"_s,
            u"MrlAContextDic.dat"_s};
}

bool FolderFinish::sourceFolderRemovable() const
{
    const QString folder = m_pictures.pictureFolder();
    if (folder.isEmpty() || folder == u"/"_s)
        return false;
    const QStringList allowed = workFileNames() << QString::fromLatin1(thumbsDb);
    const QDir dir(folder);
    if (!dir.exists())
        return false;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (!allowed.contains(entry) || QFileInfo(dir.filePath(entry)).isDir())
            return false;
    }
    return true;
}

Platform::Question FolderFinish::question(bool quitCommand) const
{
    const Settings::ProgramSettingsRec &settings = m_programSettings.rec();
    const QString folder = QDir::toNativeSeparators(m_pictures.pictureFolder());
    Platform::Question question;
    question.severity = Platform::Severity::Information;
    if (m_pictures.rowCount() == 0) {
        question.caption = L10n::title() + text(1733, " - Done !");
        question.lines = {text(915, "You are &done with this folder!").remove(u'&')};
        question.buttons = {text(428, "Remove the workfiles")};
        // The run that emptied the folder can still be taken back from here.
        if (m_undoAvailable && m_undoAvailable())
            question.buttons.append(text(1282, "&Undo last retitling"));
        const bool removable = sourceFolderRemovable();
        question.checkBoxCaption = text(916, "Remove source folder");
        question.checkBoxEnabled = removable;
        question.checkBoxChecked = removable && settings.PSRemoveSourceFolder;
        question.checkBoxHint =
            removable ? text(917, "Source folder '") + folder
                            + text(918, "' is empty and can be removed (provided that the source folder is not in use by "
                                   "another program)")
                      : text(917, "Source folder '") + folder + text(919, "' is not empty");
        // Only the button closes it; a program that is ended keeps the work files.
        question.escapeButton = -1;
    } else {
        question.caption = L10n::title() + text(1736, " - Done ?");
        question.lines = {quitCommand ? text(920, "Please confirm that you are done with this folder")
                                      : text(921, "Are you done with this folder?")};
        question.buttons = {text(922, "&Yes, remove the work files"), text(923, "&No, I want to resume this session later")};
        question.escapeButton = -1;
        question.defaultButton = 1;
    }
    question.warningHeader = text(924, "Beware");
    question.warningLines = {text(925, "When the workfiles") + u' ' + text(926, "are removed, also ") + text(927, "the Active Dictionary")
                             + u' ' + text(928, "is erased.")};
    question.choiceCaption = text(929, "Before removing the workfiles:");
    question.choices = {text(930, "Add the contents of the Active Dictionary to the Static Dictionary"),
                        text(931, "Replace the Static Dictionary by the Active Dictionary"),
                        text(932, "Erase the Active Dictionary without saving the contents")};
    question.choice = std::clamp(settings.PSActDicAction, 0, 2);
    question.helpSection = QuickStart::doneSection();
    return question;
}

bool FolderFinish::ShowForm8(bool quitCommand)
{
    const Platform::Question asked = question(quitCommand);
    const Platform::Answer answer = m_dialogs.ask(asked);
    m_undid = false;
    if (m_pictures.rowCount() == 0 && asked.buttons.size() > undoButton && answer.button == undoButton) {
        m_undid = m_undo && m_undo();
        return false;
    }
    const int action = answer.choice >= 0 && answer.choice <= 2 ? answer.choice : asked.choice;
    m_dictionaries.UpdateActDicAction(action);
    if (asked.checkBoxEnabled && !asked.checkBoxCaption.isEmpty()
        && answer.checkBoxChecked != m_programSettings.rec().PSRemoveSourceFolder) {
        m_programSettings.rec().PSRemoveSourceFolder = answer.checkBoxChecked;
        if (auto written = m_programSettings.UpdateFPSM(); !written)
            m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                              Platform::Severity::Error});
    }
    if (answer.button != yesButton)
        return false;
    // The Active dictionary lives in the work files: when it could not be carried over, they stay.
    if (!m_dictionaries.SaveActDicContents(action, m_pictures.freeTexts()))
        return false;
    const bool offered = !asked.checkBoxCaption.isEmpty() && asked.checkBoxEnabled;
    return RemoveWorkFiles(offered && answer.checkBoxChecked);
}

bool FolderFinish::RemoveWorkFiles(bool removeSourceFolder)
{
    bool removed = true;
    for (const QString &name : workFileNames()) {
        const QString path = m_pictures.folderFile(name);
        if (present(path) && !QFile::remove(path)) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                              QDir::toNativeSeparators(path) + text(349, " could not be removed!"),
                              Platform::Severity::Error});
            removed = false;
            break;
        }
    }
    if (removeSourceFolder)
        this->removeSourceFolder();
    return removed;
}

void FolderFinish::removeSourceFolder()
{
    const QString folder = m_pictures.pictureFolder();
    if (folder.isEmpty() || folder == u"/"_s)
        return;
    const QString thumbs = m_pictures.folderFile(QString::fromLatin1(thumbsDb));
    if (present(thumbs))
        QFile::remove(thumbs);
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir::setCurrent(parent))
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(350, "Could not change to : ") + QDir::toNativeSeparators(parent),
                          Platform::Severity::Error});
    if (m_serviceEvents)
        m_serviceEvents();
    // Only an empty folder goes: whatever came into it meanwhile stays, and so does the folder.
    if (::rmdir(QFile::encodeName(folder).constData()) == 0)
        return;
    m_dialogs.inform({L10n::standard(L10n::Standard::Information),
                      u"'"_s + QDir::toNativeSeparators(folder) + u"'"_s + text(349, " could not be removed!") + u"\n\n"_s
                          + text(351, "If you started through a context menu of Windows Explorer (or any similar "
                                      "program),")
                          + u"\n"_s
                          + text(352, "the folder is still in use by that program (being the reason Mirelto can not "
                                      "remove it)."),
                      Platform::Severity::Information});
}

} // namespace App
