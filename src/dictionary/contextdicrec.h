#pragma once

#include <QByteArray>
#include <QString>

namespace Dictionary {

// One 512-byte record of a context dictionary (ContextDic.dat, MrlAContextDic.dat): a whole text
// and its comparison key.
struct ContextDicRec
{
    static constexpr int size = 512;

    QString CTTitle;
    QString CTTitleLow;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 255, rec.CTTitle);
        v.string(256, 255, rec.CTTitleLow);
    }

    QByteArray toBytes() const;
    static ContextDicRec fromBytes(const QByteArray &bytes);

    bool operator==(const ContextDicRec &) const = default;
};

} // namespace Dictionary
