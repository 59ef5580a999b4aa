#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Metadata {

struct ExifData;

// One tag of a picture's tag list, and in the EXIF tag database one known tag. The texts are
// at most 200 characters; they are stored as short strings of at most 200 bytes of UTF-8.
struct ExifElRec
{
    // One record of ExifEl.dat, the EXIF tag database.
    static constexpr int size = 612;

    qint32 ElTagnbr = 0;
    // "1" when the tag is selected for titles, "0" when not.
    QString ElSelected;
    // The tag's name from the tag-name table; with ElTagnbr it identifies the tag.
    QString ElTag;
    // The description used in titles; by default the name with its illegal characters replaced.
    QString ElUserTag;
    QString ElValue;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.int32(0, rec.ElTagnbr);
        v.string(4, 1, rec.ElSelected);
        v.string(6, 200, rec.ElTag);
        v.string(207, 200, rec.ElUserTag);
        v.string(408, 200, rec.ElValue);
    }

    QByteArray toBytes() const;
    // bytes must hold at least size bytes.
    static ExifElRec fromBytes(const QByteArray &bytes);

    bool operator==(const ExifElRec &) const = default;
};

using TAExifEl = QList<ExifElRec>;

// Every tag of the table found in IFD0, the Exif IFD, the Interoperability IFD, the GPS IFD and
// IFD1, in that order and within a directory by ascending tag number, unselected, with its
// value text. Tags of maker notes or outside the table are never listed.
TAExifEl tagList(const ExifData &data);

// The text with the characters that cannot stand in a file name replaced: the colon by ";",
// the double quote by the apostrophe, and slash, backslash, asterisk, question mark, less-than,
// greater-than and vertical bar by "-", and the control codes 0..31 by a space. Makes a tag's
// default description, and cleans values before they enter a title.
QString replaceIllegalCharacters(QString text);

} // namespace Metadata
