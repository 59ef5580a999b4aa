#pragma once

#include <QDialog>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Compose {
class CameraClocksModel;
}

namespace Ui {

// "Adjust camera clocks": the cameras of the selected pictures, and for the one chosen its
// offset, typed or worked out from one of its pictures and when it was really taken.
class CameraClocksDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit CameraClocksDialog(Compose::CameraClocksModel &model, QWidget *parent = nullptr);

    QListWidget *cameraList() const { return m_cameras; }
    QLineEdit *offsetEdit() const { return m_offset; }
    QComboBox *pictureBox() const { return m_picture; }
    QDateTimeEdit *realTimeEdit() const { return m_realTime; }
    QPushButton *referenceButton() const { return m_useReference; }

private:
    void showCamera();
    void showPicture();
    void refreshList();
    // An offset that cannot be read shows in the error colour.
    void markOffset(bool readable);

    Compose::CameraClocksModel &m_model;
    QListWidget *m_cameras = nullptr;
    QLineEdit *m_offset = nullptr;
    QComboBox *m_picture = nullptr;
    QLabel *m_written = nullptr;
    QDateTimeEdit *m_realTime = nullptr;
    QPushButton *m_useReference = nullptr;
};

} // namespace Ui
