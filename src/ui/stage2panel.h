#pragma once

#include <QGroupBox>

class QComboBox;
class QProgressBar;
class QPushButton;
class QTableView;
class QToolButton;

namespace App {
class Application;
}
namespace Compose {
class PicTextList;
}

namespace Ui {

class EditArea;

// Stage 2 beside the table: the commands that enter it and the bulk commands on the free texts,
// and the edit area (progress, edit line, per-picture prefix and suffix drop-downs, delete/keep
// toggle, the multi-purpose button, jump and quit). It follows the table's current row and moves
// the table to the picture being edited.
class Stage2Panel final : public QGroupBox
{
    Q_OBJECT

public:
    Stage2Panel(App::Application &application, QTableView *table, QWidget *parent = nullptr);

    // Opens the dialog "Cut characters" for the selected pictures.
    void cutCharacters();

Q_SIGNALS:
    // The buttons that fill the Static dictionary from a folder or from text.
    void dictionaryFromFolderRequested();
    void dictionaryFromClipboardRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void pictureFieldEdited(QComboBox *field, const QString &text);
    void showFieldMenu(QComboBox *field, Compose::PicTextList &list, const QPoint &position);
    void fillDropDown(QComboBox *field, const Compose::PicTextList &list);
    void focusLine();

    App::Application &m_application;
    QTableView *m_table = nullptr;
    QPushButton *m_editAll = nullptr;
    QPushButton *m_editOne = nullptr;
    QPushButton *m_copyOld = nullptr;
    QPushButton *m_strip = nullptr;
    QToolButton *m_erase = nullptr;
    QToolButton *m_findReplace = nullptr;
    QWidget *m_area = nullptr;
    QProgressBar *m_progress = nullptr;
    QToolButton *m_fromFolder = nullptr;
    QToolButton *m_fromClipboard = nullptr;
    EditArea *m_editArea = nullptr;
    QPushButton *m_prefixLabel = nullptr;
    QPushButton *m_suffixLabel = nullptr;
    QComboBox *m_prefix = nullptr;
    QComboBox *m_suffix = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_enter = nullptr;
    QPushButton *m_jump = nullptr;
    QPushButton *m_quit = nullptr;
    bool m_refreshing = false;
};

} // namespace Ui
