#include "ui/groupfolderdialog.h"

#include "ui/subjectpanel.h"

#include "app/application.h"
#include "compose/picturedates.h"
#include "app/storagemanagement.h"
#include "session/picturesession.h"
#include "session/stageworkflow.h"
#include "settings/programsettings.h"
#include "storage/groupfoldermodel.h"
#include "storage/subjectcommands.h"
#include "storage/subjectstore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Storage::GroupFolderModel;

namespace Ui {

namespace {

QDateEdit *dateEdit()
{
    auto *edit = new QDateEdit;
    edit->setDisplayFormat(u"yyyy-MM-dd"_s);
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

GroupFolderDialog::GroupFolderDialog(GroupFolderModel &model, GroupFolderDialogHooks hooks, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
    , m_hooks(std::move(hooks))
{
    setWindowTitle(GroupFolderModel::caption());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(m_model.schemeText()));

    auto *form = new QFormLayout;
    m_first = dateEdit();
    m_last = dateEdit();
    form->addRow(GroupFolderModel::firstDateCaption(), m_first);
    form->addRow(GroupFolderModel::lastDateCaption(), m_last);
    m_days = new QLabel;
    form->addRow(m_days);
    m_description = new QLineEdit;
    form->addRow(GroupFolderModel::descriptionCaption(), m_description);
    m_subject = new QComboBox;
    auto *subjectRow = new QHBoxLayout;
    subjectRow->addWidget(m_subject, 1);
    if (m_hooks.maintainSubjects) {
        auto *maintain = new QPushButton(m_hooks.maintainCaption);
        subjectRow->addWidget(maintain);
        connect(maintain, &QPushButton::clicked, this, [this] {
            m_hooks.maintainSubjects();
            fillSubjects();
        });
    }
    if (m_model.subjectVisible()) {
        // A row of a layout gets no buddy of its own: the caption's access key needs one.
        auto *subjectLabel = new QLabel(m_model.subjectCaption());
        subjectLabel->setBuddy(m_subject);
        form->addRow(subjectLabel, subjectRow);
    }
    else
        m_subject->hide();
    layout->addLayout(form);

    auto *suggestBox = new QGroupBox;
    auto *suggestLayout = new QVBoxLayout(suggestBox);
    auto *gapRow = new QHBoxLayout;
    auto *gapLabel = new QLabel(GroupFolderModel::gapCaption());
    m_gap = new QSpinBox;
    m_gap->setRange(1, 24 * 365);
    m_gap->setValue(Storage::GroupPeriods::defaultGapHours);
    gapLabel->setBuddy(m_gap);
    m_suggest = new QPushButton(GroupFolderModel::suggestCaption());
    gapRow->addWidget(gapLabel);
    gapRow->addWidget(m_gap);
    gapRow->addWidget(m_suggest);
    gapRow->addStretch();
    suggestLayout->addLayout(gapRow);
    auto *suggestionsLabel = new QLabel(GroupFolderModel::suggestionsCaption());
    m_suggestions = new QListWidget;
    m_suggestions->setMaximumHeight(110);
    suggestionsLabel->setBuddy(m_suggestions);
    suggestLayout->addWidget(suggestionsLabel);
    suggestLayout->addWidget(m_suggestions);
    suggestBox->setVisible(bool(m_hooks.suggest));
    layout->addWidget(suggestBox);

    layout->addWidget(new QLabel(GroupFolderModel::structureCaption()));
    m_tree = new QTreeWidget;
    m_tree->setColumnCount(2);
    m_tree->setHeaderHidden(true);
    layout->addWidget(m_tree, 1);

    auto *buttons = new QHBoxLayout;
    m_show = new QPushButton(GroupFolderModel::showCaption());
    m_create = new QPushButton(GroupFolderModel::createCaption());
    m_undo = new QPushButton(GroupFolderModel::undoCaption());
    m_close = new QPushButton;
    for (QPushButton *button : {m_show, m_create, m_undo}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    m_suggest->setAutoDefault(false);

    m_model.setBeforeMessage([this] {
        showDates();
        fillTree();
        update();
    });
    fillSubjects();
    showDates();
    for (QAbstractSpinBox *box : {static_cast<QAbstractSpinBox *>(m_first), static_cast<QAbstractSpinBox *>(m_last),
                                  static_cast<QAbstractSpinBox *>(m_gap)})
        box->setFocusPolicy(Qt::StrongFocus);
    connect(m_first, &QDateEdit::dateChanged, this, [this](QDate date) {
        m_model.setFirstDate(date);
        update();
    });
    connect(m_last, &QDateEdit::dateChanged, this, [this](QDate date) {
        m_model.setLastDate(date);
        update();
    });
    connect(m_description, &QLineEdit::textEdited, this, [this](const QString &typed) {
        m_model.setDescription(typed, m_description->cursorPosition());
        if (m_model.description() != typed) {
            m_description->setText(m_model.description());
            m_description->setCursorPosition(m_model.descriptionCaret());
        }
        update();
    });
    connect(m_subject, &QComboBox::currentTextChanged, this, [this](const QString &subject) {
        m_model.setSubject(subject);
        update();
    });
    connect(m_suggest, &QPushButton::clicked, this, &GroupFolderDialog::suggest);
    connect(m_suggestions, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int row = m_suggestions->row(item);
        if (row < 0 || row >= m_proposals.size())
            return;
        m_model.takeSuggestion(m_proposals.at(row));
        showDates();
        m_description->setText(m_model.description());
        update();
    });
    connect(m_suggestions, &QListWidget::itemClicked, m_suggestions, &QListWidget::itemActivated);
    connect(m_show, &QPushButton::clicked, this, [this] {
        const auto result = m_model.showStructure();
        showDates();
        m_description->setText(m_model.description());
        fillTree();
        update();
        if (result == GroupFolderModel::ShowResult::DescriptionWanted)
            m_description->setFocus();
    });
    connect(m_create, &QPushButton::clicked, this, [this] {
        m_model.createStructure();
        fillTree();
        update();
    });
    connect(m_undo, &QPushButton::clicked, this, [this] {
        m_model.undoCreation();
        fillTree();
        update();
    });
    connect(m_close, &QPushButton::clicked, this, &GroupFolderDialog::reject);
    update();
    resize(620, 560);
}

GroupFolderDialog::~GroupFolderDialog()
{
    m_model.setBeforeMessage({});
}

void GroupFolderDialog::reject()
{
    if (m_model.mayClose())
        QDialog::reject();
}

void GroupFolderDialog::fillSubjects()
{
    if (!m_hooks.subjects)
        return;
    const QString current = m_subject->currentText();
    const QSignalBlocker blocker(m_subject);
    m_subject->clear();
    m_subject->addItems(m_hooks.subjects());
    // No subject is chosen until the user picks one.
    m_subject->setCurrentIndex(m_subject->findText(current));
    m_model.setSubject(m_subject->currentText());
    update();
}

void GroupFolderDialog::suggest()
{
    m_proposals = m_hooks.suggest(m_gap->value());
    m_suggestions->clear();
    for (const Storage::PeriodSuggestion &proposal : std::as_const(m_proposals))
        m_suggestions->addItem(GroupFolderModel::suggestionText(proposal));
}

void GroupFolderDialog::showDates()
{
    const QSignalBlocker first(m_first);
    const QSignalBlocker last(m_last);
    m_first->setDate(m_model.firstDate());
    m_last->setDate(m_model.lastDate());
}

void GroupFolderDialog::update()
{
    m_days->setText(m_model.dayCountText());
    m_show->setEnabled(m_model.showEnabled());
    m_create->setEnabled(m_model.createEnabled());
    m_undo->setEnabled(m_model.undoEnabled());
    m_close->setText(m_model.closeCaption());
}

void GroupFolderDialog::fillTree()
{
    m_tree->clear();
    QTreeWidgetItem *parent = new QTreeWidgetItem(m_tree, {m_model.rootText()});
    for (const Storage::GroupFolderNode &node : m_model.structure()) {
        const QString name = node.path.mid(node.path.lastIndexOf(u'/') + 1);
        auto *item = new QTreeWidgetItem(parent, {name, node.exists ? GroupFolderModel::existingText()
                                                                   : GroupFolderModel::toCreateText()});
        if (!node.exists) {
            QFont font = item->font(0);
            font.setBold(true);
            item->setFont(0, font);
        }
        parent = item;
    }
    m_tree->expandAll();
    m_tree->resizeColumnToContents(0);
}

void createGroupFolder(App::Application &application, QWidget *parent)
{
    GroupFolderModel model(application.storage().settings(), application.dialogs());
    GroupFolderDialogHooks hooks;
    hooks.subjects = [&application] { return application.subjects().subjectList(); };
    hooks.maintainSubjects = [&application, parent] { maintainSubjects(application, parent); };
    hooks.maintainCaption = application.workflow().stage() == Session::Stage::Editing
                                ? Storage::SubjectCommands::newCaption()
                                : Storage::SubjectCommands::newEditCaption();
    hooks.suggest = [&application](int gapHours) {
        const Settings::ProgramSettingsRec &rec = application.programSettings().rec();
        Storage::PeriodRules rules;
        rules.gapHours = gapHours;
        rules.minimumCharacters = rec.PSMinChar;
        rules.filterDigits = rec.PSFilterDigit;
        return Storage::GroupPeriods::suggest(Storage::GroupPeriods::picturesOf(application.pictureFolder(),
                                                                                application.pictures().rows(),
                                                                                rec.PSShiftMidnight,
                                                                                [&application](const QString &path) {
                                                                                    return application.pictureDates()
                                                                                        .dateTaken(path);
                                                                                }),
                                              rules);
    };
    GroupFolderDialog dialog(model, std::move(hooks), parent);
    dialog.exec();
}

} // namespace Ui
