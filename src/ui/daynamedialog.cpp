#include "ui/daynamedialog.h"

#include "compose/daynamemodel.h"
#include "l10n/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Compose::DayNameModel;

DayNameDialog::DayNameDialog(DayNameModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(u"dayNameDialog"_s);
    setWindowTitle(DayNameModel::windowCaption());
    m_add = new QCheckBox(DayNameModel::addCaption());
    m_add->setObjectName(u"addNameOfDay"_s);
    m_abbreviate = new QCheckBox(DayNameModel::abbreviateCaption());
    m_abbreviate->setObjectName(u"abbreviateNameOfDay"_s);
    m_placement = new QComboBox;
    m_placement->setObjectName(u"placement"_s);
    m_placement->addItems(DayNameModel::placementCaptions());
    m_example = new QLabel;
    m_example->setObjectName(u"example"_s);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(L10n::standard(L10n::Standard::Ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(L10n::standard(L10n::Standard::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(m_add);
    form->addRow(m_abbreviate);
    form->addRow(DayNameModel::placementCaption(), m_placement);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_example);
    layout->addWidget(buttons);

    connect(m_add, &QCheckBox::clicked, this, [this](bool on) {
        m_model.setAddNameOfDay(on);
        refresh();
    });
    connect(m_abbreviate, &QCheckBox::clicked, this, [this](bool on) {
        m_model.setAbbreviate(on);
        refresh();
    });
    connect(m_placement, &QComboBox::activated, this, [this](int index) {
        m_model.setPlacement(index);
        refresh();
    });
    refresh();
}

void DayNameDialog::refresh()
{
    m_add->setChecked(m_model.addNameOfDay());
    m_abbreviate->setChecked(m_model.abbreviate());
    m_abbreviate->setEnabled(m_model.isAbbreviateEnabled());
    m_placement->setCurrentIndex(m_model.placement());
    m_placement->setEnabled(m_model.isPlacementEnabled());
    m_example->setText(m_model.example());
}

void DayNameDialog::accept()
{
    m_model.accept();
    QDialog::accept();
}

} // namespace Ui
