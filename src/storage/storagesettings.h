#pragma once

#include <QString>

namespace Storage {

// The settings that define storage management: the storage fields of the program settings and
// the main folder of MainFolder.dat. levels 0 means storage management is not set up.
struct StorageSettings
{
    int levels = 0;
    int subjectPosition = 0;
    bool subjectOptional = false;
    bool subjectWarning = false;
    bool promptFolder = true;
    int shiftMidnight = 0;
    bool addNameDay = false;
    bool abbreviateNameDay = false;
    QString mainFolder;

    bool operator==(const StorageSettings &) const = default;
};

} // namespace Storage
