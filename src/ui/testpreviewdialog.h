#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTextEdit;

#include "retitle/previewreport.h"

#include <QList>

namespace Retitle {
class TestPreview;
}

namespace Ui {

// "Mirelto: Test and Preview": the progress of the test pass while it runs, then its report.
// The pass starts once the dialog is shown; the buttons and their states come from the model,
// and the dialog closes when the model asks for it.
class TestPreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit TestPreviewDialog(Retitle::TestPreview &preview, QWidget *parent = nullptr);

    QTextEdit *reportView() const { return m_report; }
    QLabel *progressCaption() const { return m_caption; }
    QPushButton *retitleButton() const { return m_retitle; }
    QPushButton *editButton() const { return m_edit; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *helpButton() const { return m_help; }

Q_SIGNALS:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;
    // Escape and the window's close button stand for "&Cancel", which the pass does not allow.
    void reject() override;

private:
    void showProgress(const QString &caption, int percent);
    void showReport();
    void updateButtons();
    void fitScreen();

    Retitle::TestPreview &m_preview;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_caption = nullptr;
    QProgressBar *m_progress = nullptr;
    QTextEdit *m_report = nullptr;
    QPushButton *m_retitle = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    bool m_started = false;
};

// Shows report lines in view: headings, and runs of title lines as tables whose columns line up.
void showReportLines(QTextEdit *view, const QList<Retitle::ReportLine> &lines);

} // namespace Ui
