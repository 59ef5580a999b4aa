#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Compose {
class NumberSettingsModel;
}

namespace Ui {

// The stage-3 numbering element: extraction from the current title with its direction, or the
// counter with its start value and reset, and the number of digits.
class NumberPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit NumberPanel(Compose::NumberSettingsModel &model, QWidget *parent = nullptr);

    QCheckBox *extractBox() const { return m_extract; }
    QComboBox *directionBox() const { return m_direction; }
    QCheckBox *counterBox() const { return m_counter; }
    QLineEdit *startField() const { return m_start; }
    QCheckBox *resetBox() const { return m_reset; }
    QComboBox *digitsBox() const { return m_digits; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    Compose::NumberSettingsModel &m_model;
    QCheckBox *m_extract = nullptr;
    QComboBox *m_direction = nullptr;
    QCheckBox *m_counter = nullptr;
    QLineEdit *m_start = nullptr;
    QCheckBox *m_reset = nullptr;
    QComboBox *m_digits = nullptr;
    QCheckBox *m_byDateTaken = nullptr;
    QCheckBox *m_restartDay = nullptr;
    QCheckBox *m_restartFolder = nullptr;
};

} // namespace Ui
