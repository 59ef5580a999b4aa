#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Platform {
class Dialogs;
}

namespace Storage {

class SubjectCommands;
class SubjectStore;

// The dialog "Maintenance Subjects": the active subjects in sorted order and an edit field below
// them, in add mode or, while one subject is being edited, in edit mode with the list locked.
class SubjectMaintenance final : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Add, Edit };

    struct Entry
    {
        int recordNumber = -1;
        QString subject;
        bool operator==(const Entry &) const = default;
    };

    // inStage2: the dialog was opened while stage 2 runs; subjects can then only be added.
    SubjectMaintenance(SubjectStore &store, SubjectCommands &commands, Platform::Dialogs &dialogs, bool inStage2,
                       QObject *parent = nullptr);

    static QString caption();
    static QString listHeading();

    QList<Entry> entries() const;
    // The row of entries() whose subject equals the edit field, or -1.
    int rowOfEditText() const;

    Mode mode() const { return m_mode; }
    QString editLabel() const;
    QString addOrOkCaption() const;
    QString closeCaption() const;
    bool cancelEnabled() const { return !m_editText.isEmpty(); }
    // Edit and Remove: a subject is listed, the list is not locked and stage 2 is not running.
    bool editRemoveEnabled() const;
    bool listLocked() const { return m_mode == Mode::Edit; }

    const QString &editText() const { return m_editText; }
    int caret() const { return m_caret; }
    // The field after a change, with the caret as the change left it: the characters no folder
    // name may hold are removed at once (with the main window's hint) and the text is cut to
    // what a subject record keeps.
    void setEditText(const QString &text, int caret);

    // "&Add" (or Enter) in add mode, "&OK" in edit mode.
    void addOrOk();
    // "&Edit subject" on the chosen row of entries().
    void startEdit(int row);
    // "&Cancel": clears the field and returns to add mode.
    void cancel();
    // "&Remove subject" on the chosen row of entries().
    void remove(int row);
    // "Co&py subject into edit area".
    void copyIntoEditArea(int row);

    // "&Get subject from source folder": the subjects the picture folder's path suggests.
    void setPictureFolder(const QString &pictureFolder) { m_pictureFolder = pictureFolder; }
    QStringList suggestions() const;
    // A suggestion goes into the field unless it is listed already.
    void takeSuggestion(const QString &suggestion);

    // "Recreate subjects from &main folder": offers each subject that the folders below the
    // storage main folder hold and the list lacks, one question at a time.
    void setMainFolder(const QString &mainFolder) { m_mainFolder = mainFolder; }
    bool recreateEnabled() const;
    static QString recreateCaption();
    void recreateFromMainFolder();

    // A subject was added, edited or removed since the dialog opened.
    bool changedAny() const { return m_changedAny; }

Q_SIGNALS:
    // The list, the field, the mode or a caption changed.
    void changed();

private:
    void add();
    void finishEdit();
    void error(const QString &message);
    void backToAddMode();

    SubjectStore &m_store;
    SubjectCommands &m_commands;
    Platform::Dialogs &m_dialogs;
    bool m_inStage2 = false;
    Mode m_mode = Mode::Add;
    int m_editedRecord = -1;
    QString m_pictureFolder;
    QString m_mainFolder;
    QString m_editText;
    int m_caret = 0;
    bool m_changedAny = false;
};

} // namespace Storage
