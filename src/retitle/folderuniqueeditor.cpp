#include "retitle/folderuniqueeditor.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "records/damagedfile.h"
#include "records/textcodec.h"
#include "settings/programsettings.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

namespace {

// The file keeps a folder in 255 bytes of UTF-8; a longer one would come back as another folder.
bool fitsTheFile(const QString &folder)
{
    return Records::TextCodec::fitted(folder, FolderUniqueRec::maxFolderLength) == folder;
}

} // namespace

FolderUniqueEditor::FolderUniqueEditor(const QString &path, Settings::ProgramSettings &programSettings,
                                       Platform::Dialogs &dialogs)
    : m_path(path), m_programSettings(programSettings), m_dialogs(dialogs)
{
}

bool FolderUniqueEditor::load()
{
    // A damaged list goes on with its whole records once its bytes are kept beside it.
    const auto cut = Records::cutDamagedTail(m_path, FolderUniqueRec::size);
    if (!cut)
        m_dialogs.inform(
            {L10n::standard(L10n::Standard::Error), L10n::describe(cut.error()), Platform::Severity::Error});
    else if (*cut)
        m_dialogs.inform({L10n::title(), L10n::describe(**cut), Platform::Severity::Warning});
    auto records = readFolderUnique(m_path);
    if (!records && records.error().code != Records::FileError::Code::NotFound) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(records.error()),
                          Platform::Severity::Error});
        return false;
    }
    m_entries = records ? *records : QList<FolderUniqueRec>();
    m_changed = false;
    return true;
}

QString FolderUniqueEditor::windowCaption()
{
    return text(1113, "Folders (and their subfolders) that will be checked to qualify new picture titles to be unique");
}

QString FolderUniqueEditor::addCaption()
{
    return text(1114, "&Add folder");
}

QString FolderUniqueEditor::removeCaption()
{
    return text(1115, "&Remove selected folders");
}

QString FolderUniqueEditor::okCaption()
{
    return text(933, "&OK");
}

QString FolderUniqueEditor::cancelCaption()
{
    return L10n::standard(L10n::Standard::Cancel);
}

void FolderUniqueEditor::setChecked(int index, bool checked)
{
    if (index < 0 || index >= m_entries.size() || m_entries.at(index).checked == checked)
        return;
    m_entries[index].checked = checked;
    m_changed = true;
}

bool FolderUniqueEditor::addFolder()
{
    const std::optional<QString> chosen =
        m_dialogs.chooseFolder(windowCaption(), m_programSettings.rec().PSDicFolder);
    return chosen && addFolder(*chosen);
}

bool FolderUniqueEditor::addFolder(const QString &chosen)
{
    const QString folder = Platform::normalisedFolder(chosen);
    const bool listed = std::any_of(m_entries.cbegin(), m_entries.cend(), [&folder](const FolderUniqueRec &rec) {
        return QString::compare(rec.folder, folder, Qt::CaseInsensitive) == 0;
    });
    if (listed) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(1116, "Folder to check for pictures to be unique already defined in list!"),
                          Platform::Severity::Error});
        return false;
    }
    if (!fitsTheFile(folder)) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          folder + u"\n\n"_s
                              + text(1117, "This folder cannot be kept in the list: its path is longer than the 255 bytes "
                                     "the list keeps (a character other than an English letter or digit takes two "
                                     "to four of them)."),
                          Platform::Severity::Error});
        return false;
    }
    m_entries.append({folder, true});
    m_changed = true;
    m_programSettings.rec().PSDicFolder = folder;
    if (auto written = m_programSettings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    return true;
}

void FolderUniqueEditor::remove(const QList<int> &indexes)
{
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (const int index : std::as_const(sorted)) {
        if (index >= 0 && index < m_entries.size()) {
            m_entries.removeAt(index);
            m_changed = true;
        }
    }
}

bool FolderUniqueEditor::accept()
{
    if (auto written = writeFolderUnique(m_path, m_entries); !written) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                          Platform::Severity::Error});
        return false;
    }
    m_changed = false;
    return true;
}

} // namespace Retitle
