#pragma once

#include "session/pictureorientation.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

namespace Ui {

class PictureDecoder;

// An area that shows one picture, decoded off the user interface's thread at the size the area
// needs, scaled to fit and centred with its proportions kept. The picture shown stays until the
// next one is ready, so moving on does not flash an empty area; a new picture's embedded
// thumbnail, scaled up, stands in for it until the picture itself is decoded.
class PictureCanvas final : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCanvas(QWidget *parent = nullptr);
    ~PictureCanvas() override;

    // Shows the picture of path (empty: none), turned as orientation says.
    void setPicture(const QString &path, const Session::PictureOrientation &orientation);
    const QString &path() const { return m_path; }
    // The decoded picture, or the thumbnail standing in for it; null while none is ready or the
    // file could not be read.
    const QImage &image() const { return m_image; }
    bool failed() const { return m_failed; }
    // image() is the thumbnail, not yet the decoded picture.
    bool showsThumbnail() const { return m_showsThumbnail; }
    // Where the picture is drawn, in the canvas.
    QRect pictureRect() const;
    // A widget kept at the picture's top-left corner; the canvas becomes its parent.
    void setOverlay(QWidget *overlay);

    // Takes only the height the picture needs at the canvas's width, so that what follows the
    // canvas in a layout sits right under the picture; otherwise the canvas takes all it gets.
    void setHeightFollowsPicture(bool follows);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return m_heightFollowsPicture; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    // The thumbnail of the last setPicture's picture is drawn; pictureReady() follows.
    void thumbnailReady();
    // The picture of the last setPicture is drawn (or could not be read).
    void pictureReady();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void requestDecode();
    void display(const QImage &image);
    void placeOverlay();

    PictureDecoder *m_decoder = nullptr;
    QTimer *m_resizeDelay = nullptr;
    // Starts the first decode of a picture once the layout has given the canvas its size.
    QTimer *m_settled = nullptr;
    QString m_path;
    Session::PictureOrientation m_orientation;
    QImage m_image;
    QPixmap m_scaled;
    QSize m_requested;
    bool m_failed = false;
    bool m_showsThumbnail = false;
    bool m_complete = false;
    bool m_heightFollowsPicture = false;
    // The picture of path has not been decoded yet.
    bool m_waiting = false;
    QPointer<QWidget> m_overlay;
};

} // namespace Ui
