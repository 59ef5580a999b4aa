#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace Platform {
class Dialogs;
}

namespace Compose {

// One title element of the element list.
struct ColRec
{
    // The element letter: P, D, N, F, S or E.
    QString ColFirstChar;
    // The display name; empty for a letter that is none of the six.
    QString ColEl;
    // The element's position in the title, 1..6.
    int ColCol = 0;

    bool operator==(const ColRec &) const = default;
};

// The order of the six title elements. Entry 0 of the list carries nothing; entries 1..6 are the
// elements as the order control shows them, each knowing its position. The order string has the
// letter of position i at index i - 1.
class ElementOrder final
{
public:
    static constexpr int elementCount = 6;
    // The order of a new program-wide settings record.
    static QString defaultOrder() { return QStringLiteral("PDNFES"); }

    // Starts as the default order.
    ElementOrder();

    // The display name of an element letter, empty for any other letter.
    static QString elementName(QChar letter);
    // An order string that holds each of the six letters exactly once: letters that are not
    // elements, repeated letters and missing positions are given the missing elements in their
    // default order, so that no element silently drops out of every title.
    static QString repairedOrder(const QString &order);

    // Builds the list from an order string. A letter that is no element is reported as
    // "Error in GetElementIndex" for its position; the position then takes a missing element.
    void FillSGElementOrder(const QString &order, Platform::Dialogs &dialogs);
    // The letter at position ElCol (1..6) of order with its display name in ColEl (empty for a
    // letter outside the six, which is reported). ColCol is left 0.
    static ColRec GetElementIndex(const QString &order, int ElCol, Platform::Dialogs &dialogs);
    // Moves the element at position SourceCol to DestCol (both 1..6); the elements between shift
    // one place towards SourceCol. Out-of-range or equal positions change nothing.
    void RearrangeElOrTable(int SourceCol, int DestCol);

    const std::array<ColRec, elementCount + 1> &list() const { return m_list; }
    // The order string rebuilt from the list: position i gets the letter of the entry at i.
    QString orderString() const;
    // The display names by position 1..6, at indices 0..5.
    QStringList names() const;
    // The position (1..6) of an element letter; 0 when the list holds no such element.
    int positionOf(QChar letter) const;

private:
    std::array<ColRec, elementCount + 1> m_list;
};

} // namespace Compose
