#pragma once

#include <QString>

namespace Storage {

// The storage scheme in force: PSMAbbr holds one letter per folder level from the top down
// ('Y' year, 'M' month, 'D' date taken, 'S' subject), PSMDesc the levels as the user reads them.
// An empty code means storage management is off (or the subject position fits no level count);
// "-1" a number of levels that no scheme has.
struct PSMScheme
{
    QString PSMAbbr;
    QString PSMDesc;

    bool hasSubjectLevel() const { return PSMAbbr.contains(u'S'); }
    bool isValid() const { return !PSMAbbr.isEmpty() && PSMAbbr != QStringLiteral("-1"); }

    bool operator==(const PSMScheme &) const = default;
};

// The scheme for the settings: levels 1 to 3 date levels, subjectPosition 0 for none or the level
// above which the subject goes; onlySubject gives the subject alone.
PSMScheme MakePSMScheme(bool active, bool onlySubject, int levels, int subjectPosition);

// The level names of a code joined by "/": "YSD" gives "Year/Subject/Date taken".
QString schemeDescription(const QString &code);

} // namespace Storage
