#pragma once

#include <QByteArray>
#include <QString>

namespace Dictionary {

// One 552-byte record of a dictionary file (LoadedDic.dat, MrlActiveDic.dat): a title with the
// program version that wrote it and the code of its source. The record starts with the marker
// ":" so that a file of the first format (PicTitleRecOld) can be told apart.
struct PicTitleRec
{
    static constexpr int size = 552;

    QString marker = QStringLiteral(":");
    QString title;
    QString version;
    // 'F' a picture's file name, 'C' a clipboard or private-dictionary line, 'N' a confirmed free
    // text, 'A' a record converted from the first format.
    QString source;

    // Bytes 271 to 551 are zero when written and never read.
    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 1, rec.marker);
        v.string(2, 255, rec.title);
        v.string(258, 10, rec.version);
        v.string(269, 1, rec.source);
    }

    QByteArray toBytes() const;
    static PicTitleRec fromBytes(const QByteArray &bytes);

    bool operator==(const PicTitleRec &) const = default;
};

// A 256-byte record of a dictionary file of the first format: only the title. Such a file is
// converted once into PicTitleRec records.
struct PicTitleRecOld
{
    static constexpr int size = 256;

    QString title;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, 255, rec.title);
    }

    QByteArray toBytes() const;
    static PicTitleRecOld fromBytes(const QByteArray &bytes);

    bool operator==(const PicTitleRecOld &) const = default;
};

} // namespace Dictionary
