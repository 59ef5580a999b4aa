#include "retitle/syncexteditor.h"

#include "compose/inputrules.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/damagedfile.h"
#include "session/pictures.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

SyncExtEditor::SyncExtEditor(const QString &path, Platform::Dialogs &dialogs) : m_path(path), m_dialogs(dialogs) {}

bool SyncExtEditor::load()
{
    // A damaged list goes on with its whole records once its bytes are kept beside it.
    const auto cut = Records::cutDamagedTail(m_path, SyncExtRec::size);
    if (!cut)
        m_dialogs.inform(
            {L10n::standard(L10n::Standard::Error), L10n::describe(cut.error()), Platform::Severity::Error});
    else if (*cut)
        m_dialogs.inform({L10n::title(), L10n::describe(**cut), Platform::Severity::Warning});
    auto records = readSyncExt(m_path);
    if (!records && records.error().code != Records::FileError::Code::NotFound) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(records.error()),
                          Platform::Severity::Error});
        return false;
    }
    m_entries = records ? *records : QList<SyncExtRec>();
    return true;
}

QString SyncExtEditor::windowCaption()
{
    return text(1003, "Maintain list of Extensions to be synchronized");
}

QString SyncExtEditor::inputPrompt()
{
    return text(1119, "Type a new extension and press Add");
}

QString SyncExtEditor::addCaption()
{
    return text(1120, "&Add");
}

QString SyncExtEditor::removeCaption()
{
    return text(1121, "&Remove selected extensions");
}

QString SyncExtEditor::okCaption()
{
    return text(933, "&OK");
}

QString SyncExtEditor::cancelCaption()
{
    return text(912, "&Cancel");
}

void SyncExtEditor::setChecked(int index, bool checked)
{
    if (index >= 0 && index < m_entries.size())
        m_entries[index].checked = checked;
}

void SyncExtEditor::edit(const QString &changed, int cursor)
{
    QString value = changed.left(maxInputLength);
    cursor = std::clamp(cursor, 0, int(value.size()));
    if (cursor > 0 && Compose::isIllegalTitleChar(value.at(cursor - 1))) {
        value.remove(cursor - 1, 1);
        --cursor;
        m_dialogs.status(Compose::illegalCharacterStatus());
    } else {
        value = value.toLower();
    }
    m_input = value;
    m_cursor = cursor;
}

bool SyncExtEditor::add()
{
    QString extension = m_input;
    while (extension.endsWith(u' '))
        extension.chop(1);
    qsizetype start = 0;
    while (start < extension.size() && (extension.at(start) == u'.' || extension.at(start) == u' '))
        ++start;
    extension = extension.mid(start).toLower();

    if (extension.isEmpty() || extension.size() > SyncExtRec::maxExtensionLength
        || Session::IsPictureExtension(QString(u'.' + extension), true)) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(1122, "Extensions supported by Mirelto are not allowed including the voice file extensions "
                               ".wav and .mov.")
                              + u'\n'
                              + text(1123, "No empty extension is permitted. The extension can not exceed the length of 10 "
                                     "characters."),
                          Platform::Severity::Error});
        return false;
    }
    const bool listed = std::any_of(m_entries.cbegin(), m_entries.cend(),
                                    [&extension](const SyncExtRec &rec) { return rec.extension == extension; });
    if (listed) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), text(1124, "Extension already defined in list!"),
                          Platform::Severity::Error});
        return false;
    }
    m_entries.append({extension, true});
    m_input.clear();
    m_cursor = 0;
    return true;
}

void SyncExtEditor::remove(const QList<int> &indexes)
{
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (const int index : std::as_const(sorted)) {
        if (index >= 0 && index < m_entries.size())
            m_entries.removeAt(index);
    }
}

bool SyncExtEditor::accept()
{
    if (auto written = writeSyncExt(m_path, m_entries); !written) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                          Platform::Severity::Error});
        return false;
    }
    return true;
}

} // namespace Retitle
