#include "ui/clipboarddialog.h"

#include "app/clipboardmodel.h"
#include "app/folderbuildmodel.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

using App::ClipboardModel;
using App::FolderBuildModel;

namespace Ui {

namespace {

QString withoutAccessKey(QString caption)
{
    return caption.remove(u'&');
}

} // namespace

ClipboardDialog::ClipboardDialog(ClipboardModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(ClipboardModel::caption());
    auto *layout = new QVBoxLayout(this);
    auto *areaLabel = new QLabel(ClipboardModel::areaCaption());
    layout->addWidget(areaLabel);
    m_text = new QPlainTextEdit;
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTabChangesFocus(true);
    areaLabel->setBuddy(m_text);
    layout->addWidget(m_text, 1);

    auto *options = new QHBoxLayout;
    auto *choice = new QGroupBox(FolderBuildModel::choiceCaption());
    auto *choiceLayout = new QHBoxLayout(choice);
    m_add = new QRadioButton(FolderBuildModel::addCaption());
    m_replace = new QRadioButton(FolderBuildModel::replaceCaption());
    choiceLayout->addWidget(m_add);
    choiceLayout->addWidget(m_replace);
    (m_model.replace() ? m_replace : m_add)->setChecked(true);
    options->addWidget(choice);
    auto *privateBox = new QGroupBox(ClipboardModel::privateCaption());
    auto *privateLayout = new QHBoxLayout(privateBox);
    auto *load = new QPushButton(ClipboardModel::loadCaption());
    m_save = new QPushButton(ClipboardModel::saveCaption());
    privateLayout->addWidget(load);
    privateLayout->addWidget(m_save);
    options->addWidget(privateBox);
    options->addStretch();
    layout->addLayout(options);

    auto *buttons = new QHBoxLayout;
    m_make = new QPushButton(FolderBuildModel::makeCaption());
    auto *cancel = new QPushButton(FolderBuildModel::cancelCaption());
    auto *help = new QPushButton(FolderBuildModel::helpCaption());
    buttons->addStretch();
    buttons->addWidget(m_make);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    // Enter belongs to the text area.
    for (QPushButton *button : {load, m_save, m_make, cancel, help})
        button->setAutoDefault(false);

    connect(m_text, &QPlainTextEdit::textChanged, this, [this] { m_model.setContent(m_text->toPlainText()); });
    connect(&m_model, &ClipboardModel::textReplaced, this, [this] {
        m_text->setPlainText(m_model.content());
        m_text->moveCursor(QTextCursor::End);
    });
    connect(&m_model, &ClipboardModel::changed, this, &ClipboardDialog::update);
    connect(load, &QPushButton::clicked, this, &ClipboardDialog::load);
    connect(m_save, &QPushButton::clicked, this, &ClipboardDialog::save);
    connect(m_make, &QPushButton::clicked, this, &ClipboardDialog::make);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &ClipboardDialog::helpRequested);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &ClipboardDialog::helpRequested);

    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 600);
    resize(qMin(720, available.width() - 40), qMin(480, available.height() - 60));
    update();
}

void ClipboardDialog::update()
{
    m_make->setEnabled(m_model.makeEnabled());
    m_save->setEnabled(m_model.saveEnabled());
}

void ClipboardDialog::load()
{
    const QStringList files = QFileDialog::getOpenFileNames(this, withoutAccessKey(ClipboardModel::loadCaption()),
                                                            m_model.privateFolder(), ClipboardModel::fileFilter());
    m_model.load(files);
}

void ClipboardDialog::save()
{
    // The model asks itself before it replaces another file than the one loaded.
    const QString file =
        QFileDialog::getSaveFileName(this, withoutAccessKey(ClipboardModel::saveCaption()), m_model.privateFolder(),
                                     ClipboardModel::fileFilter(), nullptr, QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty())
        m_model.save(file);
}

void ClipboardDialog::make()
{
    m_model.setReplace(m_replace->isChecked());
    m_model.make();
    accept();
}

} // namespace Ui
