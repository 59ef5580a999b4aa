#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace App {
class FolderBuildModel;
}

namespace Ui {

// "Make Static Dictionary" over its model: the folder picker opens as soon as the dialog shows.
class FolderBuildDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit FolderBuildDialog(App::FolderBuildModel &model, QWidget *parent = nullptr);

    QPushButton *makeButton() const { return m_make; }
    QRadioButton *addButton() const { return m_add; }
    QRadioButton *replaceButton() const { return m_replace; }
    QCheckBox *subfoldersBox() const { return m_subfolders; }
    QLabel *folderLabel() const { return m_folder; }

Q_SIGNALS:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void update();
    void make();

    App::FolderBuildModel &m_model;
    QLabel *m_folder = nullptr;
    QRadioButton *m_add = nullptr;
    QRadioButton *m_replace = nullptr;
    QCheckBox *m_subfolders = nullptr;
    QPushButton *m_make = nullptr;
    bool m_browsed = false;
};

} // namespace Ui
