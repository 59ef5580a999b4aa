#include "ui/previewpane.h"

#include "ui/picturecanvas.h"
#include "ui/picturecaption.h"

#include "session/picturepreview.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

PreviewPane::PreviewPane(Session::PicturePreview &preview, QWidget *parent) : QWidget(parent), m_preview(preview)
{
    setObjectName(u"previewPane"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_canvas = new PictureCanvas;
    m_caption = new PictureCaption(Qt::Vertical);
    m_canvas->setHeightFollowsPicture(true);
    // The picture and its caption stand together in the middle of the room the pane gets.
    layout->addStretch(1);
    layout->addWidget(m_canvas);
    layout->addWidget(m_caption);
    layout->addStretch(1);
    connect(m_canvas, &PictureCanvas::thumbnailReady, this, &PreviewPane::thumbnailShown);
    connect(m_canvas, &PictureCanvas::pictureReady, this, &PreviewPane::pictureShown);
    connect(&preview, &Session::PicturePreview::pictureChanged, this, &PreviewPane::follow);
    follow();
}

void PreviewPane::follow()
{
    const Session::PreviewPicture &picture = m_preview.shown();
    m_caption->setPicture(picture);
    // Never shown on its own as a window before it has found its place.
    if (parentWidget() || picture.isEmpty())
        setVisible(!picture.isEmpty());
    m_canvas->setPicture(picture.path, picture.orientation);
}

void PreviewPane::setOverlay(QWidget *overlay)
{
    m_canvas->setOverlay(overlay);
}

void PreviewPane::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_preview.showFullScreen();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace Ui
