#pragma once

#include "compose/numberorder.h"
#include "retitle/errortable.h"
#include "session/newtitlesource.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace Compose {
class ExifTagDatabase;
class NumberElement;
class NumberSettingsModel;
class PictureDates;
} // namespace Compose
namespace Dictionary {
class EditLine;
}
namespace Session {
class FreeTextEditor;
class PictureSession;
} // namespace Session
namespace Settings {
class SessionSettings;
}

namespace App {

// The "New title" column of the picture table: for every row to retitle (selected, not marked
// for deletion) the title a test pass would give it now, and the error that would stop the
// retitling. A row is composed when a view asks for it and kept until something it depends on
// changes, so a change costs the rows in sight, not the folder. Only duplicates need every title:
// they are looked for a moment after the last change (duplicateDelay), in one pass.
class NewTitleColumn final : public QObject, public Session::NewTitleSource
{
    Q_OBJECT

public:
    struct Sources
    {
        Settings::SessionSettings &settings;
        Compose::NumberSettingsModel &number;
        Session::PictureSession &pictures;
        Session::FreeTextEditor &editor;
        Dictionary::EditLine &editLine;
        const Compose::ExifTagDatabase &exifTags;
        Compose::PictureDates &dates;
        // A row's destination folder as last planned; empty for the picture folder.
        std::function<QString(int row)> destination;
    };

    static constexpr int duplicateDelay = 300;

    explicit NewTitleColumn(const Sources &sources, QObject *parent = nullptr);
    ~NewTitleColumn() override;

    Session::NewTitleCell newTitle(int row) override;

    // An element, the separator, a free text or a clock changed: every title is composed anew.
    void titlesChanged();
    // The numbering changed too (its settings, the selection, the dates or the table).
    void numbersChanged();
    // Only the row's free text changed, as it is typed in stage 2.
    void rowChanged(int row);
    // Composes every row to retitle and marks duplicate titles; after duplicateDelay.
    void checkDuplicates();
    // The number element that gives the row the number a pass would.
    Compose::NumberElement numberElement(int row);
    Compose::PictureDates &dates() { return m_sources.dates; }

Q_SIGNALS:
    // The cells changed; views ask again for those they show.
    void changed();

private:
    Session::NewTitleCell compose(int row);
    QString folderOf(int row) const;
    QString errorOf(int row, const QString &title) const;

    Sources m_sources;
    QHash<int, Session::NewTitleCell> m_cells;
    // Numbering: the places by current title when the counter has its own order, else the
    // count of rows to retitle before each row.
    std::optional<QHash<QString, qint64>> m_places;
    // What the places were worked out for; other options or clocks need them again.
    Compose::NumberOrderOptions m_placesOrder;
    quint64 m_placesClocks = 0;
    std::optional<QList<int>> m_preceding;
    // Rows whose title another row to retitle has too, each with its error code.
    QHash<int, int> m_duplicates;
    QTimer m_duplicateTimer;
    Retitle::ErrorTable m_errors;
};

} // namespace App
