#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace Compose {
class TitleSettingsModel;
}

namespace Ui {

// The stage-3 prefix and suffix: each a switch with its text field. Typing goes through the
// model's input rule; a control losing the focus stores the settings.
class PrefixSuffixPanel final : public QWidget
{
    Q_OBJECT

public:
    explicit PrefixSuffixPanel(Compose::TitleSettingsModel &model, QWidget *parent = nullptr);

    QCheckBox *usePrefixBox() const { return m_usePrefix; }
    QLineEdit *prefixField() const { return m_prefix; }
    QCheckBox *useSuffixBox() const { return m_useSuffix; }
    QLineEdit *suffixField() const { return m_suffix; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();

    Compose::TitleSettingsModel &m_model;
    QCheckBox *m_usePrefix = nullptr;
    QLineEdit *m_prefix = nullptr;
    QCheckBox *m_useSuffix = nullptr;
    QLineEdit *m_suffix = nullptr;
};

} // namespace Ui
