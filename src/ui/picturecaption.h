#pragma once

#include <QWidget>

class QLabel;

namespace Session {
struct PreviewPicture;
}

namespace Ui {

// The lines under a shown picture: its date taken, its file name and, when the picture has a
// GPS position, that position as a link that opens the web map there.
class PictureCaption final : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCaption(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setPicture(const Session::PreviewPicture &picture);
    QString dateText() const;
    QString nameText() const;
    // The link's target; empty while no link is shown.
    QString mapLink() const;
    // The link as the label shows it, in the link colour of the palette in force.
    QString mapText() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showMapLink();

    QLabel *m_date = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_map = nullptr;
    QString m_link;
    QString m_position;
};

} // namespace Ui
