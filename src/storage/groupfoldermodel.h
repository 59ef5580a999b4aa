#pragma once

#include "storage/groupperiods.h"
#include "storage/storagescheme.h"
#include "storage/storagesettings.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Platform {
class Dialogs;
}

namespace Storage {

// One folder of a group folder's structure, from the level below the main folder down.
struct GroupFolderNode
{
    QString path;
    bool exists = false;

    bool operator==(const GroupFolderNode &) const = default;
};

// The dialog that creates a group folder for a period of days: its inputs, the structure the
// folder needs below the main folder, the check against existing group folders, the creation and
// its undo. Nothing but the folders is ever written; a folder is created only where none is and
// undo removes only the folders it created, and only while they are empty.
class GroupFolderModel final
{
public:
    GroupFolderModel(const StorageSettings &settings, Platform::Dialogs &dialogs,
                     const QLocale &locale = QLocale::system());

    static QString menuCaption();
    static QString caption();
    static QString showCaption();
    static QString createCaption();
    static QString undoCaption();
    static QString daysCaption();
    static QString descriptionCaption();
    static QString firstDateCaption();
    static QString lastDateCaption();
    static QString structureCaption();
    static QString existingText();
    static QString toCreateText();
    static QString suggestCaption();
    static QString gapCaption();
    static QString suggestionsCaption();
    // One proposal as the list shows it: its dates, days, pictures and description.
    static QString suggestionText(const PeriodSuggestion &suggestion);
    // Fills the dates and the description from a proposal; nothing is created by it.
    void takeSuggestion(const PeriodSuggestion &suggestion);

    const PSMScheme &scheme() const { return m_scheme; }
    // "Picture Storage Management is set to:" and the scheme, with the note when subjects are optional.
    QString schemeText() const;
    bool subjectVisible() const { return m_scheme.hasSubjectLevel(); }
    QString subjectCaption() const;

    QDate firstDate() const { return m_first; }
    QDate lastDate() const { return m_last; }
    void setFirstDate(const QDate &date);
    void setLastDate(const QDate &date);
    // Whole days from the earlier date to the later one, both counted.
    int dayCount() const;
    QString dayCountText() const;

    const QString &description() const { return m_description; }
    // Takes typed text as a subject is taken: the characters no folder name may hold are
    // removed with the main window's hint, and the text is cut after 255 bytes. caret is where
    // the typing left the cursor; descriptionCaret() is where the field puts it back.
    void setDescription(const QString &typed, int caret = -1);
    int descriptionCaret() const { return m_descriptionCaret; }
    const QString &subject() const { return m_subject; }
    void setSubject(const QString &subject);

    bool showEnabled() const { return m_showEnabled; }
    bool createEnabled() const { return m_createEnabled; }
    bool undoEnabled() const { return m_undoEnabled; }
    // "Cl&ose" until a structure was created, "D&one" after.
    QString closeCaption() const;

    // The main folder as the tree's root shows it: a root in full, any other by its last level.
    QString rootText() const;
    const QList<GroupFolderNode> &structure() const { return m_structure; }
    // The folders to create, parents first; after a creation the folders that undo removes.
    const QStringList &creationList() const { return m_toCreate; }

    enum class ShowResult { Shown, Stopped, DescriptionWanted };
    // Builds the structure, tells what is wrong with it and enables Create when it may be made.
    ShowResult showStructure();
    // Creates the folders of the creation list; false when one could not be made.
    bool createStructure();
    // Removes the created folders, group folder first; false when one could not be removed.
    bool undoCreation();
    // Whether the dialog may close; asks while a shown structure was not created.
    bool mayClose();
    // Called before every message of the actions above, so that a view shows the state the
    // message speaks of.
    void setBeforeMessage(std::function<void()> handler) { m_beforeMessage = std::move(handler); }

    // The folder paths of the group's structure for these inputs, without looking at the disk.
    static QStringList structurePaths(const StorageSettings &settings, const QString &subject,
                                      const QString &description, const QDate &first, const QDate &last,
                                      const QLocale &locale = QLocale::system());
    // The name of the first group folder in parent, in directory order, whose period shares a day
    // with first to last.
    static std::optional<QString> overlappingGroup(const QString &parent, const QDate &first, const QDate &last);

private:
    void inputChanged();
    void error(const QString &text);
    void information(const QString &text);

    StorageSettings m_settings;
    Platform::Dialogs &m_dialogs;
    std::function<void()> m_beforeMessage;
    QLocale m_locale;
    PSMScheme m_scheme;
    QDate m_first;
    QDate m_last;
    QString m_description;
    int m_descriptionCaret = 0;
    QString m_subject;
    QList<GroupFolderNode> m_structure;
    QStringList m_toCreate;
    bool m_showEnabled = true;
    bool m_createEnabled = false;
    bool m_undoEnabled = false;
    bool m_created = false;
};

} // namespace Storage
