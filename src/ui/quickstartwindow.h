#pragma once

#include <QDialog>

class QTextBrowser;

namespace Ui {

// The quick start shipped inside the program, in a window of its own that stays open beside the
// main window while the user works.
class QuickStartWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit QuickStartWindow(QWidget *parent = nullptr);

    // Shows the document at section; activate false leaves the input focus where it is.
    void showSection(const QString &section, bool activate);
    QTextBrowser *browser() const { return m_browser; }

private:
    void place();

    QTextBrowser *m_browser = nullptr;
    bool m_placed = false;
};

} // namespace Ui
