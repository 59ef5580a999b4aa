#pragma once

#include "retitle/previewreport.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTextEdit;

namespace App {
class Application;
}

namespace Ui {

// "Mirelto: Undo last retitling": what the undo will put back, picture by picture, before it
// does so. Accepted with "&Undo".
class UndoPreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit UndoPreviewDialog(const QList<Retitle::ReportLine> &report, QWidget *parent = nullptr);

    QTextEdit *reportView() const { return m_report; }
    QPushButton *undoButton() const { return m_undo; }

private:
    QTextEdit *m_report = nullptr;
    QPushButton *m_undo = nullptr;
};

// The command "Undo last retitling" (or, with lastUndo, the undo of the last undo): the
// preview, then the undo with a busy cursor.
void undoLastRetitling(App::Application &application, QWidget *parent, bool lastUndo = false);

} // namespace Ui
