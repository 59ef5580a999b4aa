#pragma once

#include "support/files.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QString>

// Every file and folder below folder, each file with a hash of its content; the session's work
// files ("Mrl...") left out. Two snapshots compare equal when nothing below folder changed.
inline QMap<QString, QByteArray> folderSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().startsWith(QStringLiteral("Mrl")))
            continue;
        result.insert(path, QFileInfo(path).isDir() ? QByteArray("folder")
                                                    : QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256));
    }
    return result;
}
