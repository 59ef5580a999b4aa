#pragma once

#include "storage/folderproposal.h"
#include "storage/newfolderdescription.h"
#include "storage/newfolderfile.h"

#include "compose/inputrules.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Platform {
class Dialogs;
}

namespace Settings {
class ProgramSettings;
}

namespace Storage {

// A destined picture of the chosen folder, for browsing: its file name and its line in the
// free-text list (-1 when it has no free text).
struct ImRec
{
    QString Picture;
    int ILines = -1;

    bool operator==(const ImRec &) const = default;
};

// Everything the dialog "Add description to folders that are to be created" shows and does:
// one row per planned folder, the chosen row's pictures and free texts, the proposal made of
// them and the commands. The description of a row is kept in PicNewFolder.dat as soon as it is
// confirmed, so a later Test & Preview of the session offers it again even after a cancel.
class FolderDescriptions final
{
public:
    struct Row
    {
        // The last level of the folder, with the subject it is for.
        QString newFolder;
        QString description;
        // The folder above it.
        QString parentPath;
        int folderIndex = -1;
        qint64 NFIndex = -1;
        QString subject;
        QString key;
    };

    static constexpr int minimumMinChar = 1;
    static constexpr int maximumMinChar = 20;
    static constexpr int maximumDescriptionBytes = NewFolderFile::fieldLength;

    // affixes gives the main window's prefix and suffix with their switches; the rest of it is
    // filled per folder.
    FolderDescriptions(const NewFolderDescriptionInput &input, const FolderProposalInput &affixes,
                       const NewFolderFile &file, Settings::ProgramSettings &settings, Platform::Dialogs &dialogs);

    enum class Caption {
        Window, Enter, EnterHint, Import, ImportAll, Overwrite, Done, Cancel, FilterDigits, FilterDigitsHint,
        MinimumLength, Previous, Next, Number, NewFolder, Description, ParentPath,
    };
    static QString caption(Caption which);
    QString listLabel() const;
    const QList<Row> &rows() const { return m_rows; }
    int currentRow() const { return m_current; }
    void choose(int row);

    QString caption() const;
    QString informationLine() const;
    const QStringList &freeTextLines() const { return m_freeTexts; }
    // Shown instead of the free texts when the pictures have none.
    static QString noFreeTextsText();
    bool wordsEnabled() const { return !m_freeTexts.isEmpty(); }
    int minChar() const;
    bool filterDigit() const;
    void setMinChar(int minChar);
    void setFilterDigit(bool filter);
    QString topWordsCaption() const;
    const QString &proposal() const { return m_proposal; }
    bool importEnabled() const { return !m_proposal.isEmpty(); }

    // What the description field keeps of typed text: no character a file name may not hold,
    // no more than the field stores.
    static QString acceptedInput(const QString &typed);
    // The description field after a change, with the caret as the change left it: refused
    // characters are removed at once with the main window's hint.
    Compose::CorrectedInput typed(const QString &text, int caret);
    // Keeps text (without trailing spaces) as the chosen row's description, writes it to the
    // file and chooses the next row.
    void confirm(const QString &text);
    // Proposes a description for every row (those with one only when overwrite); returns the
    // last proposal for the description field, the user told what could not be proposed.
    QString importForAll(bool overwrite);
    // Whether the dialog may close with OK; asks when folders are left without description.
    bool mayFinish();
    // One description per planned folder, in the planning's order.
    QStringList descriptions() const;

    // Browsing the chosen row's pictures.
    const QList<ImRec> &pictures() const { return m_pictures; }
    int currentPicture() const { return m_currentPicture; }
    void showPicture(int index);
    void previousPicture() { showPicture(m_currentPicture - 1); }
    void nextPicture() { showPicture(m_currentPicture + 1); }
    // Shows the picture of a free-text line.
    void showLine(int line);
    QString picturePath() const;
    // The line of the picture shown, -1 for none.
    int highlightedLine() const;
    // "File does not exist" when the picture shown is gone, empty otherwise.
    QString pictureMessage() const;
    static QString cannotShowText();

private:
    void computeProposal();
    void store(const Row &row);

    NewFolderDescriptionInput m_input;
    FolderProposalInput m_affixes;
    NewFolderFile m_file;
    Settings::ProgramSettings &m_settings;
    Platform::Dialogs &m_dialogs;

    QList<Row> m_rows;
    int m_current = -1;
    QStringList m_freeTexts;
    QStringList m_pictureAffixes;
    QList<ImRec> m_pictures;
    int m_currentPicture = -1;
    QString m_proposal;
};

} // namespace Storage
