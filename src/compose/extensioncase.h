#pragma once

#include <QString>
#include <QStringList>

namespace Compose {

// The letter case a new title gives the extension of the picture and of the files that follow
// it: as found (the default, "IMG_1.JPG" stays ".JPG"), lower or upper case.
class ExtensionCase final
{
public:
    enum class Choice { Keep = 0, Lower = 1, Upper = 2 };

    // A stored value other than the three counts as Keep.
    static Choice fromIndex(qint32 index);
    static QString apply(const QString &extension, Choice choice);
    static QString caption();
    static QStringList captions();
};

} // namespace Compose
