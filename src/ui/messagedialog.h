#pragma once

#include "platform/dialogs.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;

namespace Ui {

class QuickStartWindow;

// A question of the core: header, lines, an optional warning, an optional choice of one item, an
// optional check box and a row of buttons; exec() returns the index of the button chosen.
class MessageDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit MessageDialog(const Platform::Question &question, QWidget *parent = nullptr);

    Platform::Answer answer() const;
    // Closes the box even where only its buttons may: the program is being ended.
    void end();

protected:
    void reject() override;

private Q_SLOTS:
    void showHelp();

private:
    Platform::Question m_question;
    QCheckBox *m_checkBox = nullptr;
    QButtonGroup *m_choices = nullptr;
    QuickStartWindow *m_quickStart = nullptr;
    int m_chosen = -1;
};

} // namespace Ui
