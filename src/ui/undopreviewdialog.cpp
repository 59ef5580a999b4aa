#include "ui/undopreviewdialog.h"

#include "ui/testpreviewdialog.h"

#include "app/application.h"
#include "l10n/text.h"
#include "retitle/retitleundo.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace Ui {

UndoPreviewDialog::UndoPreviewDialog(const QList<Retitle::ReportLine> &report, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(L10n::title() + L10n::text(1304, ": Undo last retitling"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    m_report = new QTextEdit;
    m_report->setReadOnly(true);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    showReportLines(m_report, report);
    layout->addWidget(m_report, 1);
    auto *buttons = new QHBoxLayout;
    m_undo = new QPushButton(L10n::text(1303, "&Undo"));
    auto *cancel = new QPushButton(L10n::text(912, "&Cancel"));
    buttons->addWidget(m_undo);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    m_undo->setDefault(true);
    connect(m_undo, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // As large as is comfortable, never beyond the screen: its buttons must show.
    const QWidget *anchor = parent ? parent : this;
    const QRect available = anchor->screen()->availableGeometry();
    resize(QSize(qMin(900, available.width() - 40), qMin(640, available.height() - 60)));
}

void undoLastRetitling(App::Application &application, QWidget *parent, bool lastUndo)
{
    Retitle::RetitleUndo &undo = application.retitleUndo();
    const auto journal = lastUndo ? undo.lastUndo() : undo.lastRetitling();
    if (!journal)
        return;
    const auto plan = undo.prepare(*journal);
    if (!plan)
        return;
    UndoPreviewDialog dialog(undo.report(*plan), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    undo.undo(*plan);
    QApplication::restoreOverrideCursor();
}

} // namespace Ui
