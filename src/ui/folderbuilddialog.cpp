#include "ui/folderbuilddialog.h"

#include "app/folderbuildmodel.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

using App::FolderBuildModel;

namespace Ui {

FolderBuildDialog::FolderBuildDialog(FolderBuildModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(FolderBuildModel::caption());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(FolderBuildModel::selectCaption()));
    auto *selected = new QHBoxLayout;
    selected->addWidget(new QLabel(FolderBuildModel::selectedCaption()));
    m_folder = new QLabel;
    m_folder->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    selected->addWidget(m_folder, 1);
    auto *browse = new QPushButton(FolderBuildModel::browseCaption());
    selected->addWidget(browse);
    layout->addLayout(selected);

    auto *choice = new QGroupBox(FolderBuildModel::choiceCaption());
    auto *choiceLayout = new QHBoxLayout(choice);
    m_add = new QRadioButton(FolderBuildModel::addCaption());
    m_replace = new QRadioButton(FolderBuildModel::replaceCaption());
    choiceLayout->addWidget(m_add);
    choiceLayout->addWidget(m_replace);
    choiceLayout->addStretch();
    (m_model.replace() ? m_replace : m_add)->setChecked(true);
    layout->addWidget(choice);
    m_subfolders = new QCheckBox(FolderBuildModel::subfoldersCaption());
    m_subfolders->setChecked(m_model.includeSubfolders());
    layout->addWidget(m_subfolders);

    auto *buttons = new QHBoxLayout;
    m_make = new QPushButton(FolderBuildModel::makeCaption());
    m_make->setDefault(true);
    auto *cancel = new QPushButton(FolderBuildModel::cancelCaption());
    auto *help = new QPushButton(FolderBuildModel::helpCaption());
    buttons->addStretch();
    buttons->addWidget(m_make);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addStretch();
    layout->addLayout(buttons);
    for (QPushButton *button : {browse, cancel, help})
        button->setAutoDefault(false);

    connect(browse, &QPushButton::clicked, &m_model, &FolderBuildModel::browse);
    connect(&m_model, &FolderBuildModel::changed, this, &FolderBuildDialog::update);
    connect(m_make, &QPushButton::clicked, this, &FolderBuildDialog::make);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &FolderBuildDialog::helpRequested);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &FolderBuildDialog::helpRequested);
    update();
}

void FolderBuildDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_browsed)
        return;
    m_browsed = true;
    QTimer::singleShot(0, &m_model, &FolderBuildModel::browse);
}

void FolderBuildDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    update();
}

void FolderBuildDialog::update()
{
    // A long path is shortened in its middle, where the folders between the ends are.
    const QString shown = QDir::toNativeSeparators(m_model.folder());
    m_folder->setText(m_folder->fontMetrics().elidedText(shown, Qt::ElideMiddle, m_folder->width()));
    m_folder->setToolTip(shown);
    m_make->setEnabled(m_model.makeEnabled());
}

void FolderBuildDialog::make()
{
    m_model.setReplace(m_replace->isChecked());
    m_model.setIncludeSubfolders(m_subfolders->isChecked());
    if (m_model.accept())
        accept();
}

} // namespace Ui
