#pragma once

#include "app/optionsmodel.h"

#include <QDialog>
#include <QList>
#include <QSpinBox>

class QButtonGroup;
class QCheckBox;
class QTabWidget;

namespace Ui {

// A number field of the options: its typing and leaving follow the model's input rules, with a
// beep for every correction; the arrows step within its range.
class OptionNumberBox final : public QSpinBox
{
    Q_OBJECT

public:
    explicit OptionNumberBox(App::OptionsModel::Number number, QWidget *parent = nullptr);

    App::OptionsModel::Number number() const { return m_number; }

protected:
    QValidator::State validate(QString &input, int &position) const override;
    void fixup(QString &input) const override;

private:
    App::OptionsModel::Number m_number;
};

// "Options" over its model, on the page the model opens on.
class OptionsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit OptionsDialog(App::OptionsModel &model, QWidget *parent = nullptr);

    QTabWidget *pages() const { return m_pages; }
    OptionNumberBox *numberBox(App::OptionsModel::Number number) const;
    QCheckBox *messagesBox() const { return m_messages; }
    QButtonGroup *languageGroup() const { return m_language; }

    void accept() override;

Q_SIGNALS:
    void helpRequested();

private:
    App::OptionsModel &m_model;
    QTabWidget *m_pages = nullptr;
    QList<OptionNumberBox *> m_numbers;
    QCheckBox *m_guide = nullptr;
    // The page "File types": a box per group in the order of Session::MediaGroup, and the pairs.
    QList<QCheckBox *> m_mediaGroups;
    QCheckBox *m_pairs = nullptr;
    QCheckBox *m_messages = nullptr;
    QButtonGroup *m_language = nullptr;
};

} // namespace Ui
