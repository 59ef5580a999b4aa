#include "ui/storagesetupdialog.h"

#include "l10n/text.h"
#include "storage/storagesetupmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QStackedWidget>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Storage::StorageSetupModel;

namespace {

QTreeWidget *newExampleTree()
{
    auto *tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    // Folder names grow with the day's name and the language: they scroll rather than being cut.
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->setFocusPolicy(Qt::NoFocus);
    tree->setSelectionMode(QAbstractItemView::NoSelection);
    return tree;
}

// A check box whose long caption wraps beside it.
QHBoxLayout *wrappedCheckBox(QCheckBox *box, QLabel *label)
{
    label->setWordWrap(true);
    label->setBuddy(box);
    auto *row = new QHBoxLayout;
    row->addWidget(box, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    return row;
}

void showExample(QTreeWidget *tree, const QList<Storage::ExampleNode> &nodes)
{
    tree->clear();
    QList<QTreeWidgetItem *> parents;
    for (const Storage::ExampleNode &node : nodes) {
        parents.resize(node.depth);
        auto *item = node.depth == 0 ? new QTreeWidgetItem(tree) : new QTreeWidgetItem(parents.value(node.depth - 1));
        item->setText(0, node.text);
        item->setIcon(0, tree->style()->standardIcon(node.isPicture ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
        parents.append(item);
    }
    tree->expandAll();
}

} // namespace

StorageSetupDialog::StorageSetupDialog(StorageSetupModel &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(StorageSetupModel::windowCaption());
    m_caption = new QLabel;
    m_caption->setWordWrap(true);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);

    m_pages = new QStackedWidget;
    m_pages->addWidget(createFolderPage());
    m_pages->addWidget(createSchemePage());
    m_pages->addWidget(createDetailsPage());

    m_previous = new QPushButton(L10n::text(1261, "&Previous"));
    m_next = new QPushButton(L10n::text(1262, "&Next"));
    m_finish = new QPushButton(L10n::text(1263, "&Finish"));
    auto *cancel = new QPushButton(L10n::text(912, "&Cancel"));
    for (QPushButton *button : {m_previous, m_next, m_finish, cancel})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addWidget(m_finish);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    connect(m_previous, &QPushButton::clicked, &m_model, &StorageSetupModel::previous);
    connect(m_next, &QPushButton::clicked, &m_model, &StorageSetupModel::next);
    connect(m_finish, &QPushButton::clicked, this, [this] {
        if (m_model.finish())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &StorageSetupDialog::reject);
    connect(&m_model, &StorageSetupModel::changed, this, &StorageSetupDialog::refresh);

    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 600);
    resize(qMin(900, available.width() - 40), qMin(560, available.height() - 60));
    refresh();
}

QWidget *StorageSetupDialog::createFolderPage()
{
    auto *page = new QWidget;
    auto *header = new QLabel(StorageSetupModel::folderHeader());
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    m_folder = new QLabel;
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *select = new QPushButton(StorageSetupModel::selectFolderCaption());
    select->setToolTip(StorageSetupModel::selectFolderHint());
    select->setAutoDefault(false);
    connect(select, &QPushButton::clicked, &m_model, &StorageSetupModel::browse);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(header);
    layout->addWidget(m_folder);
    m_folderProblem = new QLabel;
    m_folderProblem->setObjectName(u"folderProblem"_s);
    m_folderProblem->setWordWrap(true);
    QPalette warning = m_folderProblem->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    m_folderProblem->setPalette(warning);
    layout->addWidget(m_folderProblem);
    auto *row = new QHBoxLayout;
    row->addWidget(select);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

QWidget *StorageSetupDialog::createSchemePage()
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    for (int levels = 1; levels <= 3; ++levels) {
        SchemeColumn &column = m_schemes.at(levels - 1);
        column.header = new QPushButton;
        column.header->setCheckable(true);
        column.header->setAutoDefault(false);
        column.subject = new QComboBox;
        column.subject->addItems(StorageSetupModel::subjectChoices(levels));
        column.subject->setToolTip(StorageSetupModel::subjectQuestion());
        column.optional = new QCheckBox;
        column.optionalLabel = new QLabel(StorageSetupModel::optionalCaption());
        column.warning = new QCheckBox;
        column.warningLabel = new QLabel(StorageSetupModel::warningCaption());
        column.example = newExampleTree();
        auto *box = new QVBoxLayout;
        box->addWidget(column.header);
        auto *question = new QLabel(StorageSetupModel::subjectQuestion());
        question->setWordWrap(true);
        box->addWidget(question);
        box->addWidget(column.subject);
        box->addLayout(wrappedCheckBox(column.optional, column.optionalLabel));
        box->addLayout(wrappedCheckBox(column.warning, column.warningLabel));
        box->addWidget(column.example, 1);
        layout->addLayout(box, 1);

        connect(column.header, &QPushButton::clicked, this, [this, levels] { m_model.clickScheme(levels); });
        connect(column.subject, &QComboBox::activated, this,
                [this, levels](int index) { m_model.setSubjectChoice(levels, index); });
        connect(column.optional, &QCheckBox::clicked, this,
                [this, levels](bool on) { m_model.setSubjectOptional(levels, on); });
        connect(column.warning, &QCheckBox::clicked, this,
                [this, levels](bool on) { m_model.setSubjectWarning(levels, on); });
    }
    return page;
}

QWidget *StorageSetupDialog::createDetailsPage()
{
    auto *page = new QWidget;
    auto *stack = new QVBoxLayout(page);

    m_details = new QWidget;
    m_addNameDay = new QCheckBox(StorageSetupModel::addNameDayCaption());
    m_abbreviate = new QCheckBox(StorageSetupModel::abbreviateCaption());
    m_promptFolder = new QCheckBox(StorageSetupModel::promptFolderCaption());
    m_shift = new QSpinBox;
    m_shift->setRange(-24, 24);
    m_shift->setFocusPolicy(Qt::StrongFocus);
    auto *shiftLabel = new QLabel(StorageSetupModel::shiftMidnightCaption());
    shiftLabel->setBuddy(m_shift);
    m_detailsExample = newExampleTree();
    auto *options = new QVBoxLayout;
    options->addWidget(m_addNameDay);
    options->addWidget(m_abbreviate);
    options->addWidget(m_promptFolder);
    auto *shiftRow = new QHBoxLayout;
    shiftRow->addWidget(shiftLabel);
    shiftRow->addWidget(m_shift);
    shiftRow->addStretch(1);
    options->addLayout(shiftRow);
    options->addStretch(1);
    auto *details = new QHBoxLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    details->addLayout(options, 1);
    details->addWidget(m_detailsExample, 1);

    m_undo = new QWidget;
    auto *undo = new QVBoxLayout(m_undo);
    for (const QString &line : StorageSetupModel::undoLines()) {
        auto *label = new QLabel(line);
        label->setWordWrap(true);
        undo->addWidget(label);
    }
    undo->addStretch(1);

    stack->addWidget(m_details, 1);
    stack->addWidget(m_undo, 1);

    connect(m_addNameDay, &QCheckBox::clicked, &m_model, &StorageSetupModel::setAddNameDay);
    connect(m_abbreviate, &QCheckBox::clicked, &m_model, &StorageSetupModel::setAbbreviateNameDay);
    connect(m_promptFolder, &QCheckBox::clicked, &m_model, &StorageSetupModel::setPromptFolder);
    connect(m_shift, &QSpinBox::valueChanged, &m_model, &StorageSetupModel::setShiftMidnight);
    return page;
}

void StorageSetupDialog::refresh()
{
    m_caption->setText(m_model.stepCaption());
    m_pages->setCurrentIndex(m_model.step() - 1);
    m_folder->setText(fontMetrics().elidedText(m_model.selectedFolderCaption(), Qt::ElideMiddle, 800));
    m_folderProblem->setText(m_model.selectedFolderProblem());
    m_folderProblem->setVisible(!m_folderProblem->text().isEmpty());

    for (int levels = 1; levels <= 3; ++levels) {
        SchemeColumn &column = m_schemes.at(levels - 1);
        column.header->setText(m_model.schemeHeader(levels));
        column.header->setChecked(m_model.selectedScheme() == levels);
        column.subject->setCurrentIndex(m_model.subjectChoice(levels));
        column.subject->setEnabled(m_model.isSchemeEnabled(levels));
        column.optional->setChecked(m_model.subjectOptional(levels));
        column.optional->setEnabled(m_model.isOptionalEnabled(levels));
        column.optionalLabel->setEnabled(m_model.isOptionalEnabled(levels));
        column.optional->setToolTip(m_model.optionalHint(levels));
        column.warning->setChecked(m_model.subjectWarning(levels));
        column.warning->setEnabled(m_model.isWarningEnabled(levels));
        column.warningLabel->setEnabled(m_model.isWarningEnabled(levels));
        showExample(column.example, m_model.example(levels));
        column.example->setEnabled(m_model.isSchemeEnabled(levels));
    }

    const bool withScheme = m_model.selectedScheme() > 0;
    m_details->setVisible(withScheme);
    m_undo->setVisible(!withScheme);
    m_addNameDay->setChecked(m_model.addNameDay());
    m_abbreviate->setChecked(m_model.abbreviateNameDay());
    m_abbreviate->setEnabled(m_model.isAbbreviateEnabled());
    m_promptFolder->setChecked(m_model.promptFolder());
    {
        const QSignalBlocker blocker(m_shift);
        m_shift->setValue(m_model.shiftMidnight());
    }
    if (withScheme)
        showExample(m_detailsExample, m_model.example(m_model.selectedScheme()));

    m_previous->setEnabled(m_model.step() > 1);
    m_next->setVisible(m_model.step() < 3);
    m_next->setEnabled(m_model.canGoNext());
    m_finish->setVisible(m_model.step() == 3);
    m_finish->setEnabled(m_model.canFinish());
}

void StorageSetupDialog::reject()
{
    if (m_model.mayClose())
        QDialog::reject();
}

} // namespace Ui
