#include "ui/subjectsdialog.h"

#include "l10n/text.h"
#include "storage/subjectmaintenance.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using L10n::text;
using Storage::SubjectMaintenance;

SubjectsDialog::SubjectsDialog(SubjectMaintenance &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(SubjectMaintenance::caption());
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(SubjectMaintenance::listHeading());
    layout->addWidget(heading);
    auto *middle = new QHBoxLayout;
    m_list = new QListWidget;
    m_list->setObjectName(u"subjectList"_s);
    heading->setBuddy(m_list);
    middle->addWidget(m_list, 1);
    auto *side = new QVBoxLayout;
    m_editButton = new QPushButton(text(1264, "&Edit subject"));
    m_remove = new QPushButton(text(1265, "&Remove subject"));
    m_copy = new QPushButton(text(1266, "Co&py subject into edit area"));
    m_suggest = new QPushButton(text(1267, "&Get subject from source folder"));
    m_suggest->setObjectName(u"suggestSubject"_s);
    m_recreate = new QPushButton(SubjectMaintenance::recreateCaption());
    m_recreate->setObjectName(u"recreateSubjects"_s);
    for (QPushButton *button : {m_editButton, m_remove, m_copy, m_suggest, m_recreate}) {
        button->setAutoDefault(false);
        side->addWidget(button);
    }
    side->addStretch(1);
    middle->addLayout(side);
    layout->addLayout(middle, 1);

    m_editLabel = new QLabel;
    layout->addWidget(m_editLabel);
    auto *editRow = new QHBoxLayout;
    m_edit = new QLineEdit;
    m_edit->setObjectName(u"subjectEdit"_s);
    m_editLabel->setBuddy(m_edit);
    editRow->addWidget(m_edit, 1);
    m_addOrOk = new QPushButton;
    m_addOrOk->setObjectName(u"addSubject"_s);
    m_addOrOk->setDefault(true);
    m_cancel = new QPushButton(text(912, "&Cancel"));
    m_cancel->setAutoDefault(false);
    editRow->addWidget(m_addOrOk);
    editRow->addWidget(m_cancel);
    layout->addLayout(editRow);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    m_close = new QPushButton;
    m_close->setObjectName(u"closeSubjects"_s);
    m_close->setAutoDefault(false);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);

    connect(m_edit, &QLineEdit::textEdited, this,
            [this](const QString &typed) { m_model.setEditText(typed, m_edit->cursorPosition()); });
    // Enter in the field reaches the default button, "&Add" or "&OK".
    connect(m_addOrOk, &QPushButton::clicked, this, [this] { m_model.addOrOk(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_model.cancel(); });
    connect(m_editButton, &QPushButton::clicked, this, [this] { m_model.startEdit(chosenRow()); });
    connect(m_remove, &QPushButton::clicked, this, [this] { m_model.remove(chosenRow()); });
    connect(m_copy, &QPushButton::clicked, this, [this] {
        m_model.copyIntoEditArea(chosenRow());
        m_edit->setFocus();
    });
    connect(m_suggest, &QPushButton::clicked, this, [this] {
        QMenu menu(this);
        for (const QString &suggestion : m_model.suggestions()) {
            // The menu would take an ampersand for an access key.
            QAction *action = menu.addAction(QString(suggestion).replace(u'&', u"&&"_s));
            action->setData(suggestion);
        }
        if (const QAction *chosen = menu.exec(m_suggest->mapToGlobal(QPoint(0, m_suggest->height())))) {
            m_model.takeSuggestion(chosen->data().toString());
            m_edit->setFocus();
        }
    });
    connect(m_recreate, &QPushButton::clicked, this, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_model.recreateFromMainFolder();
        QGuiApplication::restoreOverrideCursor();
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_model, &SubjectMaintenance::changed, this, &SubjectsDialog::refresh);
    refresh();
    resize(520, 420);
    m_edit->setFocus();
}

int SubjectsDialog::chosenRow() const
{
    return m_list->currentRow();
}

void SubjectsDialog::refresh()
{
    const QList<SubjectMaintenance::Entry> entries = m_model.entries();
    QStringList subjects;
    for (const SubjectMaintenance::Entry &entry : entries)
        subjects.append(entry.subject);
    const int current = m_list->currentRow();
    QStringList shown;
    for (int row = 0; row < m_list->count(); ++row)
        shown.append(m_list->item(row)->text());
    if (shown != subjects) {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_list->addItems(subjects);
        const int match = m_model.rowOfEditText();
        m_list->setCurrentRow(match >= 0 ? match : qBound(0, current, int(subjects.size()) - 1));
    }
    m_list->setEnabled(!m_model.listLocked());
    m_editLabel->setText(m_model.editLabel());
    m_addOrOk->setText(m_model.addOrOkCaption());
    m_cancel->setEnabled(m_model.cancelEnabled());
    m_editButton->setEnabled(m_model.editRemoveEnabled());
    m_remove->setEnabled(m_model.editRemoveEnabled());
    m_copy->setEnabled(!entries.isEmpty() && !m_model.listLocked());
    m_suggest->setEnabled(!m_model.suggestions().isEmpty() && !m_model.listLocked());
    m_recreate->setEnabled(m_model.recreateEnabled());
    m_close->setText(m_model.closeCaption());
    if (m_edit->text() != m_model.editText()) {
        m_edit->setText(m_model.editText());
        m_edit->setCursorPosition(m_model.caret());
    }
}

} // namespace Ui
