#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Session {

class PictureSession;

// The four bulk selections of stage 1, in the order of their radio items.
enum class SelectionKind { All = 0, Invert = 1, AllHavingFreeText = 2, None = 3 };

struct SelectionString
{
    QString text;
    bool checked = false;
    bool operator==(const SelectionString &) const = default;
};

// Stage 1: which pictures are retitled. Every command sets markers to ">>i" or empty, writes each
// changed row's record at once and shows the selected count. The selection strings and their
// mode are program settings and survive across folders.
class Selection final : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxStrings = 20;
    static constexpr int maxStringLength = 30;

    Selection(PictureSession &pictures, Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs,
              QObject *parent = nullptr);

    // The radio group "Select" and the button that carries out its kind.
    SelectionKind kind() const { return m_kind; }
    void setKind(SelectionKind kind);
    static QString groupCaption();
    QStringList kindCaptions() const;
    QString buttonCaption() const;
    QString buttonHint() const;
    QString menuCaption(SelectionKind kind) const;

    // BtnSelectClick: sets the radio group to kind and carries it out.
    void BtnSelectClick(SelectionKind kind);
    // A click on the "Sel" cell of a row; with Shift the range up to the next selected row too.
    void toggleRow(int row, bool shift);

    // Takes the strings and check marks afresh from the program settings, once they are read.
    void reloadStrings();
    // The selection strings with their check marks, in stored order.
    QList<SelectionString> strings() const;
    // A check-box change in the string list; stored by CBSelectExit.
    void setChecked(int index, bool checked);
    // CBSelectExit: stores changed check marks in the program settings.
    void CBSelectExit();
    // CBSelectClickCheck: select-by-strings and the mode caption need a checked string.
    bool selectByStringsEnabled() const;
    // BtnSelectSClick: selects the unselected rows whose title starts with (or contains) a checked string.
    void BtnSelectSClick();
    // Replaces the strings, as the maintenance dialog does on OK, and stores them.
    void setStrings(const QList<SelectionString> &strings);

    bool startsWith() const;
    void toggleMode();
    QString modeCaption() const;
    // The hint of the mode caption, which toggles the mode when clicked.
    static QString modeHint();
    QString selectByStringsCaption() const;
    QString selectByStringsHint() const;
    QString modeMenuCaption(bool startsWithMode) const;
    QString selectByStringsMenuCaption() const;

    // Queries for other commands.
    bool AllSelectedWithFreeText(bool checkForSubject) const;
    bool SelectedWithFreeTextFound() const;
    int SelectedWithSubjectFound(const QString &subject = {}) const;
    int CountSelectedToPicture(int row) const;
    int CheckForPicturesToRename() const;

    // The status message after a selection command.
    void DisplaySelectResult(bool invert, bool none, int selectedNow, int selectedBefore);

Q_SIGNALS:
    void captionsChanged();
    void stringsChanged();

private:
    void select(int row, int *count);
    void deselect(int row, int *count);
    void storeProgramSettings();

    PictureSession &m_pictures;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    SelectionKind m_kind = SelectionKind::All;
    // The check marks as the list shows them, stored on leaving the list.
    QList<bool> m_shownChecked;
};

// The "Maintain selection strings" dialog, as a model: edits a copy of the strings.
class SelectionStringsEditor final
{
public:
    explicit SelectionStringsEditor(const QList<SelectionString> &strings);

    static QString windowCaption();
    const QList<SelectionString> &entries() const { return m_entries; }
    void setChecked(int index, bool checked) { m_entries[index].checked = checked; }

    QString input() const { return m_input; }
    void setInput(const QString &text) { m_input = text.left(Selection::maxStringLength); }
    bool inputEnabled() const { return m_entries.size() < Selection::maxStrings; }
    bool addEnabled() const { return inputEnabled() && !m_input.isEmpty(); }
    // Appends the input, checked; an entry equal to it exactly gives the error message and
    // changes nothing. Returns the error message, empty on success.
    QString add();
    void remove(const QList<int> &indexes);

private:
    QList<SelectionString> m_entries;
    QString m_input;
};

} // namespace Session
