#include "compose/elementorder.h"

#include "l10n/text.h"
#include "platform/dialogs.h"

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

ElementOrder::ElementOrder()
{
    const QString order = defaultOrder();
    for (int i = 1; i <= elementCount; ++i)
        m_list[i] = {QString(order.at(i - 1)), elementName(order.at(i - 1)), i};
}

QString ElementOrder::elementName(QChar letter)
{
    switch (letter.unicode()) {
    case u'P':
        return text(183, "Prefix");
    case u'D':
        return text(184, "Date/Time");
    case u'N':
        return text(185, "Number");
    case u'F':
        return text(186, "Free text");
    case u'S':
        return text(187, "Suffix");
    case u'E':
        return text(1057, "Exif tags");
    default:
        return {};
    }
}

QString ElementOrder::repairedOrder(const QString &order)
{
    const QString elements = defaultOrder();
    QString result(elementCount, QChar());
    QString used;
    for (int i = 0; i < elementCount && i < order.size(); ++i) {
        const QChar letter = order.at(i);
        if (elements.contains(letter) && !used.contains(letter)) {
            result[i] = letter;
            used.append(letter);
        }
    }
    qsizetype next = 0;
    for (int i = 0; i < elementCount; ++i) {
        if (!result.at(i).isNull())
            continue;
        while (used.contains(elements.at(next)))
            ++next;
        result[i] = elements.at(next);
        used.append(elements.at(next));
    }
    return result;
}

ColRec ElementOrder::GetElementIndex(const QString &order, int ElCol, Platform::Dialogs &dialogs)
{
    ColRec entry;
    if (ElCol >= 1 && ElCol <= order.size()) {
        entry.ColFirstChar = order.at(ElCol - 1);
        entry.ColEl = elementName(order.at(ElCol - 1));
    }
    if (entry.ColEl.isEmpty())
        dialogs.inform({L10n::title(), text(1058, "Error in GetElementIndex"), Platform::Severity::Error});
    return entry;
}

void ElementOrder::FillSGElementOrder(const QString &order, Platform::Dialogs &dialogs)
{
    for (int i = 1; i <= elementCount; ++i)
        GetElementIndex(order, i, dialogs);
    const QString repaired = repairedOrder(order);
    for (int i = 1; i <= elementCount; ++i)
        m_list[i] = {QString(repaired.at(i - 1)), elementName(repaired.at(i - 1)), i};
}

void ElementOrder::RearrangeElOrTable(int SourceCol, int DestCol)
{
    if (SourceCol < 1 || SourceCol > elementCount || DestCol < 1 || DestCol > elementCount || SourceCol == DestCol)
        return;
    for (int i = 1; i <= elementCount; ++i) {
        int &c = m_list[i].ColCol;
        if (c == SourceCol)
            c = DestCol;
        else if (DestCol < SourceCol && c >= DestCol && c < SourceCol)
            ++c;
        else if (DestCol > SourceCol && c > SourceCol && c <= DestCol)
            --c;
    }
}

QString ElementOrder::orderString() const
{
    QString order(elementCount, u' ');
    for (int i = 1; i <= elementCount; ++i) {
        const ColRec &entry = m_list[i];
        if (entry.ColCol >= 1 && entry.ColCol <= elementCount && !entry.ColFirstChar.isEmpty())
            order[entry.ColCol - 1] = entry.ColFirstChar.at(0);
    }
    return order;
}

QStringList ElementOrder::names() const
{
    QStringList names(elementCount);
    for (int i = 1; i <= elementCount; ++i) {
        const ColRec &entry = m_list[i];
        if (entry.ColCol >= 1 && entry.ColCol <= elementCount)
            names[entry.ColCol - 1] = entry.ColEl;
    }
    return names;
}

int ElementOrder::positionOf(QChar letter) const
{
    for (int i = 1; i <= elementCount; ++i) {
        if (m_list[i].ColFirstChar == letter)
            return m_list[i].ColCol;
    }
    return 0;
}

} // namespace Compose
