#pragma once

#include "dictionary/completionsource.h"

#include <QElapsedTimer>
#include <QListWidget>

namespace Dictionary {
class EditLine;
}

namespace Ui {

// The read-only completion list beside the edit line: Active entries in blue, Static ones in
// black, the model's highlighted line current. Keys and clicks go to the model.
class CompletionList final : public QListWidget
{
    Q_OBJECT

public:
    explicit CompletionList(Dictionary::EditLine &line, QWidget *parent = nullptr);

    static QColor activeColour(const QPalette &palette);
    static QColor staticColour(const QPalette &palette);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // Qt delivers the second press of a double click here; the model times the presses itself.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void refresh();
    void showHighlight();

    Dictionary::EditLine &m_line;
    QElapsedTimer m_clock;
    // The lines shown, so that a new highlight does not rebuild the list.
    QList<Dictionary::CompletionLine> m_shown;
};

} // namespace Ui
