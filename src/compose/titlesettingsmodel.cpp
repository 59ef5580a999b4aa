#include "compose/titlesettingsmodel.h"

#include "compose/elementseparator.h"
#include "compose/extensioncase.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/sessionsettings.h"

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

TitleSettingsModel::TitleSettingsModel(Settings::SessionSettings &settings, Platform::Dialogs &dialogs,
                                       std::function<Settings::StorageSetup()> storageSetup, QObject *parent)
    : QObject(parent), m_settings(settings), m_dialogs(dialogs), m_storageSetup(std::move(storageSetup))
{
    m_order.FillSGElementOrder(ElementOrder::repairedOrder(m_settings.folderRec().elementOrder), m_dialogs);
}

TitleSettingsModel::~TitleSettingsModel() = default;

void TitleSettingsModel::reload()
{
    m_order.FillSGElementOrder(m_settings.folderRec().elementOrder, m_dialogs);
    m_settings.folderRec().elementOrder = m_order.orderString();
    Q_EMIT changed();
}

bool TitleSettingsModel::store()
{
    m_settings.folderRec().elementOrder = m_order.orderString();
    const auto written = m_settings.UpdateFSession_Local(m_storageSetup ? m_storageSetup() : Settings::StorageSetup());
    if (written)
        return true;
    m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    return false;
}

QString TitleSettingsModel::usePrefixCaption()
{
    return text(1093, "Use prefix");
}

QString TitleSettingsModel::useSuffixCaption()
{
    return text(1094, "Use suffix");
}

QString TitleSettingsModel::elementOrderCaption()
{
    return text(1095, "Order of elements within created title (drag and drop):");
}

QString TitleSettingsModel::separatorCaption()
{
    return text(1096, "Separator between elements:");
}

QString TitleSettingsModel::forceUniquenessCaption()
{
    return text(1097, "Force uniqueness");
}

QString TitleSettingsModel::keepVoiceCaption()
{
    return text(1098, "Keep Voice files synchronized");
}

QString TitleSettingsModel::testAndPreviewCaption()
{
    return text(1099, "Test && &Preview");
}

bool TitleSettingsModel::usePrefix() const
{
    return m_settings.folderRec().usePrefix;
}

void TitleSettingsModel::setUsePrefix(bool on)
{
    if (m_settings.folderRec().usePrefix == on)
        return;
    m_settings.folderRec().usePrefix = on;
    Q_EMIT changed();
    if (on)
        Q_EMIT focusRequested(Field::Prefix);
}

const QString &TitleSettingsModel::prefix() const
{
    return m_settings.folderRec().prefix;
}

CorrectedInput TitleSettingsModel::edit(QString &target, const QString &newText, int caret)
{
    const CorrectedInput corrected = correctInput(newText, caret, globalTextLength);
    if (corrected.refused)
        m_dialogs.status(illegalCharacterStatus());
    if (target != corrected.text) {
        target = corrected.text;
        Q_EMIT changed();
    }
    return corrected;
}

CorrectedInput TitleSettingsModel::editPrefix(const QString &newText, int caret)
{
    return edit(m_settings.folderRec().prefix, newText, caret);
}

bool TitleSettingsModel::useSuffix() const
{
    return m_settings.folderRec().useSuffix;
}

void TitleSettingsModel::setUseSuffix(bool on)
{
    if (m_settings.folderRec().useSuffix == on)
        return;
    m_settings.folderRec().useSuffix = on;
    Q_EMIT changed();
    if (on)
        Q_EMIT focusRequested(Field::Suffix);
}

const QString &TitleSettingsModel::suffix() const
{
    return m_settings.folderRec().suffix;
}

CorrectedInput TitleSettingsModel::editSuffix(const QString &newText, int caret)
{
    return edit(m_settings.folderRec().suffix, newText, caret);
}

QStringList TitleSettingsModel::elementNames() const
{
    return m_order.names();
}

void TitleSettingsModel::moveElement(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= ElementOrder::elementCount || to >= ElementOrder::elementCount)
        return;
    m_order.RearrangeElOrTable(from + 1, to + 1);
    m_settings.folderRec().elementOrder = m_order.orderString();
    Q_EMIT changed();
}

QStringList TitleSettingsModel::separatorCaptions()
{
    return ElementSeparator::captions();
}

int TitleSettingsModel::separatorIndex() const
{
    return ElementSeparator::validIndex(m_settings.folderRec().elementSeparator);
}

void TitleSettingsModel::setSeparatorIndex(int index)
{
    index = ElementSeparator::validIndex(index);
    if (m_settings.folderRec().elementSeparator == index)
        return;
    m_settings.folderRec().elementSeparator = index;
    Q_EMIT changed();
}

int TitleSettingsModel::extensionCase() const
{
    return int(ExtensionCase::fromIndex(m_settings.folderRec().extensionCase));
}

void TitleSettingsModel::setExtensionCase(int index)
{
    index = int(ExtensionCase::fromIndex(index));
    if (m_settings.folderRec().extensionCase == index)
        return;
    m_settings.folderRec().extensionCase = index;
    store();
    Q_EMIT changed();
}

bool TitleSettingsModel::forceUniqueness() const
{
    return m_settings.folderRec().forceUniqueness;
}

void TitleSettingsModel::setForceUniqueness(bool on)
{
    if (m_settings.folderRec().forceUniqueness == on)
        return;
    m_settings.folderRec().forceUniqueness = on;
    Q_EMIT changed();
}

bool TitleSettingsModel::keepVoiceSynchronized() const
{
    return m_settings.folderRec().keepVoiceSynchronized;
}

void TitleSettingsModel::setKeepVoiceSynchronized(bool on)
{
    if (m_settings.folderRec().keepVoiceSynchronized == on)
        return;
    m_settings.folderRec().keepVoiceSynchronized = on;
    Q_EMIT changed();
}

void TitleSettingsModel::setTestAndPreviewEnabled(bool enabled)
{
    if (m_testAndPreviewEnabled == enabled)
        return;
    m_testAndPreviewEnabled = enabled;
    Q_EMIT changed();
}

} // namespace Compose
