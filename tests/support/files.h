#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

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

// Creates an empty file whose name is these bytes, which need not be valid UTF-8 as any name made
// from a QString would be.
inline bool createFileNamedByBytes(const QString &folder, const QByteArray &name)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    return descriptor >= 0 && ::close(descriptor) == 0;
}
