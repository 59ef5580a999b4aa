#include "ui/pictureviewer.h"

#include "ui/picturecanvas.h"
#include "ui/picturecaption.h"

#include "session/picturepreview.h"

#include "l10n/text.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

PictureViewer::PictureViewer(Session::PicturePreview &preview, QWidget *parent)
    : QWidget(parent, Qt::Window), m_preview(preview)
{
    setObjectName(u"pictureViewer"_s);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(L10n::title());
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_canvas = new PictureCanvas;
    m_caption = new PictureCaption(Qt::Horizontal);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_caption);
    connect(&preview, &Session::PicturePreview::viewerChanged, this, &PictureViewer::follow);
    connect(&preview, &Session::PicturePreview::viewerClosed, this, &QWidget::hide);
    follow();
}

void PictureViewer::follow()
{
    const Session::PreviewPicture &picture = m_preview.viewerPicture();
    m_caption->setPicture(picture);
    m_canvas->setPicture(picture.path, picture.orientation);
}

void PictureViewer::showEvent(QShowEvent *event)
{
    // A button on the picture would take the first key; arrow keys would then move between
    // buttons instead of browsing. The controls are placed on it after the viewer was made.
    const QList<QWidget *> children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->setFocusPolicy(Qt::NoFocus);
    setFocus(Qt::ActiveWindowFocusReason);
    QWidget::showEvent(event);
}

void PictureViewer::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        m_preview.closeViewer();
        break;
    case Qt::Key_Left:
        m_preview.browse(Session::PicturePreview::Step::Previous);
        break;
    case Qt::Key_Right:
        m_preview.browse(Session::PicturePreview::Step::Next);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PictureViewer::closeEvent(QCloseEvent *event)
{
    m_preview.closeViewer();
    event->accept();
}

void PictureViewer::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_preview.closeViewer();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace Ui
