#include "app/folderbuildmodel.h"

#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "session/folderbuild.h"
#include "settings/programsettings.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// A path that is not a plain local one, such as a URL or a "//server" share, names a folder on
// another machine.
bool isNetworkPath(const QString &path)
{
    return !QDir::isAbsolutePath(path) || path.startsWith(u"//"_s) || path.contains(u"://"_s);
}

} // namespace

FolderBuildModel::FolderBuildModel(const Settings::ProgramSettings &settings, int addOrReplaceDefault,
                                   Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent),
      m_dialogs(dialogs),
      m_folder(isFolder(settings.rec().PSDicFolder) ? settings.rec().PSDicFolder : QString()),
      m_replace(addOrReplaceDefault != 0)
{
}

QString FolderBuildModel::caption()
{
    return L10n::title() + text(221, " - Make Static Dictionary");
}

QString FolderBuildModel::selectCaption()
{
    return text(364, "Select a folder:");
}

QString FolderBuildModel::selectedCaption()
{
    return text(473, "Selected folder:");
}

QString FolderBuildModel::choiceCaption()
{
    return text(372, "Add to or Replace current dictionary");
}

QString FolderBuildModel::addCaption()
{
    return text(373, "&Add to");
}

QString FolderBuildModel::replaceCaption()
{
    return text(374, "&Replace");
}

QString FolderBuildModel::subfoldersCaption()
{
    return text(375, "Include &subfolders");
}

QString FolderBuildModel::makeCaption()
{
    return text(365, "&Make dictionary");
}

QString FolderBuildModel::browseCaption()
{
    return text(911, "&Browse");
}

QString FolderBuildModel::cancelCaption()
{
    return text(912, "&Cancel");
}

QString FolderBuildModel::helpCaption()
{
    return text(958, "&Help");
}

QString FolderBuildModel::buttonHint()
{
    return text(913, "Make static dictionary from folder");
}

QString FolderBuildModel::progressText(const Session::FolderBuildProgress &progress)
{
    return text(914, "Folders read: %1 of %2\nPictures read: %3\nEntries in Static dictionary: %4")
        .arg(progress.foldersRead)
        .arg(progress.foldersFound)
        .arg(progress.picturesRead)
        .arg(progress.entries);
}

void FolderBuildModel::browse()
{
    const std::optional<QString> picked = m_dialogs.chooseFolder(text(367, "Select a folder"), m_folder);
    if (!picked)
        return;
    m_folder = Platform::normalisedFolder(*picked);
    Q_EMIT changed();
}

bool FolderBuildModel::makeEnabled() const
{
    return isFolder(m_folder);
}

bool FolderBuildModel::accept()
{
    if (!makeEnabled())
        return false;
    if (!isNetworkPath(m_folder))
        return true;
    m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                      text(337, "In case of a network drive, map this drive first and select the mapped drive"),
                      Platform::Severity::Error});
    return false;
}

} // namespace App
