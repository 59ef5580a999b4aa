#pragma once

#include "metadata/exifelrec.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Platform {
class Dialogs;
}
namespace Settings {
class SessionSettings;
struct StorageSetup;
} // namespace Settings

namespace Compose {

class ExifTagDatabase;

// The dialog "Select Exif tags" as a table model with its commands: the known tags with their
// selection, order and descriptions, the two switches of the element, and what OK keeps.
class ExifTagsModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { OrderColumn, SelectedColumn, NumberColumn, TagColumn, DescriptionColumn, ValueColumn, ColumnCount };

    // picturePaths: the pictures of the table in table order; currentPicture: the one in the
    // current row, whose values the list shows.
    ExifTagsModel(ExifTagDatabase &database, Settings::SessionSettings &settings, Platform::Dialogs &dialogs,
                  std::function<Settings::StorageSetup()> storageSetup, QStringList picturePaths,
                  QString currentPicture, QObject *parent = nullptr);
    ~ExifTagsModel() override;

    // Fills the list as the dialog opens: built from every picture when the database is still to
    // be built (and written at once), else the database with the current picture's values and
    // its new tags. False when no tag was found: the user has been told and the dialog closes.
    bool fill();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const Metadata::TAExifEl &tags() const { return m_tags; }
    int selectedCount() const;

    // A click in "Sel" toggles the row's selection.
    void toggleSelected(int row);
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);

    bool isUpEnabled() const { return m_current > 0; }
    bool isDownEnabled() const { return m_current >= 0 && m_current < m_tags.size() - 1; }
    void moveUp();
    void moveDown();
    bool isMoveSelectedToTopEnabled() const { return selectedCount() > 0; }
    // The selected rows first, then the others, each keeping its order; the first row becomes current.
    void moveSelectedToTop();

    bool isRebuildEnabled() const { return !m_tags.isEmpty(); }
    // Asks first; on Yes the list is built again from every picture. False when the dialog is
    // to close because no tag was found.
    bool rebuild();

    bool inTitle() const { return m_inTitle; }
    void setInTitle(bool on);
    bool isInTitleEnabled() const { return !m_tags.isEmpty(); }
    bool markNotAvailable() const { return m_markNotAvailable; }
    void setMarkNotAvailable(bool on);
    bool isMarkNotAvailableEnabled() const { return isInTitleEnabled() && m_inTitle; }

    // A click in "Tag in title (click to edit)": asks for the description until the answer is
    // valid. ask shows the input box with the current text and returns the answer, or nothing on
    // Cancel; a cancelled empty description is asked again.
    void editDescription(int row, const std::function<std::optional<QString>(const QString &current)> &ask);
    // The answer as the description takes it: trimmed; nothing, with the reason in the status
    // line, when it is empty or holds a character no file name may hold.
    std::optional<QString> checkedDescription(const QString &answer);

    bool isOkEnabled() const { return !m_tags.isEmpty(); }
    // "&OK": the checks, then the database and the switches are written. True when the dialog
    // closes; false when the user went back to it or the database could not be written.
    bool accept();

    // The item of "Add title elements" that opens the dialog, and its status text.
    static QString menuCaption();
    static QString menuHint();
    static QString windowCaption();
    static QString upCaption();
    static QString downCaption();
    static QString moveSelectedToTopCaption();
    static QString rebuildCaption();
    static QString inTitleCaption();
    static QString markNotAvailableCaption();
    static QString markNotAvailableHint();
    static QString okCaption();
    static QString cancelCaption();
    static QString editCaption();
    static QString editPrompt();

Q_SIGNALS:
    // Any shown state other than the rows changed (switches, enabled states, current row).
    void stateChanged();

private:
    void showStatus(const QString &text, bool error);
    bool writeDatabase();
    void resetTags(Metadata::TAExifEl tags);

    ExifTagDatabase &m_database;
    Settings::SessionSettings &m_settings;
    Platform::Dialogs &m_dialogs;
    std::function<Settings::StorageSetup()> m_storageSetup;
    QStringList m_picturePaths;
    QString m_currentPicture;
    Metadata::TAExifEl m_tags;
    int m_current = -1;
    bool m_inTitle = false;
    bool m_markNotAvailable = false;
    // The value heading while the list shows every picture's values.
    bool m_valuesOfAllPictures = false;
};

} // namespace Compose
