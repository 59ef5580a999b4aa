#pragma once

#include <QString>

namespace Session {

// Selection markers of column "Sel". A row is selected whenever its marker is not empty.
namespace Marker {
inline const QString selected = QStringLiteral(">>i");
// In correction mode: a selected picture whose new title has an error, and one whose has none.
inline const QString erroneous = QStringLiteral(">");
inline const QString correct = QStringLiteral(">>");
} // namespace Marker

// One picture of the table.
struct PictureRow
{
    QString marker;
    // The file name with its extension, exactly as found in the folder.
    QString currentTitle;
    QString subject;
    // The free text of the new title; the deletion-mark text while marked for deletion.
    QString freeText;
    QString prefix;
    QString suffix;
    // Error code of the last test pass, "0" for none; only its first character is stored.
    QString errorCode = QStringLiteral("0");
    // Record number of the subject, -1 for none.
    qint32 subjectIndex = -1;
    bool markedForDeletion = false;

    bool isSelected() const { return !marker.isEmpty(); }
    bool operator==(const PictureRow &) const = default;
};

} // namespace Session
