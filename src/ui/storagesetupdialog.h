#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

namespace Storage {
class StorageSetupModel;
}

namespace Ui {

// The three steps of setting storage management up, over its model: the main folder, the
// scheme with its example trees, and the details (or undoing the setup).
class StorageSetupDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit StorageSetupDialog(Storage::StorageSetupModel &model, QWidget *parent = nullptr);

    QPushButton *nextButton() const { return m_next; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *finishButton() const { return m_finish; }
    QPushButton *schemeButton(int levels) const { return m_schemes.at(levels - 1).header; }

    void reject() override;

private:
    struct SchemeColumn
    {
        QPushButton *header = nullptr;
        QComboBox *subject = nullptr;
        QCheckBox *optional = nullptr;
        QLabel *optionalLabel = nullptr;
        QCheckBox *warning = nullptr;
        QLabel *warningLabel = nullptr;
        QTreeWidget *example = nullptr;
    };

    QWidget *createFolderPage();
    QWidget *createSchemePage();
    QWidget *createDetailsPage();
    void refresh();

    Storage::StorageSetupModel &m_model;
    QLabel *m_caption = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_folder = nullptr;
    QLabel *m_folderProblem = nullptr;
    std::array<SchemeColumn, 3> m_schemes;
    QWidget *m_details = nullptr;
    QWidget *m_undo = nullptr;
    QCheckBox *m_addNameDay = nullptr;
    QCheckBox *m_abbreviate = nullptr;
    QCheckBox *m_promptFolder = nullptr;
    QSpinBox *m_shift = nullptr;
    QTreeWidget *m_detailsExample = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_finish = nullptr;
};

} // namespace Ui
