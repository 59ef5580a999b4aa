#pragma once

#include <QWidget>

namespace Session {
class PicturePreview;
}

namespace Ui {

class PictureCanvas;
class PictureCaption;

// The picture beside the table: the one the core's preview shows, scaled to fit, with its
// caption under it. The pane hides itself while no picture is shown.
class PreviewPane final : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPane(Session::PicturePreview &preview, QWidget *parent = nullptr);

    // Puts a widget, such as a play button, at the picture's top-left corner.
    void setOverlay(QWidget *overlay);
    PictureCanvas *canvas() const { return m_canvas; }
    PictureCaption *caption() const { return m_caption; }

Q_SIGNALS:
    // The picture's thumbnail stands in for it until pictureShown().
    void thumbnailShown();
    // The picture is drawn at the size the pane needs.
    void pictureShown();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void follow();

    Session::PicturePreview &m_preview;
    PictureCanvas *m_canvas = nullptr;
    PictureCaption *m_caption = nullptr;
};

} // namespace Ui
