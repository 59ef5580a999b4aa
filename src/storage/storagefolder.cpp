#include "storage/storagefolder.h"

namespace Storage {

namespace {

bool isDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

// Whether the characters from..to (0-based, inclusive) of name are all digits.
bool digitsAt(const QString &name, int from, int to)
{
    for (int i = from; i <= to; ++i) {
        if (i >= name.size() || !isDigit(name.at(i)))
            return false;
    }
    return true;
}

// The date whose digits are "nnnn-nn-nn" from start; the digits were checked.
QDate dateAt(const QString &name, int start)
{
    return QDate(name.mid(start, 4).toInt(), name.mid(start + 5, 2).toInt(), name.mid(start + 8, 2).toInt());
}

bool dateDigitsAt(const QString &name, int start)
{
    return digitsAt(name, start, start + 3) && digitsAt(name, start + 5, start + 6) && digitsAt(name, start + 8, start + 9);
}

} // namespace

StorageFolder ClassifyStorageFolder(const QString &name)
{
    if (name.size() < 10 || !dateDigitsAt(name, 0))
        return {};
    const QDate first = dateAt(name, 0);
    if (name.size() > 20 && dateDigitsAt(name, 11)) {
        const QDate last = dateAt(name, 11);
        if (!first.isValid() || !last.isValid())
            return {};
        return {FolderKind::Group, first, last};
    }
    if (!first.isValid())
        return {};
    return {FolderKind::DateTaken, first, first};
}

} // namespace Storage
