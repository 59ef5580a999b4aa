#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Small file helpers for tests that work in a temporary folder.
inline bool writeFile(const QString &path, const QByteArray &content = QByteArray("x"))
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool makeReadOnly(const QString &path)
{
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
