#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace Storage {
class FolderDescriptions;
}

namespace Ui {

class PictureCanvas;

// The dialog "Add description to folders that are to be created": shows what
// Storage::FolderDescriptions holds and forwards the user's commands to it. The cursor keys
// browse the chosen folder's pictures while the description field does not have the focus.
class FolderDescriptionsDialog final : public QDialog
{
    Q_OBJECT

public:
    FolderDescriptionsDialog(Storage::FolderDescriptions &model, QWidget *parent = nullptr);

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void refreshPicture();
    // Left and Right browse the pictures; false for any other key.
    bool browse(const QKeyEvent &event);

    Storage::FolderDescriptions &m_model;
    QLabel *m_listLabel = nullptr;
    QTableWidget *m_rows = nullptr;
    QLabel *m_caption = nullptr;
    QLineEdit *m_description = nullptr;
    QLabel *m_information = nullptr;
    QListWidget *m_freeTexts = nullptr;
    QSpinBox *m_minChar = nullptr;
    QCheckBox *m_filterDigit = nullptr;
    QLabel *m_topWordsLabel = nullptr;
    QLineEdit *m_proposal = nullptr;
    QPushButton *m_import = nullptr;
    QCheckBox *m_overwrite = nullptr;
    PictureCanvas *m_canvas = nullptr;
    QLabel *m_pictureMessage = nullptr;
    bool m_refreshing = false;
};

} // namespace Ui
