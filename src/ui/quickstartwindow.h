#pragma once

#include "app/helpdocuments.h"
#include "session/guideside.h"

#include <QDialog>
#include <QPointer>

class QTextBrowser;

namespace Ui {

// The quick start shipped inside the program, in a window of its own that stays open beside the
// main window while the user works.
class QuickStartWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit QuickStartWindow(QWidget *parent = nullptr);

    // The parts of the main window the guide is not to cover when it opens.
    void keepClear(QWidget *table, QWidget *picture);
    // Shows the quick start at section; activate false leaves the input focus where it is.
    void showSection(const QString &section, bool activate);
    // Shows another help document (its links lead to the others, the quick start among them).
    void showDocument(App::HelpDocument document, const QString &section, bool activate);
    // Shows what old shows, where old stands, in the language now in force: the main window
    // was built anew for it.
    void takeOver(const QuickStartWindow &old);
    // The side of the main window the guide stands on.
    Session::GuideSide side() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    void place();
    QRect globalRect(const QWidget *widget) const;
    void keepInsideScreen();

    QTextBrowser *m_browser = nullptr;
    bool m_placed = false;
    QPointer<QWidget> m_table;
    QPointer<QWidget> m_picture;
};

} // namespace Ui
