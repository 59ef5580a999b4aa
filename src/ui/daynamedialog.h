#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace Compose {
class DayNameModel;
}

namespace Ui {

// "Add name of day to date": the three day-name options and an example; OK stores them.
class DayNameDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit DayNameDialog(Compose::DayNameModel &model, QWidget *parent = nullptr);

    QCheckBox *addBox() const { return m_add; }
    QCheckBox *abbreviateBox() const { return m_abbreviate; }
    QComboBox *placementBox() const { return m_placement; }
    QLabel *exampleLabel() const { return m_example; }

    void accept() override;

private:
    void refresh();

    Compose::DayNameModel &m_model;
    QCheckBox *m_add = nullptr;
    QCheckBox *m_abbreviate = nullptr;
    QComboBox *m_placement = nullptr;
    QLabel *m_example = nullptr;
};

} // namespace Ui
