#pragma once

#include "compose/elementorder.h"
#include "compose/inputrules.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class Dialogs;
}
namespace Settings {
class SessionSettings;
struct StorageSetup;
} // namespace Settings

namespace Compose {

// The stage-3 prefix/suffix panel and the final-stage panel as the widgets see them: the folder's
// title-element settings with their captions, enabled states and input rules. Every change goes
// into the folder settings in memory at once; store() writes them, which the widgets call when
// one of their controls loses the focus.
class TitleSettingsModel final : public QObject
{
    Q_OBJECT

public:
    // The text fields a widget may be asked to focus.
    enum class Field { Prefix, Suffix };

    TitleSettingsModel(Settings::SessionSettings &settings, Platform::Dialogs &dialogs,
                       std::function<Settings::StorageSetup()> storageSetup, QObject *parent = nullptr);
    ~TitleSettingsModel() override;

    // Rebuilds the element list from the folder settings; once per session, after they are read.
    void reload();
    // Writes the folder settings; a failure is shown in the status line and the settings stay in
    // memory.
    bool store();

    // Captions of the controls.
    static QString usePrefixCaption();
    static QString useSuffixCaption();
    static QString elementOrderCaption();
    static QString separatorCaption();
    static QString forceUniquenessCaption();
    static QString keepVoiceCaption();
    static QString testAndPreviewCaption();

    // Global prefix and suffix. Turning a switch on enables its field and asks for the focus on
    // it; turning it off disables the field and keeps the text.
    bool usePrefix() const;
    void setUsePrefix(bool on);
    bool isPrefixFieldEnabled() const { return usePrefix(); }
    const QString &prefix() const;
    // Takes the prefix field's text after a change, with the caret the change left; returns the
    // text and caret the field is to show. A refused character is reported in the status line.
    CorrectedInput editPrefix(const QString &text, int caret);

    bool useSuffix() const;
    void setUseSuffix(bool on);
    bool isSuffixFieldEnabled() const { return useSuffix(); }
    const QString &suffix() const;
    CorrectedInput editSuffix(const QString &text, int caret);

    // Element order: the display names by position (index 0 is position 1).
    QStringList elementNames() const;
    // Moves the element at index from to index to (0..5); the order string of the settings
    // follows at once.
    void moveElement(int from, int to);
    const ElementOrder &elementOrder() const { return m_order; }

    // Element separator.
    static QStringList separatorCaptions();
    int separatorIndex() const;
    void setSeparatorIndex(int index);
    // The letter case of the new titles' extensions (ExtensionCase), written at once.
    int extensionCase() const;
    void setExtensionCase(int index);

    bool forceUniqueness() const;
    void setForceUniqueness(bool on);
    bool keepVoiceSynchronized() const;
    void setKeepVoiceSynchronized(bool on);

    // "Test && &Preview" is enabled while pictures are selected.
    bool isTestAndPreviewEnabled() const { return m_testAndPreviewEnabled; }
    void setTestAndPreviewEnabled(bool enabled);

Q_SIGNALS:
    // Any shown state changed; widgets refresh from the getters.
    void changed();
    // A switch was turned on: its text field is to get the focus.
    void focusRequested(Compose::TitleSettingsModel::Field field);

private:
    CorrectedInput edit(QString &target, const QString &text, int caret);

    Settings::SessionSettings &m_settings;
    Platform::Dialogs &m_dialogs;
    std::function<Settings::StorageSetup()> m_storageSetup;
    ElementOrder m_order;
    bool m_testAndPreviewEnabled = false;
};

} // namespace Compose
