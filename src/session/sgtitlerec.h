#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace Session {

// One 900-byte record of the title file MrlSGTitle2.dat; record i belongs to row i of the
// picture table.
struct SGTitleRec
{
    static constexpr int size = 900;
    // The free text (STNew) keeps at most this many bytes of UTF-8.
    static constexpr int freeTextBytes = 255;

    QString STSelect;
    QString STOld;
    QString STNew;
    QString STError;
    qint32 STSubjIndex = -1;
    bool STStage2 = false;
    bool STEditAll = false;
    QString STVersion;
    QString STPrefix;
    QString STSuffix;
    // STResStr3 holds 22 characters, its six neighbours 30.
    QString STResStr3;
    std::array<QString, 6> STResStr4to9;
    bool STMarkDelete = false;
    std::array<bool, 9> STResBool = {};
    std::array<qint32, 10> STResInt = {};

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 3, rec.STSelect);
        v.string(4, 255, rec.STOld);
        v.string(260, freeTextBytes, rec.STNew);
        v.string(516, 1, rec.STError);
        v.int32(520, rec.STSubjIndex);
        v.boolean(524, rec.STStage2);
        v.boolean(525, rec.STEditAll);
        v.string(526, 10, rec.STVersion);
        v.string(537, 50, rec.STPrefix);
        v.string(588, 50, rec.STSuffix);
        v.string(639, 22, rec.STResStr3);
        v.strings(662, 30, rec.STResStr4to9);
        v.boolean(848, rec.STMarkDelete);
        v.booleans(849, rec.STResBool);
        v.int32s(860, rec.STResInt);
    }

    QByteArray toBytes() const;
    static SGTitleRec fromBytes(const QByteArray &bytes);

    bool operator==(const SGTitleRec &) const = default;
};

// A 520-byte record of the first-generation title file MrlSGTitle.dat, which earlier versions
// wrote; it is only read, converted and deleted.
struct SGTitleRecOld
{
    static constexpr int size = 520;

    QString select;
    QString oldTitle;
    QString newText;
    QString error;
    bool stage2 = false;
    bool editAll = false;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 3, rec.select);
        v.string(4, 255, rec.oldTitle);
        v.string(260, 255, rec.newText);
        v.string(516, 1, rec.error);
        v.boolean(518, rec.stage2);
        v.boolean(519, rec.editAll);
    }

    QByteArray toBytes() const;
    static SGTitleRecOld fromBytes(const QByteArray &bytes);

    bool operator==(const SGTitleRecOld &) const = default;
};

} // namespace Session
