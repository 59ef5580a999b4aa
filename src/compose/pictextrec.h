#pragma once

#include <QByteArray>
#include <QString>

namespace Compose {

// One 120-byte record of PicPrefix.dat: a remembered per-picture prefix.
struct PicPrefixRec
{
    static constexpr int size = 120;

    QString PPPrefix;
    QString PPPrefixLow;
    // The last use, in days since 1899-12-30, local time.
    double PPLastUsed = 0;
    // Always written false and never read.
    bool PPDel = false;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 50, rec.PPPrefix);
        v.string(51, 50, rec.PPPrefixLow);
        v.float64(104, rec.PPLastUsed);
        v.boolean(112, rec.PPDel);
    }

    QByteArray toBytes() const;
    static PicPrefixRec fromBytes(const QByteArray &bytes);

    bool operator==(const PicPrefixRec &) const = default;
};

// One 120-byte record of PicSuffix.dat: a remembered per-picture suffix, laid out as PicPrefixRec.
struct PicSuffixRec
{
    static constexpr int size = 120;

    QString PSSuffix;
    QString PSSuffixLow;
    double PSLastUsed = 0;
    bool PSDel = false;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 50, rec.PSSuffix);
        v.string(51, 50, rec.PSSuffixLow);
        v.float64(104, rec.PSLastUsed);
        v.boolean(112, rec.PSDel);
    }

    QByteArray toBytes() const;
    static PicSuffixRec fromBytes(const QByteArray &bytes);

    bool operator==(const PicSuffixRec &) const = default;
};

} // namespace Compose
