#pragma once

#include "dictionary/completionsource.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace Dictionary {
class EditLine;
}

namespace Ui {

class ContextList;

// The context panel: whole texts that hold the word searched, each occurrence on a yellow
// background, with the panel's two-field status line. It is shown while the model says so and
// hides when the mouse pointer leaves it.
class ContextPanel final : public QWidget
{
    Q_OBJECT

public:
    // Item data of a line: the 0-based starts of its occurrences and their length.
    enum Role { OccurrencesRole = Qt::UserRole + 1, KeyLengthRole };

    explicit ContextPanel(Dictionary::EditLine &line, QWidget *parent = nullptr);

    QListWidget *list() const;
    QLabel *statusField(int field) const { return field == 0 ? m_status0 : m_status1; }

    static QColor occurrenceColour(const QPalette &palette);

protected:
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    void showStatus();

    Dictionary::EditLine &m_line;
    ContextList *m_list = nullptr;
    // The lines shown, so that a new highlight does not rebuild the list.
    QList<Dictionary::ContextLine> m_shown;
    QLabel *m_status0 = nullptr;
    QLabel *m_status1 = nullptr;
};

} // namespace Ui
