#pragma once

#include <QString>
#include <QStringView>

namespace Retitle {

// folder + '/' + name, where the root "/" gives "/name".
inline QString joinPath(const QString &folder, const QString &name)
{
    return (folder == QStringLiteral("/") ? QString() : folder) + u'/' + name;
}

// The file name up to its last dot; the whole name when it has none.
inline QString withoutExtension(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot < 0 ? name : name.left(dot)).toString();
}

// The extension from the last dot on, dot and letter case kept; empty when the name has none.
inline QString extensionWithDot(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toString();
}

inline QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

inline QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The file that travels with a picture for a sync extension: the picture's name without its
// extension, a dot and the extension (IMG_1.JPG and "wav" give IMG_1.wav).
inline QString companionName(const QString &pictureName, const QString &extension)
{
    return withoutExtension(pictureName) + u'.' + extension;
}

inline QString companionPath(const QString &picturePath, const QString &extension)
{
    return joinPath(folderOf(picturePath), companionName(fileNameOf(picturePath), extension));
}

} // namespace Retitle
