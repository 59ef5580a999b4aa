#pragma once

#include "storage/setupexample.h"
#include "storage/storagesettings.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace Platform {
class Dialogs;
class Drives;
} // namespace Platform

namespace Storage {

// The three-step setup of storage management as its dialog shows it: the main folder, the
// scheme with its subject choices, and the details (or, without a scheme, undoing the setup).
// Nothing is written before finish(), which hands the new settings to the apply function.
class StorageSetupModel final : public QObject
{
    Q_OBJECT

public:
    // Writes the settings on Finish; false when that failed (the dialog then stays open).
    using Apply = std::function<bool(const StorageSettings &)>;

    StorageSetupModel(const StorageSettings &stored, Platform::Drives &drives, Platform::Dialogs &dialogs,
                      Apply apply, const QDate &today = QDate::currentDate(), QObject *parent = nullptr);

    static QString windowCaption();
    int step() const { return m_step; }
    // The instruction heading the current step.
    QString stepCaption() const;
    bool canGoNext() const;
    void next();
    void previous();

    // Step 1: the main folder.
    static QString folderHeader();
    static QString selectFolderCaption();
    static QString selectFolderHint();
    const QString &selectedFolder() const { return m_folder; }
    QString selectedFolderCaption() const;
    // Asks for a folder; one that exists becomes the selected folder, anything else is warned about.
    void browse();
    // A folder that exists, on a local, writable, non-optical file system with 5 MB free.
    bool isFolderUsable(const QString &folder) const;
    // Why a folder is not usable, shown beside it while Next stays disabled; empty when usable
    // or when no folder is chosen yet.
    QString folderProblem(const QString &folder) const;
    QString selectedFolderProblem() const;

    // Step 2: the scheme, by its number of levels (1 to 3; 0 for none).
    static QString schemeName(int levels);
    static QStringList subjectChoices(int levels);
    static QString subjectQuestion();
    static QString optionalCaption();
    static QString warningCaption();
    int selectedScheme() const { return m_scheme; }
    // Selects a scheme, or deselects it when it is the selected one.
    void clickScheme(int levels);
    // The header: the scheme with its chosen subject placement.
    QString schemeHeader(int levels) const;
    int subjectChoice(int levels) const { return scheme(levels).subject; }
    void setSubjectChoice(int levels, int index);
    bool subjectOptional(int levels) const { return scheme(levels).optional; }
    void setSubjectOptional(int levels, bool on);
    bool subjectWarning(int levels) const { return scheme(levels).warning; }
    void setSubjectWarning(int levels, bool on);
    bool isSchemeEnabled(int levels) const { return levels == m_scheme; }
    bool isOptionalEnabled(int levels) const;
    bool isWarningEnabled(int levels) const;
    QString optionalHint(int levels) const;
    QList<ExampleNode> example(int levels) const;

    // Step 3: the details, or the undo texts when no scheme is selected.
    static QString addNameDayCaption();
    static QString abbreviateCaption();
    static QString promptFolderCaption();
    static QString shiftMidnightCaption();
    static QStringList undoLines();
    bool addNameDay() const { return m_addNameDay; }
    void setAddNameDay(bool on);
    bool abbreviateNameDay() const { return m_abbreviate; }
    void setAbbreviateNameDay(bool on);
    bool isAbbreviateEnabled() const { return m_addNameDay; }
    bool promptFolder() const { return m_promptFolder; }
    void setPromptFolder(bool on);
    int shiftMidnight() const { return m_shift; }
    void setShiftMidnight(int hours);

    // What Finish would store.
    StorageSettings result() const;
    bool canFinish() const;
    bool isUndone() const { return m_undone; }
    // Stores the settings; true when the dialog is to close.
    bool finish();
    // Closing without Finish: asks when something would be lost; true when the dialog may close.
    bool mayClose();

Q_SIGNALS:
    // Any shown state changed; the dialog refreshes from the getters.
    void changed();

private:
    struct SchemeChoice
    {
        int subject = 0;
        bool optional = false;
        bool warning = false;
    };
    const SchemeChoice &scheme(int levels) const;
    SchemeChoice *editableScheme(int levels);
    bool isSetUp() const;

    StorageSettings m_stored;
    Platform::Drives &m_drives;
    Platform::Dialogs &m_dialogs;
    Apply m_apply;
    QDate m_today;
    int m_step = 1;
    QString m_folder;
    int m_scheme = 0;
    std::array<SchemeChoice, 3> m_schemes;
    bool m_addNameDay = false;
    bool m_abbreviate = false;
    bool m_promptFolder = true;
    int m_shift = 0;
    bool m_undone = false;
};

} // namespace Storage
