#pragma once

#include "support/files.h"

#include "settings/overallsettingsrec.h"

#include <QDir>
#include <QString>
#include <QStringList>

// The folders a window test starts the program on, below root: "program/" with an overall
// settings file that keeps the language undecided, and "pics/" with the named pictures.
inline bool makeProgramAndPictures(const QString &root, const QStringList &pictures)
{
    if (!QDir().mkpath(root + QStringLiteral("/program")) || !QDir().mkpath(root + QStringLiteral("/pics")))
        return false;
    Settings::OverallSettingsRec overall;
    overall.language = -1;
    if (!writeFile(root + QStringLiteral("/program/MrlOverallSet.dat"), overall.toBytes()))
        return false;
    for (const QString &name : pictures) {
        if (!writeFile(root + QStringLiteral("/pics/") + name))
            return false;
    }
    return true;
}
