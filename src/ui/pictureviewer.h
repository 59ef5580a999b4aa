#pragma once

#include <QWidget>

namespace Session {
class PicturePreview;
}

namespace Ui {

class PictureCanvas;
class PictureCaption;

// The picture on the whole screen, as the core's preview has the viewer show it: Left and
// Right browse the selected pictures, Escape closes. The viewer keeps the keyboard to itself: its
// play button and map link are used with the mouse, so that no key goes to them instead. The
// viewer closes itself when the core closes it.
class PictureViewer final : public QWidget
{
    Q_OBJECT

public:
    explicit PictureViewer(Session::PicturePreview &preview, QWidget *parent = nullptr);

    PictureCanvas *canvas() const { return m_canvas; }
    PictureCaption *caption() const { return m_caption; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void follow();

    Session::PicturePreview &m_preview;
    PictureCanvas *m_canvas = nullptr;
    PictureCaption *m_caption = nullptr;
};

} // namespace Ui
