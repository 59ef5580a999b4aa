#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPushButton;
class QTimeEdit;

namespace Compose {
class DateTimeSettingsModel;
}

namespace Ui {

// The stage-3 date/time element: date and time, each with its source, format and picked value,
// the separator, and "Day..." for the name of the day.
class DateTimePanel final : public QWidget
{
    Q_OBJECT

public:
    explicit DateTimePanel(Compose::DateTimeSettingsModel &model, QWidget *parent = nullptr);

    QCheckBox *dateBox() const { return m_date; }
    QComboBox *dateSourceBox() const { return m_dateSource; }
    QComboBox *dateFormatBox() const { return m_dateFormat; }
    QDateEdit *pickedDateEdit() const { return m_pickedDate; }
    QPushButton *dayButton() const { return m_day; }
    QCheckBox *timeBox() const { return m_time; }
    QComboBox *timeSourceBox() const { return m_timeSource; }
    QComboBox *timeFormatBox() const { return m_timeFormat; }
    QTimeEdit *pickedTimeEdit() const { return m_pickedTime; }
    QComboBox *separatorBox() const { return m_separator; }

Q_SIGNALS:
    // "Day..." was pressed: the name-of-day dialog is to open.
    void dayNameRequested();
    void cameraClocksRequested();

private:
    void refresh();

    Compose::DateTimeSettingsModel &m_model;
    QCheckBox *m_date = nullptr;
    QComboBox *m_dateSource = nullptr;
    QComboBox *m_dateFormat = nullptr;
    QDateEdit *m_pickedDate = nullptr;
    QPushButton *m_day = nullptr;
    QPushButton *m_clocks = nullptr;
    QCheckBox *m_time = nullptr;
    QComboBox *m_timeSource = nullptr;
    QComboBox *m_timeFormat = nullptr;
    QTimeEdit *m_pickedTime = nullptr;
    QComboBox *m_separator = nullptr;
};

} // namespace Ui
