#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QListWidget;

namespace Ui {
class CheckList;
}
class QPushButton;
class QToolButton;

namespace Session {
class Selection;
}

namespace Ui {

// Stage 1 beside the table: the "Select" radio group with its button, and the selection strings
// with the mode caption and the select-by-strings button.
class SelectionPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit SelectionPanel(Session::Selection &selection, QWidget *parent = nullptr);

Q_SIGNALS:
    // The user asked to maintain the selection strings.
    void maintainStringsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCaptions();
    void fillStrings();

    Session::Selection &m_selection;
    QGroupBox *m_kindGroup = nullptr;
    QButtonGroup *m_kinds = nullptr;
    QPushButton *m_selectButton = nullptr;
    QToolButton *m_modeButton = nullptr;
    CheckList *m_strings = nullptr;
    QPushButton *m_selectByStrings = nullptr;
    QToolButton *m_maintain = nullptr;
};

} // namespace Ui
