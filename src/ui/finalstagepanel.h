#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace App {
class StorageManagement;
}
namespace Compose {
class TitleSettingsModel;
}

namespace Ui {

class ElementOrderView;

// The final stage: the order of the elements, their separator, "Force uniqueness",
// "Keep Voice files synchronized" and the button that starts Test & Preview. A control losing the
// focus stores the settings.
class FinalStagePanel final : public QWidget
{
    Q_OBJECT

public:
    explicit FinalStagePanel(Compose::TitleSettingsModel &model, QWidget *parent = nullptr);

    ElementOrderView *elementOrderView() const { return m_order; }
    QComboBox *separatorBox() const { return m_separator; }
    QCheckBox *forceUniquenessBox() const { return m_forceUniqueness; }
    QCheckBox *keepVoiceBox() const { return m_keepVoice; }
    QPushButton *testAndPreviewButton() const { return m_testAndPreview; }
    // Adds "Use Picture Storage Management" and "Only use subject" over the session's storage.
    void addStorageSwitches(App::StorageManagement &storage);
    QCheckBox *useStorageBox() const { return m_useStorage; }
    QCheckBox *onlySubjectBox() const { return m_onlySubject; }

Q_SIGNALS:
    // "Test && &Preview" was clicked.
    void testAndPreviewRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void refreshStorage();

    Compose::TitleSettingsModel &m_model;
    ElementOrderView *m_order = nullptr;
    QComboBox *m_separator = nullptr;
    QComboBox *m_extensionCase = nullptr;
    QCheckBox *m_forceUniqueness = nullptr;
    QCheckBox *m_keepVoice = nullptr;
    QPushButton *m_testAndPreview = nullptr;
    App::StorageManagement *m_storage = nullptr;
    QCheckBox *m_useStorage = nullptr;
    QCheckBox *m_onlySubject = nullptr;
};

} // namespace Ui
