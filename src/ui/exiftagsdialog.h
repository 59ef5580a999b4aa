#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableView;

namespace Compose {
class ExifTagsModel;
}

namespace Ui {

// "Select Exif tags": the known tags with their selection, order and descriptions, and the two
// switches of the element. Every rule is the model's; the dialog shows it and forwards clicks.
class ExifTagsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit ExifTagsDialog(Compose::ExifTagsModel &model, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    QPushButton *upButton() const { return m_up; }
    QPushButton *downButton() const { return m_down; }
    QPushButton *moveToTopButton() const { return m_moveToTop; }
    QPushButton *rebuildButton() const { return m_rebuild; }
    QCheckBox *inTitleBox() const { return m_inTitle; }
    QCheckBox *markBox() const { return m_mark; }
    QPushButton *okButton() const { return m_ok; }

    void accept() override;

private:
    void refresh();
    void cellClicked(const QModelIndex &index);

    Compose::ExifTagsModel &m_model;
    QTableView *m_table = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_moveToTop = nullptr;
    QPushButton *m_rebuild = nullptr;
    QCheckBox *m_inTitle = nullptr;
    QCheckBox *m_mark = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace Ui
