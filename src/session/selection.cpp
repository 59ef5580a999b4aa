#include "session/selection.h"

#include "session/picturesession.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Session {

using L10n::text;

Selection::Selection(PictureSession &pictures, Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs,
                     QObject *parent)
    : QObject(parent), m_pictures(pictures), m_programSettings(programSettings), m_dialogs(dialogs)
{
    reloadStrings();
    connect(&pictures, &PictureSession::subjectColumnMoved, this, &Selection::captionsChanged);
}

void Selection::setKind(SelectionKind kind)
{
    if (m_kind == kind)
        return;
    m_kind = kind;
    Q_EMIT captionsChanged();
}

QString Selection::groupCaption()
{
    return text(9, "Select");
}

QStringList Selection::kindCaptions() const
{
    return {text(1158, "All"), text(1159, "Invert"),
            m_pictures.subjectsInUse() ? text(12, "All having free text/subject") : text(25, "All having free text"),
            text(1160, "None")};
}

QString Selection::buttonCaption() const
{
    switch (m_kind) {
    case SelectionKind::All:
        return text(14, "Sele&ct all");
    case SelectionKind::Invert:
        return text(15, "Invert sele&ction");
    case SelectionKind::AllHavingFreeText:
        return m_pictures.subjectsInUse() ? text(16, "Sele&ct all having free text..")
                                          : text(17, "Sele&ct all having free text");
    case SelectionKind::None:
        break;
    }
    return text(18, "Sele&ct none");
}

QString Selection::buttonHint() const
{
    switch (m_kind) {
    case SelectionKind::All:
        return text(19, "Select pictures to retitle: Select All pictures in the list beneath");
    case SelectionKind::Invert:
        return text(20, "Select pictures to retitle: Turn the selection around");
    case SelectionKind::AllHavingFreeText:
        return m_pictures.subjectsInUse()
                   ? text(21, "Select pictures to retitle: Select all pictures having free text and/or subject")
                   : text(22, "Select pictures to retitle: Select all pictures having free text");
    case SelectionKind::None:
        break;
    }
    return text(23, "Deselect all pictures in the list beneath");
}

QString Selection::menuCaption(SelectionKind kind) const
{
    switch (kind) {
    case SelectionKind::All:
        return text(1161, "&All pictures in list");
    case SelectionKind::Invert:
        return text(1162, "&Invert current selection");
    case SelectionKind::AllHavingFreeText:
        return m_pictures.subjectsInUse() ? text(24, "All pictures where &free text and/or subject is not empty")
                                          : text(26, "All pictures where &free text is not empty");
    case SelectionKind::None:
        break;
    }
    return text(1163, "&None (Deselect all pictures in list)");
}

void Selection::select(int row, int *count)
{
    m_pictures.rowForChange(row).marker = u">>i"_s;
    ++*count;
    m_pictures.UpdateFSGTitleRec(row, false, false);
}

void Selection::deselect(int row, int *count)
{
    m_pictures.rowForChange(row).marker.clear();
    --*count;
    m_pictures.UpdateFSGTitleRec(row, false, false);
}

void Selection::BtnSelectClick(SelectionKind kind)
{
    setKind(kind);
    const int before = m_pictures.selectedCount();
    int count = before;
    const bool subjects = m_pictures.subjectsInUse();
    for (int row = 0; row < m_pictures.rowCount(); ++row) {
        const PictureRow &r = m_pictures.row(row);
        switch (kind) {
        case SelectionKind::All:
            if (!r.isSelected())
                select(row, &count);
            break;
        case SelectionKind::Invert:
            if (r.isSelected())
                deselect(row, &count);
            else
                select(row, &count);
            break;
        case SelectionKind::AllHavingFreeText:
            if (!r.isSelected() && (!r.freeText.isEmpty() || (subjects && !r.subject.isEmpty())))
                select(row, &count);
            break;
        case SelectionKind::None:
            if (r.isSelected())
                deselect(row, &count);
            break;
        }
    }
    m_pictures.ShowSelectedPictures(count);
    if (kind == SelectionKind::Invert)
        DisplaySelectResult(true, false, 0, 0);
    else if (kind == SelectionKind::None)
        DisplaySelectResult(false, true, 0, before);
    else
        DisplaySelectResult(false, false, count, before);
}

void Selection::toggleRow(int row, bool shift)
{
    if (row < 0 || row >= m_pictures.rowCount())
        return;
    int count = m_pictures.selectedCount();
    if (m_pictures.row(row).isSelected())
        deselect(row, &count);
    else
        select(row, &count);
    m_pictures.ShowSelectedPictures(count);
    if (!shift || count <= 0)
        return;
    // The nearest selected row after this one, wrapping round to the first row.
    const int rows = m_pictures.rowCount();
    int other = row;
    for (int step = 1; step <= rows; ++step) {
        const int candidate = (row + step) % rows;
        if (m_pictures.row(candidate).isSelected()) {
            other = candidate;
            break;
        }
    }
    for (int r = std::min(row, other); r <= std::max(row, other); ++r) {
        if (!m_pictures.row(r).isSelected())
            select(r, &count);
    }
    m_pictures.ShowSelectedPictures(count);
}

void Selection::reloadStrings()
{
    m_shownChecked.clear();
    for (const SelectionString &string : strings())
        m_shownChecked.append(string.checked);
    Q_EMIT stringsChanged();
    Q_EMIT captionsChanged();
}

QList<SelectionString> Selection::strings() const
{
    QList<SelectionString> list;
    const Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    for (size_t i = 0; i < rec.PSSelString.size() && !rec.PSSelString[i].isEmpty(); ++i)
        list.append({rec.PSSelString[i], rec.PSSelChecked[i]});
    for (int i = 0; i < list.size() && i < m_shownChecked.size(); ++i)
        list[i].checked = m_shownChecked.at(i);
    return list;
}

void Selection::setChecked(int index, bool checked)
{
    if (index < 0 || index >= m_shownChecked.size())
        return;
    m_shownChecked[index] = checked;
    Q_EMIT captionsChanged();
}

void Selection::CBSelectExit()
{
    Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    bool changed = false;
    for (int i = 0; i < m_shownChecked.size(); ++i) {
        if (rec.PSSelChecked[size_t(i)] != m_shownChecked.at(i)) {
            rec.PSSelChecked[size_t(i)] = m_shownChecked.at(i);
            changed = true;
        }
    }
    if (changed)
        storeProgramSettings();
}

bool Selection::selectByStringsEnabled() const
{
    return std::any_of(m_shownChecked.cbegin(), m_shownChecked.cend(), [](bool checked) { return checked; });
}

void Selection::BtnSelectSClick()
{
    QStringList checked;
    for (const SelectionString &string : strings()) {
        if (string.checked)
            checked.append(string.text.toLower());
    }
    const bool startsWithMode = startsWith();
    const int before = m_pictures.selectedCount();
    int count = before;
    for (int row = 0; row < m_pictures.rowCount(); ++row) {
        if (m_pictures.row(row).isSelected())
            continue;
        const QString title = m_pictures.row(row).currentTitle.toLower();
        for (const QString &string : std::as_const(checked)) {
            if (startsWithMode ? title.startsWith(string) : title.contains(string)) {
                select(row, &count);
                break;
            }
        }
    }
    m_pictures.ShowSelectedPictures(count);
    DisplaySelectResult(false, false, count, before);
}

void Selection::setStrings(const QList<SelectionString> &newStrings)
{
    Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    rec.PSSelString.fill(QString());
    rec.PSSelChecked.fill(false);
    m_shownChecked.clear();
    for (int i = 0; i < newStrings.size() && i < maxStrings; ++i) {
        rec.PSSelString[size_t(i)] = newStrings.at(i).text.left(maxStringLength);
        rec.PSSelChecked[size_t(i)] = newStrings.at(i).checked;
        m_shownChecked.append(newStrings.at(i).checked);
    }
    storeProgramSettings();
    Q_EMIT stringsChanged();
    Q_EMIT captionsChanged();
}

bool Selection::startsWith() const
{
    return m_programSettings.rec().PSSelStartsWith;
}

void Selection::toggleMode()
{
    m_programSettings.rec().PSSelStartsWith = !startsWith();
    storeProgramSettings();
    Q_EMIT captionsChanged();
}

QString Selection::modeCaption() const
{
    return startsWith() ? text(27, "Titles starting with...") : text(29, "Titles containing...");
}

QString Selection::modeHint()
{
    return text(1271, "Starts with / contains");
}

QString Selection::selectByStringsCaption() const
{
    return startsWith() ? text(28, "Select startin&g with") : text(30, "Select containin&g");
}

QString Selection::selectByStringsHint() const
{
    return startsWith() ? text(31, "Select pictures to retitle: Select pictures starting with the checked string as "
                                   "defined in the box above")
                        : text(32, "Select pictures to retitle: Select pictures containing the checked string as "
                                   "defined in the box above");
}

QString Selection::modeMenuCaption(bool startsWithMode) const
{
    return startsWithMode ? text(1164, "Current picture title starts with one of the defined strings")
                          : text(1165, "Current picture title contains one of the defined strings");
}

QString Selection::selectByStringsMenuCaption() const
{
    return startsWith() ? text(267, "Select pictures starting with defined strings")
                        : text(212, "Select pictures containing defined strings");
}

bool Selection::AllSelectedWithFreeText(bool checkForSubject) const
{
    const bool subjects = checkForSubject && m_pictures.subjectsInUse();
    for (const PictureRow &row : m_pictures.rows()) {
        if (row.isSelected() || row.markedForDeletion)
            continue;
        if (!row.freeText.isEmpty() || (subjects && !row.subject.isEmpty()))
            return false;
    }
    return true;
}

bool Selection::SelectedWithFreeTextFound() const
{
    return std::any_of(m_pictures.rows().cbegin(), m_pictures.rows().cend(),
                       [](const PictureRow &row) { return row.isSelected() && !row.freeText.isEmpty(); });
}

int Selection::SelectedWithSubjectFound(const QString &subject) const
{
    return int(std::count_if(m_pictures.rows().cbegin(), m_pictures.rows().cend(), [&subject](const PictureRow &row) {
        return row.isSelected() && !row.subject.isEmpty() && (subject.isEmpty() || row.subject != subject);
    }));
}

int Selection::CountSelectedToPicture(int row) const
{
    int count = 0;
    for (int r = 0; r <= row && r < m_pictures.rowCount(); ++r) {
        const QString &marker = m_pictures.row(r).marker;
        if (marker == u">>i"_s || marker == u">"_s)
            ++count;
    }
    return count;
}

int Selection::CheckForPicturesToRename() const
{
    return int(std::count_if(m_pictures.rows().cbegin(), m_pictures.rows().cend(),
                             [](const PictureRow &row) { return row.isSelected() && !row.markedForDeletion; }));
}

void Selection::DisplaySelectResult(bool invert, bool none, int selectedNow, int selectedBefore)
{
    Platform::StatusMessage message;
    message.seconds = 5;
    const auto error = [&message](const QString &messageText) {
        message.text = messageText;
        message.error = true;
        message.sound = Platform::Sound::Error;
    };
    if (invert) {
        message.text = text(305, "Selection has been turned around");
    } else if (none) {
        if (selectedBefore > 0)
            message.text = text(307, "Selection is cleared, make a new selection");
        else
            error(text(306, "No pictures selected, make a new selection"));
    } else if (selectedNow == selectedBefore) {
        if (selectedBefore > 0)
            error(text(309, "No pictures found to add to current selection"));
        else
            error(text(308, "No pictures found to select"));
    } else if (selectedBefore > 0) {
        message.text = QString::number(selectedNow - selectedBefore) + text(311, " pictures added to current selection");
    } else {
        message.text = QString::number(selectedNow - selectedBefore) + text(310, " pictures selected");
    }
    m_dialogs.status(message);
}

void Selection::storeProgramSettings()
{
    if (auto written = m_programSettings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
}

SelectionStringsEditor::SelectionStringsEditor(const QList<SelectionString> &strings) : m_entries(strings) {}

QString SelectionStringsEditor::windowCaption()
{
    return L10n::title() + text(1166, " - Maintain selection strings");
}

QString SelectionStringsEditor::add()
{
    if (!addEnabled())
        return {};
    for (const SelectionString &entry : std::as_const(m_entries)) {
        if (entry.text == m_input)
            return text(1167, "Selection string already exists!");
    }
    m_entries.append({m_input, true});
    m_input.clear();
    return {};
}

void SelectionStringsEditor::remove(const QList<int> &indexes)
{
    QList<int> sorted = indexes;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (const int index : std::as_const(sorted)) {
        if (index >= 0 && index < m_entries.size())
            m_entries.removeAt(index);
    }
}

} // namespace Session
