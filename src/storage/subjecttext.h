#pragma once

#include <QString>
#include <QStringList>

namespace Storage {

// The text rules of subjects. A subject's category levels are separated by ';'
// ("My cars;Bentleys" is the category My cars with the subcategory Bentleys), and each level
// becomes one folder level of a picture's destination.
namespace SubjectText {

// A typed subject as it is added or stored: spaces and ';' at the start of every level are
// dropped, spaces before a ';' that ends a level are dropped, and a ';' only separates levels
// that both hold text. "  My cars ; ;Bentleys" gives "My cars;Bentleys"; a text of nothing but
// spaces and ';' gives "". Spaces at the end of the last level stay.
QString normalised(const QString &typed);

// The folder levels a subject gives, safe as folder names whatever the subject holds: without
// the nine characters no file name may hold and without control codes, without spaces at either
// end, never empty, "." or "..", and cut after the last whole character that fits a folder
// name. Levels left with nothing are dropped, so a subject may give no level at all.
QStringList folderLevels(const QString &subject);

// folderLevels joined by ';' again: the subject as a destination folder uses it.
QString folderSafe(const QString &subject);

} // namespace SubjectText

} // namespace Storage
