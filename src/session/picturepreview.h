#pragma once

#include "session/previewpicture.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Session {

class FreeTextEditor;
class PictureSession;

// Which picture is shown beside the table, and which one the full-screen viewer shows.
//
// While stage 2 edits a row, that row's picture is shown; otherwise the table's current row,
// when "Always show thumbnail" (PSShowThumb) is on; otherwise none. A folder of one picture
// shows it without a current row. A new picture is taken after a short delay, which every
// further change starts again, so that typing and moving through the table never wait for
// pictures they pass by.
//
// The viewer browses the selected pictures in table order and stops at the first and the last.
class PicturePreview final : public QObject
{
    Q_OBJECT

public:
    enum class Step { Previous, Next };
    // The delay between a change and the picture being taken, in milliseconds: changes that
    // come quicker than this, as a rebuilt table or a held key sends them, are taken as one.
    // It is kept short so that the camera's thumbnail follows a step through the table at once;
    // the display drops the pictures that were passed by before they were decoded.
    static constexpr int delay = 20;

    PicturePreview(PictureSession &pictures, FreeTextEditor &editor, Settings::ProgramSettings &programSettings,
                   Platform::Dialogs &dialogs, QObject *parent = nullptr);

    // The row whose picture is due now, before the delay; -1 for none.
    int wantedRow() const;
    // The picture shown, once the delay has passed; empty for none.
    const PreviewPicture &shown() const { return m_shown; }
    // A new picture is waiting for the delay to pass.
    bool isPending() const { return m_delay.isActive(); }

    static QString viewMenuCaption();
    // "Always show thumbnail of current picture"; toggling stores the program settings at once.
    bool showThumb() const;
    void toggleShowThumb();
    static QString showThumbCaption();
    static QString showThumbHint();

    // "Show picture thumbnail in full screen" (F2), enabled while a picture is shown.
    bool fullScreenEnabled() const { return !m_shown.isEmpty(); }
    static QString fullScreenCaption();
    static QString fullScreenShortcut();
    // Opens the viewer at the picture shown; false when none is.
    bool showFullScreen();

    // The viewer. Closing it outside stage 2 makes the picture it showed last the current row.
    void openViewer(int row);
    void closeViewer();
    bool isViewerOpen() const { return !m_viewer.isEmpty(); }
    const PreviewPicture &viewerPicture() const { return m_viewer; }
    // Moves the viewer to the previous or next selected picture; false at either end.
    bool browse(Step step);

    // The facts of the picture of row; empty for a row that does not exist.
    PreviewPicture picture(int row) const;
    // The web map at the unchanged position text; empty for an empty position.
    static QUrl mapLink(const QString &position);

Q_SIGNALS:
    // shown() is another picture, or none.
    void pictureChanged();
    // The viewer opened or shows another picture.
    void viewerChanged();
    void viewerClosed();

private:
    void update();
    void take();
    // Closes the viewer without touching the current row; false when it was not open.
    bool dropViewer();

    PictureSession &m_pictures;
    FreeTextEditor &m_editor;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    QTimer m_delay;
    PreviewPicture m_shown;
    PreviewPicture m_viewer;
};

} // namespace Session
