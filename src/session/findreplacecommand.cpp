#include "session/findreplacecommand.h"

#include "session/findreplace.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "l10n/text.h"
#include "platform/dialogs.h"

using namespace Qt::StringLiterals;

namespace Session {

using L10n::text;

FindReplaceCommand::FindReplaceCommand(PictureSession &pictures, Selection &selection,
                                       Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs)
    : m_pictures(pictures), m_selection(selection), m_programSettings(programSettings), m_dialogs(dialogs)
{
}

QString FindReplaceCommand::hint()
{
    return text(1134, "Find and Replace string of characters in free text element of all selected pictures");
}

void FindReplaceCommand::SBFindReplaceClick(const std::function<bool(FindReplace &)> &showDialog)
{
    if (!m_selection.AllSelectedWithFreeText(false)) {
        Platform::Question question;
        question.caption = L10n::standard(L10n::Standard::Confirm);
        question.lines = {text(189, "Not all pictures that have free text are selected. Do you want to automatically "
                                    "add those pictures to the selection?")};
        question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No),
                            L10n::standard(L10n::Standard::Cancel)};
        question.defaultButton = 0;
        question.escapeButton = 2;
        const int answer = m_dialogs.ask(question).button;
        if (answer == 2)
            return;
        if (answer == 0)
            m_selection.BtnSelectClick(SelectionKind::AllHavingFreeText);
    }
    const QList<RFreeText> lines = FillTFreeText(m_pictures);
    if (lines.isEmpty()) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(77, "No selected pictures found that have free text, can not start Find/Replace"),
                          Platform::Severity::Error});
        return;
    }
    FindReplace dialog(lines, m_programSettings, m_dialogs);
    const bool applied = showDialog && showDialog(dialog);
    // The check box may still hold the focus when the dialog closes.
    dialog.ignoreCaseLeft();
    if (applied)
        ApplyReplaceString(m_pictures, dialog.lines());
}

QList<RFreeText> FindReplaceCommand::FillTFreeText(const PictureSession &pictures)
{
    QList<RFreeText> lines;
    int startsAt = 0;
    for (int r = 0; r < pictures.rowCount(); ++r) {
        const PictureRow &row = pictures.row(r);
        if (!row.isSelected() || row.freeText.isEmpty() || row.markedForDeletion)
            continue;
        const QString freeText = u' ' + row.freeText;
        lines.append({freeText, freeText.toLower(), startsAt, r, row.currentTitle});
        startsAt += int(freeText.size()) + 2;
    }
    return lines;
}

int FindReplaceCommand::ApplyReplaceString(PictureSession &pictures, const QList<RFreeText> &lines)
{
    int written = 0;
    pictures.beginRecordUpdates();
    for (const RFreeText &line : lines) {
        const QString freeText = line.FreeText.mid(1);
        if (line.FreeText_Row < 0 || line.FreeText_Row >= pictures.rowCount()
            || pictures.row(line.FreeText_Row).freeText == freeText)
            continue;
        pictures.rowForChange(line.FreeText_Row).freeText = freeText;
        pictures.UpdateFSGTitleRec(line.FreeText_Row, false, false);
        ++written;
    }
    pictures.endRecordUpdates();
    return written;
}

} // namespace Session
