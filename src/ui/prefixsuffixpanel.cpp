#include "ui/prefixsuffixpanel.h"

#include "compose/inputrules.h"
#include "compose/titlesettingsmodel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::TitleSettingsModel;

namespace {

// Shows a corrected text without disturbing the field while it already shows it.
void showCorrected(QLineEdit *field, const Compose::CorrectedInput &corrected)
{
    if (field->text() != corrected.text)
        field->setText(corrected.text);
    if (field->cursorPosition() != corrected.caret)
        field->setCursorPosition(corrected.caret);
}

} // namespace

PrefixSuffixPanel::PrefixSuffixPanel(TitleSettingsModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(u"prefixSuffixPanel"_s);
    m_usePrefix = new QCheckBox(TitleSettingsModel::usePrefixCaption());
    m_usePrefix->setObjectName(u"usePrefix"_s);
    m_prefix = new QLineEdit;
    m_prefix->setObjectName(u"prefix"_s);
    m_prefix->setMaxLength(Compose::globalTextLength);
    m_useSuffix = new QCheckBox(TitleSettingsModel::useSuffixCaption());
    m_useSuffix->setObjectName(u"useSuffix"_s);
    m_suffix = new QLineEdit;
    m_suffix->setObjectName(u"suffix"_s);
    m_suffix->setMaxLength(Compose::globalTextLength);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_usePrefix, 0, 0);
    layout->addWidget(m_prefix, 0, 1);
    layout->addWidget(m_useSuffix, 1, 0);
    layout->addWidget(m_suffix, 1, 1);
    layout->setColumnStretch(1, 1);

    for (QWidget *control : {static_cast<QWidget *>(m_usePrefix), static_cast<QWidget *>(m_prefix),
                             static_cast<QWidget *>(m_useSuffix), static_cast<QWidget *>(m_suffix)})
        control->installEventFilter(this);

    connect(m_usePrefix, &QCheckBox::toggled, &m_model, &TitleSettingsModel::setUsePrefix);
    connect(m_useSuffix, &QCheckBox::toggled, &m_model, &TitleSettingsModel::setUseSuffix);
    connect(m_prefix, &QLineEdit::textEdited, this,
            [this](const QString &text) { showCorrected(m_prefix, m_model.editPrefix(text, m_prefix->cursorPosition())); });
    connect(m_suffix, &QLineEdit::textEdited, this,
            [this](const QString &text) { showCorrected(m_suffix, m_model.editSuffix(text, m_suffix->cursorPosition())); });
    connect(&m_model, &TitleSettingsModel::changed, this, &PrefixSuffixPanel::refresh);
    connect(&m_model, &TitleSettingsModel::focusRequested, this, [this](TitleSettingsModel::Field field) {
        (field == TitleSettingsModel::Field::Prefix ? m_prefix : m_suffix)->setFocus(Qt::OtherFocusReason);
    });
    refresh();
}

void PrefixSuffixPanel::refresh()
{
    m_usePrefix->setChecked(m_model.usePrefix());
    m_prefix->setEnabled(m_model.isPrefixFieldEnabled());
    if (m_prefix->text() != m_model.prefix())
        m_prefix->setText(m_model.prefix());
    m_useSuffix->setChecked(m_model.useSuffix());
    m_suffix->setEnabled(m_model.isSuffixFieldEnabled());
    if (m_suffix->text() != m_model.suffix())
        m_suffix->setText(m_model.suffix());
}

bool PrefixSuffixPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        m_model.store();
    return QWidget::eventFilter(watched, event);
}

} // namespace Ui
