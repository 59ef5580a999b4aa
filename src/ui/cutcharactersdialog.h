#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace Session {
class CutCharacters;
}

namespace Ui {

// "Cut characters": shows the model's before and after fields and forwards its buttons. Accepted
// means the cut is to be applied to all selected pictures.
class CutCharactersDialog final : public QDialog
{
    Q_OBJECT

public:
    CutCharactersDialog(Session::CutCharacters &model, QWidget *parent = nullptr);

private:
    void refresh();

    Session::CutCharacters &m_model;
    QLineEdit *m_before = nullptr;
    QLineEdit *m_after = nullptr;
    QPushButton *m_leading = nullptr;
    QPushButton *m_trailing = nullptr;
    QPushButton *m_apply = nullptr;
};

} // namespace Ui
