#include "session/picturepreview.h"

#include "session/freetexteditor.h"
#include "session/picturesession.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "metadata/datetaken.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/orientation.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"

using namespace Qt::StringLiterals;

namespace Session {

PicturePreview::PicturePreview(PictureSession &pictures, FreeTextEditor &editor,
                               Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs,
                               QObject *parent)
    : QObject(parent), m_pictures(pictures), m_editor(editor), m_programSettings(programSettings), m_dialogs(dialogs)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(delay);
    connect(&m_delay, &QTimer::timeout, this, &PicturePreview::take);
    connect(&editor, &FreeTextEditor::currentRowChanged, this, &PicturePreview::update);
    connect(&editor, &FreeTextEditor::pictureShowRequested, this, &PicturePreview::update);
    connect(&editor, &FreeTextEditor::stage2Started, this, &PicturePreview::update);
    connect(&editor, &FreeTextEditor::stage2Ended, this, &PicturePreview::update);
    connect(&editor, &FreeTextEditor::viewerRequested, this, &PicturePreview::openViewer);
    connect(&editor, &FreeTextEditor::viewerCloseRequested, this, &PicturePreview::closeViewer);
    connect(&pictures, &PictureSession::tableRebuilt, this, [this] {
        // The viewer's row is one of the old table: it is not taken over.
        dropViewer();
        update();
    });
    connect(&pictures, &PictureSession::rowsChanged, this, [this](int first, int last) {
        if (m_shown.row >= first && m_shown.row <= last)
            update();
    });
}

int PicturePreview::wantedRow() const
{
    // Entering stage 2 makes the editor active a moment before it names its row.
    if (m_editor.isActive())
        return m_editor.stage2Row() >= 0 ? m_editor.stage2Row() : m_editor.currentRow();
    if (!showThumb())
        return -1;
    const int row = m_editor.currentRow();
    if (row >= 0 && row < m_pictures.rowCount())
        return row;
    return m_pictures.rowCount() == 1 ? 0 : -1;
}

void PicturePreview::update()
{
    const int row = wantedRow();
    if (row < 0 || row >= m_pictures.rowCount()) {
        m_delay.stop();
        if (!m_shown.isEmpty()) {
            m_shown = {};
            Q_EMIT pictureChanged();
        }
        return;
    }
    // The first picture comes at once, so that the window is laid out for it before anything
    // opens beside it (the guide on entering stage 2); the delay only spares browsing.
    if (m_shown.isEmpty() && m_editor.isActive()) {
        m_delay.stop();
        take();
        return;
    }
    m_delay.start();
}

void PicturePreview::take()
{
    PreviewPicture next = picture(wantedRow());
    if (next == m_shown)
        return;
    m_shown = std::move(next);
    Q_EMIT pictureChanged();
}

PreviewPicture PicturePreview::picture(int row) const
{
    if (row < 0 || row >= m_pictures.rowCount())
        return {};
    PreviewPicture picture;
    picture.row = row;
    picture.fileName = m_pictures.row(row).currentTitle;
    picture.path = m_pictures.folderFile(picture.fileName);
    // One read serves the caption, the turn and the map link.
    if (const auto exif = Metadata::ExifReader::read(picture.path)) {
        picture.dateTaken = Metadata::dateTakenText(exif.value());
        picture.orientation = PictureOrientation::fromExif(Metadata::orientationText(exif.value()));
        picture.position = Metadata::positionText(Metadata::rawPositionText(exif.value()));
        picture.mapLink = mapLink(picture.position);
    }
    return picture;
}

QUrl PicturePreview::mapLink(const QString &position)
{
    if (position.isEmpty())
        return {};
    // Every character but the unreserved ones is encoded, so the position's spaces and commas
    // reach the service as written.
    return QUrl::fromEncoded("https://www.google.com/maps?q=" + QUrl::toPercentEncoding(position), QUrl::StrictMode);
}

bool PicturePreview::showThumb() const
{
    return m_programSettings.rec().PSShowThumb;
}

void PicturePreview::toggleShowThumb()
{
    Settings::ProgramSettingsRec &rec = m_programSettings.rec();
    rec.PSShowThumb = !rec.PSShowThumb;
    if (auto written = m_programSettings.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    update();
}

QString PicturePreview::viewMenuCaption()
{
    return L10n::text(1147, "&View");
}

QString PicturePreview::showThumbCaption()
{
    return L10n::text(1148, "Always s&how thumbnail of current picture");
}

QString PicturePreview::showThumbHint()
{
    return L10n::text(1149, "Also show thumbnail of picture when working in Stage 1");
}

QString PicturePreview::fullScreenCaption()
{
    return L10n::text(1150, "Show picture thumbnail in &full screen");
}

QString PicturePreview::fullScreenShortcut()
{
    return u"F2"_s;
}

bool PicturePreview::showFullScreen()
{
    if (!fullScreenEnabled())
        return false;
    openViewer(m_shown.row);
    return true;
}

void PicturePreview::openViewer(int row)
{
    PreviewPicture next = picture(row);
    if (next.isEmpty())
        return;
    m_viewer = std::move(next);
    Q_EMIT viewerChanged();
}

void PicturePreview::closeViewer()
{
    const int row = m_viewer.row;
    if (!dropViewer())
        return;
    // The table goes on from the picture last looked at, not from where the viewer was opened;
    // stage 2 stays on the picture it edits.
    if (!m_editor.isActive())
        m_editor.setCurrentRow(row);
}

bool PicturePreview::dropViewer()
{
    if (m_viewer.isEmpty())
        return false;
    m_viewer = {};
    Q_EMIT viewerClosed();
    return true;
}

bool PicturePreview::browse(Step step)
{
    if (m_viewer.isEmpty())
        return false;
    const int forward = step == Step::Next ? 1 : -1;
    for (int row = m_viewer.row + forward; row >= 0 && row < m_pictures.rowCount(); row += forward) {
        if (m_pictures.row(row).isSelected()) {
            openViewer(row);
            return true;
        }
    }
    return false;
}

} // namespace Session
