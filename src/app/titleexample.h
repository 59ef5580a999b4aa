#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace Compose {
class ExifTagDatabase;
class NumberSettingsModel;
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

class NewTitleColumn;

// The new title of the picture the user looks at, composed from the title elements as they are
// set now: the picture being edited in stage 2 (with the text typed so far), otherwise the
// table's current picture, otherwise the first selected one. The number it shows is the one a
// test pass would give the picture among the selected ones.
class TitleExample final : public QObject
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
        // Where the number and the corrected dates come from, as in the "New title" column;
        // without it, the files' own dates and the picture-table order.
        NewTitleColumn *column = nullptr;
    };

    explicit TitleExample(const Sources &sources, QObject *parent = nullptr);

    static QString caption();
    // The composed title; empty when the folder has no picture.
    const QString &title() const { return m_title; }
    // The current title of the picture the example is of.
    const QString &currentTitle() const { return m_currentTitle; }
    // Composes again once control returns to the event loop; many changes at once compose once.
    void scheduleUpdate();
    void update();

Q_SIGNALS:
    void titleChanged();

private:
    int exampleRow() const;

    Sources m_sources;
    QString m_title;
    QString m_currentTitle;
    QTimer m_timer;
};

} // namespace App
