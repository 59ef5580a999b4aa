#include "ui/optionsdialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

using App::OptionsModel;
using Number = App::OptionsModel::Number;

namespace Ui {

OptionNumberBox::OptionNumberBox(Number number, QWidget *parent) : QSpinBox(parent), m_number(number)
{
    const OptionsModel::Range range = OptionsModel::range(number);
    setRange(range.minimum, range.maximum);
    setSingleStep(range.step);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(OptionsModel::numberHint(number));
    if (range.arrowsOnly)
        lineEdit()->setReadOnly(true);
}

QValidator::State OptionNumberBox::validate(QString &input, int &position) const
{
    const OptionsModel::Corrected typed = OptionsModel::typed(m_number, input);
    if (typed.beep) {
        position = qMax(0, position - int(input.size() - typed.text.size()));
        input = typed.text;
        QApplication::beep();
    }
    // A number outside the range may still be on its way; leaving the field corrects it.
    const OptionsModel::Corrected finished = OptionsModel::finished(m_number, input);
    return finished.beep || finished.text != input ? QValidator::Intermediate : QValidator::Acceptable;
}

void OptionNumberBox::fixup(QString &input) const
{
    const OptionsModel::Corrected finished = OptionsModel::finished(m_number, input);
    if (finished.beep)
        QApplication::beep();
    input = finished.text;
}

OptionsDialog::OptionsDialog(OptionsModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(OptionsModel::caption());
    auto *layout = new QVBoxLayout(this);
    m_pages = new QTabWidget;
    layout->addWidget(m_pages, 1);

    const auto numberRow = [this](QGridLayout *grid, int row, Number number) {
        auto *label = new QLabel(OptionsModel::numberCaption(number));
        // The long captions of the dictionary page share their width with the text after a field.
        label->setWordWrap(number != Number::MaxPicPrefSuf);
        auto *box = new OptionNumberBox(number);
        box->setValue(m_model.value(number));
        label->setBuddy(box);
        m_numbers.append(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        const QString tail = OptionsModel::numberTail(number);
        if (!tail.isEmpty())
            grid->addWidget(new QLabel(tail), row, 2);
    };

    auto *dictionary = new QWidget;
    auto *dictionaryGrid = new QGridLayout(dictionary);
    numberRow(dictionaryGrid, 0, Number::MaxDic);
    numberRow(dictionaryGrid, 1, Number::MaxHits);
    numberRow(dictionaryGrid, 2, Number::ClipSize);
    dictionaryGrid->setColumnStretch(0, 1);
    dictionaryGrid->setRowStretch(3, 1);
    m_pages->addTab(dictionary, OptionsModel::pageCaption(OptionsModel::Page::Dictionary));

    auto *prefixSuffix = new QWidget;
    auto *prefixSuffixGrid = new QGridLayout(prefixSuffix);
    numberRow(prefixSuffixGrid, 0, Number::MaxPicPrefSuf);
    prefixSuffixGrid->setColumnStretch(3, 1);
    prefixSuffixGrid->setRowStretch(1, 1);
    m_pages->addTab(prefixSuffix, OptionsModel::pageCaption(OptionsModel::Page::PrefixSuffix));

    auto *program = new QWidget;
    auto *programLayout = new QVBoxLayout(program);
    m_guide = new QCheckBox(OptionsModel::guideCaption());
    m_guide->setChecked(m_model.activateGuide());
    m_messages = new QCheckBox(OptionsModel::messagesCaption());
    m_messages->setToolTip(OptionsModel::messagesHint());
    m_messages->setChecked(m_model.showAllMessages());
    m_messages->setEnabled(!m_model.showAllMessagesLocked());
    programLayout->addWidget(m_guide);
    programLayout->addWidget(m_messages);
    auto *languageBox = new QGroupBox(OptionsModel::languageCaption());
    auto *languageLayout = new QVBoxLayout(languageBox);
    m_language = new QButtonGroup(this);
    const QStringList languages = OptionsModel::languageItems();
    for (int item = 0; item < languages.size(); ++item) {
        auto *radio = new QRadioButton(languages.at(item));
        m_language->addButton(radio, item);
        languageLayout->addWidget(radio);
        radio->setChecked(item == m_model.languageItem());
    }
    programLayout->addWidget(languageBox);
    programLayout->addStretch();
    m_pages->addTab(program, OptionsModel::pageCaption(OptionsModel::Page::Program));

    auto *fileTypes = new QWidget;
    auto *fileTypesLayout = new QVBoxLayout(fileTypes);
    auto *groupsBox = new QGroupBox(OptionsModel::fileTypesCaption());
    auto *groupsLayout = new QVBoxLayout(groupsBox);
    const Session::MediaOptions &media = m_model.media();
    for (const Session::MediaGroup group : {Session::MediaGroup::Pictures, Session::MediaGroup::Modern,
                                            Session::MediaGroup::Raw, Session::MediaGroup::Videos}) {
        auto *box = new QCheckBox(OptionsModel::mediaGroupCaption(group));
        box->setChecked(media.lists(group));
        groupsLayout->addWidget(box);
        m_mediaGroups.append(box);
    }
    fileTypesLayout->addWidget(groupsBox);
    m_pairs = new QCheckBox(OptionsModel::pairsCaption());
    m_pairs->setToolTip(OptionsModel::pairsHint());
    m_pairs->setChecked(media.pairsFollow);
    fileTypesLayout->addWidget(m_pairs);
    fileTypesLayout->addStretch();
    m_pages->addTab(fileTypes, OptionsModel::pageCaption(OptionsModel::Page::FileTypes));
    m_pages->setCurrentIndex(int(m_model.page()));

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(OptionsModel::okCaption());
    ok->setDefault(true);
    auto *cancel = new QPushButton(OptionsModel::cancelCaption());
    auto *help = new QPushButton(OptionsModel::helpCaption());
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &OptionsDialog::helpRequested);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &OptionsDialog::helpRequested);
}

OptionNumberBox *OptionsDialog::numberBox(Number number) const
{
    for (OptionNumberBox *box : m_numbers) {
        if (box->number() == number)
            return box;
    }
    return nullptr;
}

void OptionsDialog::accept()
{
    for (OptionNumberBox *box : std::as_const(m_numbers)) {
        // A field still being typed in takes its corrected value first.
        box->interpretText();
        m_model.setValue(box->number(), box->value());
    }
    m_model.setActivateGuide(m_guide->isChecked());
    m_model.setShowAllMessages(m_messages->isChecked());
    m_model.setLanguageItem(m_language->checkedId());
    m_model.setMedia({m_mediaGroups.at(0)->isChecked(), m_mediaGroups.at(1)->isChecked(),
                      m_mediaGroups.at(2)->isChecked(), m_mediaGroups.at(3)->isChecked(), m_pairs->isChecked()});
    QDialog::accept();
}

} // namespace Ui
