#include "compose/titlecomposer.h"

#include "compose/elementorder.h"
#include "compose/elementseparator.h"
#include "compose/extensioncase.h"

#include "records/titletext.h"
#include "settings/sessionsettingsrec.h"

using namespace Qt::StringLiterals;

namespace Compose {

TitleComposer::TitleComposer(const Settings::SessionSettingsRec &settings, ElementValues *values)
    : m_prefix(settings.usePrefix ? settings.prefix : QString()),
      m_suffix(settings.useSuffix ? settings.suffix : QString()),
      m_separator(ElementSeparator::text(settings.elementSeparator)), m_dateOrTime(settings.useDate || settings.useTime),
      m_extensionCase(settings.extensionCase), m_values(values)
{
    // A damaged order still places each element exactly once.
    const QString order = ElementOrder::repairedOrder(settings.elementOrder);
    const auto position = [&order](QChar letter) { return int(order.indexOf(letter)) + 1; };
    m_positionP = position(u'P');
    m_positionD = position(u'D');
    m_positionN = position(u'N');
    m_positionF = position(u'F');
    m_positionE = position(u'E');
    m_positionS = position(u'S');
}

RMakeTitle TitleComposer::compose(const ComposeInput &input) const
{
    RMakeTitle result;

    QString number;
    QString dateTime;
    if (m_values) {
        number = m_values->numberText(input, &result.RMWarning);
        if (m_dateOrTime) {
            // A warning of the number element takes precedence.
            qint32 dateWarning = 0;
            dateTime = m_values->dateTimeText(input, &dateWarning);
            if (result.RMWarning == 0)
                result.RMWarning = dateWarning;
        }
    }

    // The per-picture texts surround the free text with the separator even when it is empty.
    QString freeText = input.freeText;
    if (!input.picturePrefix.isEmpty())
        freeText = input.picturePrefix + m_separator + freeText;
    if (!input.pictureSuffix.isEmpty())
        freeText = freeText + m_separator + input.pictureSuffix;

    std::array<QString, 7> parts;
    parts[m_positionP] = m_prefix;
    parts[m_positionD] = dateTime;
    parts[m_positionN] = number;
    parts[m_positionF] = freeText;
    parts[m_positionS] = m_suffix;
    parts[m_positionE] = input.exifText;

    // Non-empty parts joined by the separator: none follows the last non-empty part.
    QString title;
    for (int i = 1; i <= 6; ++i) {
        if (parts[i].isEmpty())
            continue;
        if (!title.isEmpty())
            title += m_separator;
        title += parts[i];
    }

    const qsizetype dot = input.currentTitle.lastIndexOf(u'.');
    if (dot >= 0)
        title += ExtensionCase::apply(input.currentTitle.mid(dot), ExtensionCase::fromIndex(m_extensionCase));
    // Every text was cleaned where it was typed or read; a title is a file name in its folder
    // whatever text still arrives, so it never holds a '/' or a control code.
    result.RMTitle = Records::cleanTitleText(title);
    return result;
}

} // namespace Compose
