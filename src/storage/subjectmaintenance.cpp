#include "storage/subjectmaintenance.h"

#include "storage/subjectcommands.h"
#include "storage/subjectfolders.h"
#include "storage/subjectstore.h"
#include "storage/subjecttext.h"

#include "compose/inputrules.h"
#include "l10n/text.h"
#include "platform/dialogs.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Storage {

using L10n::text;

namespace {

// A subject record keeps this many bytes.
constexpr int subjectBytes = 255;

} // namespace

SubjectMaintenance::SubjectMaintenance(SubjectStore &store, SubjectCommands &commands, Platform::Dialogs &dialogs,
                                       bool inStage2, QObject *parent)
    : QObject(parent), m_store(store), m_commands(commands), m_dialogs(dialogs), m_inStage2(inStage2)
{
}

QString SubjectMaintenance::caption()
{
    return text(1247, "Maintenance Subjects");
}

QString SubjectMaintenance::listHeading()
{
    return text(42, "Subject");
}

QList<SubjectMaintenance::Entry> SubjectMaintenance::entries() const
{
    QList<Entry> list;
    for (const int record : m_store.sortedOrder()) {
        if (!m_store.isRemoved(record))
            list.append({record, m_store.subject(record)});
    }
    return list;
}

int SubjectMaintenance::rowOfEditText() const
{
    const QList<Entry> list = entries();
    for (int row = 0; row < list.size(); ++row) {
        if (list.at(row).subject == m_editText)
            return row;
    }
    return -1;
}

QString SubjectMaintenance::editLabel() const
{
    return m_mode == Mode::Add ? text(544, "Type a new subject and press the Add button")
                               : text(547, "Edit this subject and press the OK button");
}

QString SubjectMaintenance::addOrOkCaption() const
{
    return m_mode == Mode::Add ? text(1120, "&Add") : text(933, "&OK");
}

QString SubjectMaintenance::closeCaption() const
{
    return m_changedAny ? text(552, "D&one") : text(1209, "Cl&ose");
}

bool SubjectMaintenance::editRemoveEnabled() const
{
    return !m_inStage2 && m_mode == Mode::Add && !entries().isEmpty();
}

void SubjectMaintenance::setEditText(const QString &typed, int caret)
{
    const Compose::CorrectedInput corrected = Compose::correctInput(typed, caret, subjectBytes);
    if (corrected.refused)
        m_dialogs.status(Compose::illegalCharacterStatus());
    if (corrected.text == m_editText && corrected.caret == m_caret && corrected.text == typed)
        return;
    m_editText = corrected.text;
    m_caret = corrected.caret;
    Q_EMIT changed();
}

void SubjectMaintenance::error(const QString &message)
{
    m_dialogs.inform({L10n::standard(L10n::Standard::Error), message, Platform::Severity::Error});
}

void SubjectMaintenance::addOrOk()
{
    if (m_mode == Mode::Add)
        add();
    else
        finishEdit();
}

void SubjectMaintenance::add()
{
    m_editText = SubjectText::normalised(m_editText);
    m_caret = int(m_editText.size());
    Q_EMIT changed();
    if (m_editText.isEmpty()) {
        error(text(548, "Subject can not be space!"));
        return;
    }
    if (m_store.IndexOfSubj(m_editText) >= 0) {
        error(text(549, "Subject is already listed!"));
        return;
    }
    if (!m_store.AddOrActivateSubject(m_editText, -1)) {
        error(text(550, "Subject could not be added!"));
        return;
    }
    m_changedAny = true;
    m_editText.clear();
    m_caret = 0;
    Q_EMIT changed();
}

void SubjectMaintenance::startEdit(int row)
{
    const QList<Entry> list = entries();
    if (!editRemoveEnabled() || row < 0 || row >= list.size())
        return;
    m_mode = Mode::Edit;
    m_editedRecord = list.at(row).recordNumber;
    m_editText = list.at(row).subject;
    m_caret = int(m_editText.size());
    Q_EMIT changed();
}

void SubjectMaintenance::finishEdit()
{
    m_editText = SubjectText::normalised(m_editText);
    m_caret = int(m_editText.size());
    Q_EMIT changed();
    if (m_editText.isEmpty()) {
        error(text(548, "Subject can not be space!"));
        return;
    }
    // Only the other subjects count: the edited one may change its letter case.
    const QString lower = m_editText.toLower();
    for (const Entry &entry : entries()) {
        if (entry.recordNumber != m_editedRecord && entry.subject.toLower() == lower) {
            error(text(549, "Subject is already listed!"));
            return;
        }
    }
    if (!m_store.EditSubject(m_editedRecord, m_editText)) {
        error(text(551, "Subject could not be edited!"));
        return;
    }
    m_commands.subjectEdited(m_editedRecord);
    m_changedAny = true;
    backToAddMode();
}

void SubjectMaintenance::cancel()
{
    backToAddMode();
}

void SubjectMaintenance::backToAddMode()
{
    m_mode = Mode::Add;
    m_editedRecord = -1;
    m_editText.clear();
    m_caret = 0;
    Q_EMIT changed();
}

void SubjectMaintenance::remove(int row)
{
    const QList<Entry> list = entries();
    if (!editRemoveEnabled() || row < 0 || row >= list.size())
        return;
    const Entry entry = list.at(row);
    m_editText.clear();
    m_caret = 0;
    Q_EMIT changed();
    const bool inUse = SubjectStore::SubjectInUse(m_commands.pictureRows(), entry.recordNumber);
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    const QString message = inUse ? QString(text(553, "Subject '") + entry.subject
                                            + text(1248, "' is in use in the current session!") + u'\n'
                                            + text(554, "Are you sure you want to remove it?"))
                                  : QString(text(555, "Remove subject '") + entry.subject + u"'?"_s);
    question.lines = {message};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::Cancel)};
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    if (m_dialogs.ask(question).button != 0)
        return;
    if (!m_store.DelSubject(entry.recordNumber)) {
        error(text(556, "Subject could not be deleted!"));
        return;
    }
    if (inUse)
        m_commands.subjectRemoved(entry.recordNumber);
    m_changedAny = true;
    Q_EMIT changed();
}

void SubjectMaintenance::copyIntoEditArea(int row)
{
    const QList<Entry> list = entries();
    if (row < 0 || row >= list.size())
        return;
    m_editText = list.at(row).subject;
    m_caret = int(m_editText.size());
    Q_EMIT changed();
}

QStringList SubjectMaintenance::suggestions() const
{
    return m_pictureFolder.isEmpty() ? QStringList() : SubjectFolders::suggestions(m_pictureFolder);
}

void SubjectMaintenance::takeSuggestion(const QString &suggestion)
{
    if (m_store.IndexOfSubj(suggestion) >= 0) {
        error(text(549, "Subject is already listed!"));
        return;
    }
    setEditText(suggestion, int(suggestion.size()));
}

bool SubjectMaintenance::recreateEnabled() const
{
    return m_mode == Mode::Add && !m_mainFolder.isEmpty() && QFileInfo(m_mainFolder).isDir();
}

QString SubjectMaintenance::recreateCaption()
{
    return text(821, "Recreate subjects from &main folder");
}

void SubjectMaintenance::recreateFromMainFolder()
{
    if (!recreateEnabled())
        return;
    int added = 0;
    int failed = 0;
    for (const QString &candidate : SubjectFolders::candidates(m_mainFolder)) {
        if (m_store.IndexOfSubj(candidate) >= 0)
            continue;
        Platform::Question question;
        question.caption = L10n::standard(L10n::Standard::Confirm);
        question.lines = {text(825, "Add subject '") + candidate + u"'?"_s};
        question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No),
                            L10n::standard(L10n::Standard::Cancel)};
        question.escapeButton = 2;
        const int answer = m_dialogs.ask(question).button;
        if (answer == 2)
            break;
        if (answer != 0)
            continue;
        if (m_store.AddOrActivateSubject(candidate, -1))
            ++added;
        else
            ++failed;
    }
    if (added > 0) {
        m_changedAny = true;
        Q_EMIT changed();
    }
    const QString result = added == 0 ? text(823, "No subjects added")
                                      : QString(text(822, "Number of subjects added: ") + QString::number(added));
    m_dialogs.inform({L10n::standard(L10n::Standard::Information), result, Platform::Severity::Information});
    if (failed > 0) {
        error(text(824, "Number of subjects that could not be added: ") + QString::number(failed));
    }
}

} // namespace Storage
