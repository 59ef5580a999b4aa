#include "ui/datetimepanel.h"

#include "compose/cameraclocksmodel.h"
#include "compose/datetimesettingsmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::DateTimeSettingsModel;

namespace {

QComboBox *comboBox(const QString &name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

} // namespace

DateTimePanel::DateTimePanel(DateTimeSettingsModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(u"dateTimePanel"_s);
    m_date = new QCheckBox(DateTimeSettingsModel::dateCaption());
    m_date->setObjectName(u"useDate"_s);
    m_dateSource = comboBox(u"dateSource"_s, DateTimeSettingsModel::dateSourceCaptions());
    m_dateFormat = comboBox(u"dateFormat"_s, DateTimeSettingsModel::dateFormatCaptions());
    m_dateFormat->setToolTip(DateTimeSettingsModel::dateFormatCaption());
    m_pickedDate = new QDateEdit;
    m_pickedDate->setObjectName(u"pickedDate"_s);
    m_pickedDate->setCalendarPopup(true);
    m_pickedDate->setToolTip(DateTimeSettingsModel::pickDateCaption());
    m_day = new QPushButton(DateTimeSettingsModel::dayButtonCaption());
    m_day->setObjectName(u"dayName"_s);
    m_clocks = new QPushButton(Compose::CameraClocksModel::buttonCaption());
    m_clocks->setObjectName(u"cameraClocks"_s);
    m_clocks->setToolTip(Compose::CameraClocksModel::offsetHint());
    m_time = new QCheckBox(DateTimeSettingsModel::timeCaption());
    m_time->setObjectName(u"useTime"_s);
    m_timeSource = comboBox(u"timeSource"_s, DateTimeSettingsModel::timeSourceCaptions());
    m_timeFormat = comboBox(u"timeFormat"_s, DateTimeSettingsModel::timeFormatCaptions());
    m_timeFormat->setToolTip(DateTimeSettingsModel::timeFormatCaption());
    m_pickedTime = new QTimeEdit;
    m_pickedTime->setObjectName(u"pickedTime"_s);
    m_pickedTime->setDisplayFormat(u"HH:mm:ss"_s);
    m_pickedTime->setToolTip(DateTimeSettingsModel::pickTimeCaption());
    m_separator = comboBox(u"dateTimeSeparator"_s, DateTimeSettingsModel::separatorCaptions());

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_date, 0, 0);
    layout->addWidget(m_dateSource, 0, 1);
    layout->addWidget(m_day, 0, 2);
    layout->addWidget(m_dateFormat, 1, 1);
    layout->addWidget(m_pickedDate, 1, 2);
    layout->addWidget(m_time, 2, 0);
    layout->addWidget(m_timeSource, 2, 1, 1, 2);
    layout->addWidget(m_timeFormat, 3, 1);
    layout->addWidget(m_pickedTime, 3, 2);
    // The camera clocks share the last row, so that the panel still fits the smallest screen.
    auto *lastRow = new QHBoxLayout;
    lastRow->addWidget(new QLabel(DateTimeSettingsModel::separatorCaption()));
    lastRow->addStretch(1);
    lastRow->addWidget(m_clocks);
    lastRow->addWidget(m_separator);
    layout->addLayout(lastRow, 4, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(m_date, &QCheckBox::clicked, &m_model, &DateTimeSettingsModel::setUseDate);
    connect(m_dateSource, &QComboBox::activated, &m_model, &DateTimeSettingsModel::setDateSource);
    connect(m_dateFormat, &QComboBox::activated, &m_model, &DateTimeSettingsModel::setDateFormat);
    connect(m_pickedDate, &QDateEdit::dateChanged, &m_model, &DateTimeSettingsModel::setPickedDate);
    connect(m_time, &QCheckBox::clicked, &m_model, &DateTimeSettingsModel::setUseTime);
    connect(m_timeSource, &QComboBox::activated, &m_model, &DateTimeSettingsModel::setTimeSource);
    connect(m_timeFormat, &QComboBox::activated, &m_model, &DateTimeSettingsModel::setTimeFormat);
    connect(m_pickedTime, &QTimeEdit::timeChanged, &m_model, &DateTimeSettingsModel::setPickedTime);
    connect(m_separator, &QComboBox::activated, &m_model, &DateTimeSettingsModel::setSeparatorIndex);
    connect(m_day, &QPushButton::clicked, this, &DateTimePanel::dayNameRequested);
    connect(m_clocks, &QPushButton::clicked, this, &DateTimePanel::cameraClocksRequested);
    connect(&m_model, &DateTimeSettingsModel::changed, this, &DateTimePanel::refresh);
    refresh();
}

void DateTimePanel::refresh()
{
    m_date->setChecked(m_model.useDate());
    m_dateSource->setCurrentIndex(m_model.dateSource());
    m_dateSource->setEnabled(m_model.isDateSourceEnabled());
    m_dateFormat->setCurrentIndex(m_model.dateFormat());
    m_dateFormat->setEnabled(m_model.isDateFormatEnabled());
    m_day->setEnabled(m_model.isDayButtonEnabled());
    {
        const QSignalBlocker blocker(m_pickedDate);
        m_pickedDate->setDate(m_model.pickedDate());
    }
    m_pickedDate->setEnabled(m_model.isPickedDateEnabled());
    m_time->setChecked(m_model.useTime());
    m_timeSource->setCurrentIndex(m_model.timeSource());
    m_timeSource->setEnabled(m_model.isTimeSourceEnabled());
    m_timeFormat->setCurrentIndex(m_model.timeFormat());
    m_timeFormat->setEnabled(m_model.isTimeFormatEnabled());
    {
        const QSignalBlocker blocker(m_pickedTime);
        m_pickedTime->setTime(m_model.pickedTime());
    }
    m_pickedTime->setEnabled(m_model.isPickedTimeEnabled());
    m_separator->setCurrentIndex(m_model.separatorIndex());
    m_separator->setEnabled(m_model.isSeparatorEnabled());
}

} // namespace Ui
