#pragma once

#include "session/picturerow.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Platform {
class Dialogs;
}
namespace Session {
class PictureSession;
class Selection;
class StageWorkflow;
} // namespace Session

namespace Storage {

class SubjectStore;

// The main window's commands on the subjects of the selected pictures: the stage-1 assign list
// with "S&ubject to all selected", the erase command, and what an edited or removed subject
// does to the pictures that have it.
class SubjectCommands final : public QObject
{
    Q_OBJECT

public:
    SubjectCommands(SubjectStore &store, Session::PictureSession &pictures, Session::Selection &selection,
                    Session::StageWorkflow &workflow, Platform::Dialogs &dialogs, QObject *parent = nullptr);

    // The assign list: the store's subject lists, and the entry chosen in it (-1 for none).
    QStringList entries() const;
    int chosen() const { return m_chosen; }
    void choose(int index);

    // "S&ubject to all selected": a subject chosen, pictures selected, stage 1 running.
    bool assignEnabled() const;
    // The erase command: pictures selected, stage 1 running.
    bool eraseEnabled() const;
    // "&New/Edit" of stage 1 and the menu's maintenance item: while stage 1 or stage 2 runs.
    bool maintainEnabled() const;
    QString assignHint() const;

    static QString assignCaption();
    static QString eraseHint();
    static QString newEditCaption();
    static QString newCaption();
    static QString menuCaption();
    static QString menuHint();
    // The hint of the commands that open the maintenance dialog, which in stage 2 only adds.
    QString maintainHint() const;
    static QString assignMenuCaption();
    static QString eraseMenuCaption();
    static QString maintainMenuCaption();

    // Gives the chosen subject to the pictures to rename, asking first; the choice is then cleared.
    void assignToSelected();
    // Erases the subject of every selected picture, marked for deletion or not, asking first.
    void eraseOfSelected();

    // Whether subjects are in use; without them stage 2 leaves the pictures' subjects alone.
    void setInUse(bool inUse) { m_inUse = inUse; }
    bool inUse() const { return m_inUse; }

    // The stage-2 list of the picture being edited: the same entries, its choice (-1 for none)
    // preselected from the picture's subject when the picture is loaded.
    int stage2Chosen() const { return m_stage2Chosen; }
    void chooseStage2(int index);
    void loadStage2(int row);
    // Confirming the picture of row in stage 2 with the stage-2 choice: false keeps the picture
    // in the editor (it needs a subject); otherwise the row holds its new subject, still to be
    // written. A picture marked for deletion has no subject.
    bool confirmStage2(int row, bool markedForDeletion);

    // An edited subject: the pictures that have it show its new text.
    void subjectEdited(int recordNumber);
    // A removed subject: the pictures that had it have none, and their records are written.
    void subjectRemoved(int recordNumber);
    const QList<Session::PictureRow> &pictureRows() const;

Q_SIGNALS:
    // The entries, the choice or an enabled state may have changed.
    void changed();

private:
    // A choice of the subject list: the index, -1 for an index outside the list, and its text.
    void setChoice(int index, int *chosen, QString *chosenText);
    SubjectStore &m_store;
    Session::PictureSession &m_pictures;
    Session::Selection &m_selection;
    Session::StageWorkflow &m_workflow;
    Platform::Dialogs &m_dialogs;
    int m_chosen = -1;
    int m_stage2Chosen = -1;
    QString m_chosenText;
    QString m_stage2ChosenText;
    bool m_inUse = false;
};

} // namespace Storage
