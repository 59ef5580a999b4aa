#pragma once

#include "records/recordlayout.h"

#include <QByteArray>
#include <QString>

namespace Storage {

// One 513-byte record of Subjects.dat. A record number, once given, names the same subject for
// the life of the file: records are never removed or moved, only marked removed.
struct SubjectsRec
{
    static constexpr int size = 513;
    // The longest subject a record holds, in bytes of UTF-8.
    static constexpr int subjectLength = 255;

    // The subject as typed.
    QString SJSubject;
    // The subject in lower case: the key of the sorted order and of every look-up.
    QString SJSubjectLow;
    // The subject has been removed.
    bool SJDel = false;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, subjectLength, rec.SJSubject);
        v.string(256, subjectLength, rec.SJSubjectLow);
        v.boolean(512, rec.SJDel);
    }

    QByteArray toBytes() const { return Records::encodeRecord(*this); }
    static SubjectsRec fromBytes(const QByteArray &bytes) { return Records::decodeRecord<SubjectsRec>(bytes); }

    bool operator==(const SubjectsRec &) const = default;
};

} // namespace Storage
