#pragma once

#include "session/mediatypes.h"
#include "session/picturerow.h"
#include "session/titlefile.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QFile;

namespace Platform {
class Dialogs;
struct StatusMessage;
} // namespace Platform

namespace Session {

class SubjectSource;

enum class EditMode { All, Single };

// The picture table of the open folder, mirrored row for row in its title file. Rows are
// addressed from 0; row r is record r of the title file and shows number r + 1.
class PictureSession final : public QObject
{
    Q_OBJECT

public:
    // Columns of the table. The subject and free-text columns trade places 3 and 4 while subjects
    // are in use; address them through subjectColumn() and freeTextColumn().
    enum Column {
        NumberColumn = 0,
        MarkerColumn = 1,
        TitleColumn = 2,
        PrefixColumn = 5,
        SuffixColumn = 6,
        ErrorColumn = 7,
        SubjectIndexColumn = 8,
        DeletionColumn = 9,
        ColumnCount = 10,
    };

    PictureSession(Platform::Dialogs &dialogs, SubjectSource &subjects, QObject *parent = nullptr);
    ~PictureSession() override;

    // The folder as chosen ("/" for the root) and the program version written into each record.
    void setFolder(const QString &pictureFolder, const QString &programVersion);
    const QString &pictureFolder() const { return m_folder; }
    // The path of a file in the picture folder.
    QString folderFile(const QString &name) const;
    const TitleFile &titleFile() const { return m_titleFile; }

    // InitSGTitle: the header titles and an empty table with the subject column hidden.
    void InitSGTitle();
    static QString headerTitle(int column, int subjectColumn);
    // The title as the table's header shows it: one longer than the English free-text title goes
    // on two lines, broken at the space nearest its middle, so that a narrow window shows it whole.
    static QString shownHeaderTitle(int column, int subjectColumn);
    // SetSubjSGTitle: moves the subject column to 3 (subjects on) or 4 (off).
    void SetSubjSGTitle(bool subjectsOn);
    int subjectColumn() const { return m_subjectColumn; }
    int freeTextColumn() const { return m_freeTextColumn; }
    bool isColumnShown(int column) const;

    int rowCount() const { return int(m_rows.size()); }
    const PictureRow &row(int index) const { return m_rows.at(index); }
    const QList<PictureRow> &rows() const { return m_rows; }
    // The free text of every row, in table order.
    QStringList freeTexts() const;
    // The text of a cell as the table shows it.
    QString cell(int row, int column) const;
    // A row to change in place; the caller then writes it with UpdateFSGTitleRec, which also
    // tells the views.
    PictureRow &rowForChange(int index) { return m_rows[index]; }

    // FillSGTitle: rebuilds the table from the folder and the records of the title file (those of
    // the previous session, or of this one when it fills again after a run), and rewrites the
    // title file; a picture still in the folder keeps every field of its row. False when the
    // title file could not be read or written. A damaged title file (its size not a whole number
    // of records) goes on with its whole records: its bytes are kept beside it before the
    // rewrite, and the user is told in a box.
    bool FillSGTitle(bool checkOnMissing, const std::function<void()> &yield = {});
    // Why the last FillSGTitle or WriteFSGTitle failed, in a sentence.
    const QString &fillError() const { return m_fillError; }
    // The record a row is stored as.
    SGTitleRec WriteFSGTitleRec(int row, bool stage2, bool editAll) const;
    // Writes one row's record in place; on failure tells the user and keeps the change in the table.
    // A command that writes many rows tells of a failure once: after one box no other is shown
    // until the program is back in its event loop outside a run of updates.
    bool UpdateFSGTitleRec(int row, bool stage2, bool editAll);
    // Between these two, UpdateFSGTitleRec writes through a shared mapping of the title file
    // instead of opening it for every record (through one open handle where it cannot be mapped):
    // a record stored into the mapping is in the system's cache at once and survives the program
    // being killed, without a system call per record.
    void beginRecordUpdates();
    void endRecordUpdates();
    bool WriteFSGTitle();
    bool CreateFSGTitle();
    // Converts a first-generation title file MrlSGTitle.dat into the (empty) title file and
    // deletes it; false after telling the user it failed.
    bool convertFirstGeneration();

    // The selected count and the commands that depend on it.
    void ShowSelectedPictures(int count);
    int selectedCount() const { return m_selectedCount; }
    QString selectedCountText() const;
    QString selectedCountHint() const;
    bool selectionCommandsEnabled() const { return m_selectedCount > 0; }

    bool isFresh() const { return m_fresh; }
    void setFresh(bool fresh) { m_fresh = fresh; }
    bool correctionMode() const { return m_correctionMode; }
    void setCorrectionMode(bool on);
    std::optional<int> stage2Row() const { return m_stage2Row; }
    EditMode editMode() const { return m_editMode; }
    void setStage2Row(std::optional<int> row, EditMode mode);
    // Subjects are in use: the subject column is shown.
    bool subjectsInUse() const { return m_subjectColumn == 3; }
    int missingTitles() const { return m_missingTitles; }
    // The kinds of files the table lists and whether pairs follow their picture; FillSGTitle
    // applies them.
    const MediaOptions &mediaOptions() const { return m_mediaOptions; }
    void setMediaOptions(const MediaOptions &options) { m_mediaOptions = options; }
    // Whether a RAW file or a video follows the row's picture, as the last FillSGTitle found.
    bool hasPair(const QString &currentTitle) const { return m_pairLeaders.contains(currentTitle); }
    // A row's picture was retitled with its pair.
    void pairFollowed(const QString &from, const QString &to)
    {
        if (m_pairLeaders.remove(from))
            m_pairLeaders.insert(to);
    }
    // Pictures the last FillSGTitle left out because their names are not valid UTF-8.
    int notUtf8Names() const { return m_notUtf8Names; }
    // The status line text that reports the resume outcome, if any, after the pictures left out.
    std::optional<Platform::StatusMessage> resumeStatus() const;
    // The status line text that tells of the pictures left out, if any.
    std::optional<Platform::StatusMessage> listingStatus() const;

    static QString deletionMarkText();
    // The interface language changed: the rows marked for deletion say so in the new one.
    void retranslate();

Q_SIGNALS:
    void tableAboutToBeRebuilt();
    void tableRebuilt();
    void rowsChanged(int first, int last);
    void subjectColumnMoved();
    void selectedCountChanged();

private:
    void allowUpdateFailureBoxOnNextTurn();
    void fillRow(PictureRow *row, const SGTitleRec &record, int index);

    Platform::Dialogs &m_dialogs;
    SubjectSource &m_subjects;
    QString m_folder;
    QString m_version;
    TitleFile m_titleFile;
    QList<PictureRow> m_rows;
    // Until InitSGTitle runs, the table is as it is without subjects.
    int m_subjectColumn = 4;
    int m_freeTextColumn = 3;
    int m_selectedCount = 0;
    bool m_fresh = true;
    bool m_correctionMode = false;
    bool m_subjectsLost = false;
    std::optional<int> m_stage2Row;
    EditMode m_editMode = EditMode::All;
    int m_missingTitles = 0;
    int m_notUtf8Names = 0;
    MediaOptions m_mediaOptions;
    QSet<QString> m_pairLeaders;
    QString m_fillError;
    std::unique_ptr<QFile> m_openTitleFile;
    uchar *m_titleMap = nullptr;
    qint64 m_titleMapRecords = 0;
    bool m_inRecordUpdates = false;
    bool m_updateFailureShown = false;
};

} // namespace Session
