#pragma once

#include <QDateTime>
#include <QString>

namespace Metadata {

// The date that stands in for a missing date taken: the file's last modification in local
// time; the current date and time when no file of that name exists (a folder does not count).
QDateTime fileDate(const QString &path);

} // namespace Metadata
