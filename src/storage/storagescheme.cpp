#include "storage/storagescheme.h"

#include "l10n/text.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

// The codes by number of date levels (row) and subject position (column).
QString schemeCode(int levels, int subjectPosition)
{
    static const QString codes[3][4] = {
        {u"D"_s, u"SD"_s, {}, {}},
        {u"YD"_s, u"SYD"_s, u"YSD"_s, {}},
        {u"YMD"_s, u"SYMD"_s, u"YSMD"_s, u"YMSD"_s},
    };
    if (subjectPosition < 0 || subjectPosition > levels)
        return {};
    return codes[levels - 1][subjectPosition];
}

QString levelName(QChar letter)
{
    switch (letter.unicode()) {
    case u'D':
        return L10n::text(200, "Date taken");
    case u'S':
        return L10n::text(201, "Subject");
    case u'Y':
        return L10n::text(202, "Year");
    case u'M':
        return L10n::text(203, "Month");
    default:
        return {};
    }
}

} // namespace

QString schemeDescription(const QString &code)
{
    QStringList names;
    for (const QChar letter : code)
        names << levelName(letter);
    return names.join(u'/');
}

PSMScheme MakePSMScheme(bool active, bool onlySubject, int levels, int subjectPosition)
{
    if (!active)
        return {QString(), L10n::text(1213, "Picture Storage Management is not active")};
    QString code;
    if (onlySubject) {
        code = u"S"_s;
    } else {
        if (levels < 1 || levels > 3)
            return {u"-1"_s, L10n::text(1214, "Picture Storage Management: Defined scheme is illegal")};
        code = schemeCode(levels, subjectPosition);
    }
    return {code, schemeDescription(code)};
}

} // namespace Storage
