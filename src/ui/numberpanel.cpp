#include "ui/numberpanel.h"

#include "compose/numbersettingsmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::NumberSettingsModel;

NumberPanel::NumberPanel(NumberSettingsModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(u"numberPanel"_s);
    m_extract = new QCheckBox(NumberSettingsModel::extractCaption());
    m_extract->setObjectName(u"extractNumber"_s);
    m_direction = new QComboBox;
    m_direction->setObjectName(u"inspectDirection"_s);
    m_direction->addItems(NumberSettingsModel::directionCaptions());
    m_counter = new QCheckBox(NumberSettingsModel::counterCaption());
    m_counter->setObjectName(u"useCounter"_s);
    m_start = new QLineEdit;
    m_start->setObjectName(u"counterStart"_s);
    m_reset = new QCheckBox(NumberSettingsModel::resetCaption());
    m_reset->setObjectName(u"counterReset"_s);
    m_digits = new QComboBox;
    m_digits->setObjectName(u"digits"_s);
    m_digits->addItems(NumberSettingsModel::digitsCaptions());

    m_byDateTaken = new QCheckBox(NumberSettingsModel::byDateTakenCaption());
    m_byDateTaken->setObjectName(u"numberByDateTaken"_s);
    m_restartDay = new QCheckBox(NumberSettingsModel::restartDayCaption());
    m_restartDay->setObjectName(u"restartEachDay"_s);
    m_restartFolder = new QCheckBox(NumberSettingsModel::restartFolderCaption());
    m_restartFolder->setObjectName(u"restartEachFolder"_s);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_extract, 0, 0, 1, 2);
    layout->addWidget(new QLabel(NumberSettingsModel::inspectCaption()), 1, 0);
    layout->addWidget(m_direction, 1, 1);
    layout->addWidget(m_counter, 2, 0);
    layout->addWidget(m_reset, 2, 1, Qt::AlignRight);
    layout->addWidget(new QLabel(NumberSettingsModel::startCaption()), 3, 0);
    layout->addWidget(m_start, 3, 1);
    layout->addWidget(new QLabel(NumberSettingsModel::digitsCaption()), 4, 0);
    layout->addWidget(m_digits, 4, 1);
    layout->addWidget(m_byDateTaken, 5, 0, 1, 2);
    layout->addWidget(m_restartDay, 6, 0);
    layout->addWidget(m_restartFolder, 6, 1);
    layout->setColumnStretch(1, 1);

    m_start->installEventFilter(this);

    connect(m_extract, &QCheckBox::clicked, &m_model, &NumberSettingsModel::setExtractNumber);
    connect(m_counter, &QCheckBox::clicked, &m_model, &NumberSettingsModel::setUseCounter);
    connect(m_reset, &QCheckBox::clicked, &m_model, &NumberSettingsModel::setReset);
    connect(m_byDateTaken, &QCheckBox::clicked, &m_model, &NumberSettingsModel::setNumberByDateTaken);
    connect(m_restartDay, &QCheckBox::clicked, &m_model, &NumberSettingsModel::setRestartEachDay);
    connect(m_restartFolder, &QCheckBox::clicked, &m_model, &NumberSettingsModel::setRestartEachFolder);
    connect(m_direction, &QComboBox::activated, &m_model, &NumberSettingsModel::setInspectDirection);
    connect(m_digits, &QComboBox::activated, &m_model, &NumberSettingsModel::setDigitsIndex);
    connect(m_start, &QLineEdit::textEdited, this, [this](const QString &text) {
        const Compose::CorrectedInput corrected = m_model.editStart(text, m_start->cursorPosition());
        if (m_start->text() != corrected.text)
            m_start->setText(corrected.text);
        m_start->setCursorPosition(corrected.caret);
    });
    connect(&m_model, &NumberSettingsModel::changed, this, &NumberPanel::refresh);
    connect(&m_model, &NumberSettingsModel::focusRequested, this, [this](NumberSettingsModel::Field field) {
        (field == NumberSettingsModel::Field::Digits ? static_cast<QWidget *>(m_digits) : m_start)
            ->setFocus(Qt::OtherFocusReason);
    });
    refresh();
}

void NumberPanel::refresh()
{
    m_extract->setChecked(m_model.extractNumber());
    m_direction->setCurrentIndex(m_model.inspectDirection());
    m_direction->setEnabled(m_model.isInspectEnabled());
    m_counter->setChecked(m_model.useCounter());
    if (m_start->text() != m_model.startText())
        m_start->setText(m_model.startText());
    m_start->setEnabled(m_model.isStartEnabled());
    m_reset->setChecked(m_model.reset());
    m_reset->setEnabled(m_model.isResetEnabled());
    m_digits->setCurrentIndex(m_model.digitsIndex());
    m_digits->setEnabled(m_model.isDigitsEnabled());
    const Compose::NumberOrderOptions order = m_model.order();
    m_byDateTaken->setChecked(order.byDateTaken);
    m_restartDay->setChecked(order.restartEachDay);
    m_restartFolder->setChecked(order.restartEachFolder);
    for (QCheckBox *box : {m_byDateTaken, m_restartDay, m_restartFolder})
        box->setEnabled(m_model.isOrderEnabled());
}

bool NumberPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched == m_start)
        m_model.leaveStart();
    return QWidget::eventFilter(watched, event);
}

} // namespace Ui
