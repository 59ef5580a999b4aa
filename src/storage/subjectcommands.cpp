#include "storage/subjectcommands.h"

#include "storage/subjectstore.h"

#include "l10n/text.h"
#include "platform/dialogs.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"

using namespace Qt::StringLiterals;

namespace Storage {

using L10n::text;
using Session::PictureRow;

namespace {

Platform::Question confirmation(const QString &message, bool withNo)
{
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = {message};
    question.buttons = {L10n::standard(L10n::Standard::Yes)};
    if (withNo)
        question.buttons.append(L10n::standard(L10n::Standard::No));
    question.buttons.append(L10n::standard(L10n::Standard::Cancel));
    question.defaultButton = 0;
    question.escapeButton = int(question.buttons.size()) - 1;
    question.severity = Platform::Severity::Warning;
    return question;
}

// The box shows an ampersand as typed only when it is doubled.
QString shown(const QString &subject)
{
    QString doubled = subject;
    return doubled.replace(u'&', u"&&"_s);
}

} // namespace

SubjectCommands::SubjectCommands(SubjectStore &store, Session::PictureSession &pictures, Session::Selection &selection,
                                 Session::StageWorkflow &workflow, Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_store(store), m_pictures(pictures), m_selection(selection), m_workflow(workflow),
      m_dialogs(dialogs)
{
    // A refilled list keeps the subjects chosen in it, wherever they moved; one that is gone
    // leaves no choice.
    connect(&m_store, &SubjectStore::subjectsChanged, this, [this] {
        m_chosen = m_chosen >= 0 ? m_store.IndexOfCBSubject(m_chosenText) : -1;
        m_stage2Chosen = m_stage2Chosen >= 0 ? m_store.IndexOfCBSubject(m_stage2ChosenText) : -1;
        Q_EMIT changed();
    });
    connect(&m_workflow, &Session::StageWorkflow::commandsChanged, this, &SubjectCommands::changed);
}

QStringList SubjectCommands::entries() const
{
    return m_store.subjectList();
}

void SubjectCommands::choose(int index)
{
    setChoice(index, &m_chosen, &m_chosenText);
}

void SubjectCommands::setChoice(int index, int *chosen, QString *chosenText)
{
    const int valid = index >= 0 && index < entries().size() ? index : -1;
    if (valid == *chosen)
        return;
    *chosen = valid;
    *chosenText = entries().value(valid);
    Q_EMIT changed();
}

bool SubjectCommands::assignEnabled() const
{
    return m_chosen >= 0 && eraseEnabled();
}

bool SubjectCommands::eraseEnabled() const
{
    return m_workflow.isEnabled(Session::Command::EraseFreeText);
}

bool SubjectCommands::maintainEnabled() const
{
    return m_workflow.selectionGroupEnabled() || m_workflow.editingGroupEnabled();
}

QString SubjectCommands::assignHint() const
{
    const QString subject = m_chosen >= 0 ? entries().value(m_chosen) : QString();
    return text(48, "Assign subject '") + subject + text(1234, "' to all selected pictures");
}

QString SubjectCommands::assignCaption()
{
    return text(1235, "S&ubject to all selected");
}

QString SubjectCommands::eraseHint()
{
    return text(1236, "Erase subject of all selected pictures (Caution: step is irreversable!)");
}

QString SubjectCommands::newEditCaption()
{
    return text(1237, "&New/Edit");
}

QString SubjectCommands::newCaption()
{
    return text(1238, "&New");
}

QString SubjectCommands::menuCaption()
{
    return text(1239, "&Subjects");
}

QString SubjectCommands::menuHint()
{
    return text(1240, "Add new subject(s), Edit subjects");
}

QString SubjectCommands::maintainHint() const
{
    if (m_workflow.editingGroupEnabled())
        return text(1241, "Add new subject(s) - Note: While you are working in Stage2, subjects can not be edited or removed.");
    return menuHint();
}

QString SubjectCommands::assignMenuCaption()
{
    return text(1242, "Assign subject to selected pictures");
}

QString SubjectCommands::eraseMenuCaption()
{
    return text(1243, "Erase subject of all selected pictures");
}

QString SubjectCommands::maintainMenuCaption()
{
    return text(1244, "Maintenance subjects");
}

void SubjectCommands::assignToSelected()
{
    if (!assignEnabled())
        return;
    const QString subject = entries().value(m_chosen);
    int recordNumber = -1;
    if (!subject.isEmpty()) {
        const int position = m_store.IndexOfSubj(subject);
        if (position < 0)
            return;
        recordNumber = m_store.sortedOrder().at(position);
    }

    const int toRename = m_selection.CheckForPicturesToRename();
    if (toRename == 0) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Information),
                          text(810, "All selected pictures are marked for deletion, can not assign Subject"),
                          Platform::Severity::Information});
        return;
    }
    const int withSubject = m_selection.SelectedWithSubjectFound(subject);
    bool overwrite = true;
    if (withSubject == 0) {
        const QString message = subject.isEmpty() ? text(63, "Assign 'No subject' to all pictures to rename?")
                                                  : QString(text(64, "Assign subject '") + shown(subject)
                                                            + text(65, "' to all pictures to rename?"));
        if (m_dialogs.ask(confirmation(message, false)).button != 0)
            return;
    } else {
        QString message = subject.isEmpty()
                              ? text(60, "You are about to assign 'No subject' to all pictures to rename.")
                              : QString(text(61, "You are about to assign subject '") + shown(subject)
                                        + text(62, "' to all pictures to rename."));
        message += u"\n\n"_s;
        if (toRename == 1 && subject.isEmpty()) {
            message += text(52, "The only picture to rename, already has been assigned a subject. ") + u'\n'
                       + text(53, "Do you want to overwrite this subject by 'No subject'");
        } else if (toRename == 1) {
            message += text(1245, "The only picture to rename, already has been assigned a different subject. ") + u'\n'
                       + text(58, "Do you want to overwrite this subject by subject '") + shown(subject) + u"'?"_s;
        } else {
            message += text(54, "From the ") + QString::number(toRename) + text(55, " pictures to rename, ")
                       + QString::number(withSubject);
            if (subject.isEmpty()) {
                message += text(56, " already have been assigned a subject. ") + u'\n'
                           + text(57, "Do you want to overwrite these subjects by 'No subject'");
            } else {
                message += text(1246, " already have been assigned a different subject. ") + u'\n'
                           + text(59, "Do you want to overwrite these subjects by subject '") + shown(subject)
                           + u"'?"_s;
            }
        }
        const int answer = m_dialogs.ask(confirmation(message, true)).button;
        if (answer == 2)
            return;
        overwrite = answer == 0;
    }

    m_pictures.beginRecordUpdates();
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        const PictureRow &row = m_pictures.row(r);
        if (!row.isSelected() || row.markedForDeletion || (!overwrite && !row.subject.isEmpty()))
            continue;
        PictureRow &picture = m_pictures.rowForChange(r);
        picture.subjectIndex = recordNumber;
        picture.subject = subject;
        m_pictures.UpdateFSGTitleRec(r, false, false);
    }
    m_pictures.endRecordUpdates();
    m_chosen = -1;
    Q_EMIT changed();
}

void SubjectCommands::eraseOfSelected()
{
    if (!eraseEnabled())
        return;
    if (m_selection.CheckForPicturesToRename() == 0) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Information),
                          text(811, "All selected pictures are marked for deletion, nothing to erase"),
                          Platform::Severity::Information});
        return;
    }
    if (m_selection.SelectedWithSubjectFound() == 0) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(67, "None of the pictures to rename have a subject assigned to it, nothing to erase"),
                          Platform::Severity::Error});
        return;
    }
    if (m_dialogs.ask(confirmation(text(66, "Erase subject of all pictures to rename?"), false)).button != 0)
        return;
    m_pictures.beginRecordUpdates();
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        if (!m_pictures.row(r).isSelected())
            continue;
        PictureRow &picture = m_pictures.rowForChange(r);
        picture.subjectIndex = -1;
        picture.subject.clear();
        m_pictures.UpdateFSGTitleRec(r, false, false);
    }
    m_pictures.endRecordUpdates();
}

void SubjectCommands::chooseStage2(int index)
{
    setChoice(index, &m_stage2Chosen, &m_stage2ChosenText);
}

void SubjectCommands::loadStage2(int row)
{
    const QString subject = row >= 0 && row < m_pictures.rowCount() ? m_pictures.row(row).subject : QString();
    // A picture without a subject shows the empty entry where there is one, else no choice.
    chooseStage2(m_store.IndexOfCBSubject(subject));
}

bool SubjectCommands::confirmStage2(int row, bool markedForDeletion)
{
    if (!m_inUse || row < 0 || row >= m_pictures.rowCount())
        return true;
    PictureRow &picture = m_pictures.rowForChange(row);
    const QString subject = m_stage2Chosen >= 0 ? entries().value(m_stage2Chosen) : QString();
    const int position = subject.isEmpty() ? -1 : m_store.IndexOfSubj(subject);
    if (markedForDeletion || (position < 0 && m_store.subjectOptional())) {
        picture.subjectIndex = -1;
        picture.subject.clear();
        return true;
    }
    if (position < 0) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error),
                          text(339, "Please supply a subject for this picture"), Platform::Severity::Error});
        return false;
    }
    picture.subjectIndex = m_store.sortedOrder().at(position);
    picture.subject = m_store.subject(picture.subjectIndex);
    return true;
}

void SubjectCommands::subjectEdited(int recordNumber)
{
    if (recordNumber < 0 || recordNumber >= m_store.count())
        return;
    const QString subject = m_store.subject(recordNumber);
    int first = -1;
    int last = -1;
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        if (m_pictures.row(r).subjectIndex != recordNumber)
            continue;
        // The records keep the record number, which still names this subject.
        m_pictures.rowForChange(r).subject = subject;
        first = first < 0 ? r : first;
        last = r;
    }
    if (first >= 0)
        Q_EMIT m_pictures.rowsChanged(first, last);
}

const QList<PictureRow> &SubjectCommands::pictureRows() const
{
    return m_pictures.rows();
}

void SubjectCommands::subjectRemoved(int recordNumber)
{
    m_pictures.beginRecordUpdates();
    for (int r = 0; r < m_pictures.rowCount(); ++r) {
        if (m_pictures.row(r).subjectIndex != recordNumber)
            continue;
        PictureRow &picture = m_pictures.rowForChange(r);
        picture.subjectIndex = -1;
        picture.subject.clear();
        m_pictures.UpdateFSGTitleRec(r, false, false);
    }
    m_pictures.endRecordUpdates();
}

} // namespace Storage
