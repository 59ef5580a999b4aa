#include "metadata/exifelrec.h"

#include "metadata/exifdata.h"
#include "metadata/tagnames.h"
#include "metadata/valuetext.h"

#include "records/recordlayout.h"
#include "records/titletext.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Metadata {

namespace {

constexpr int initialTagListSize = 200;
constexpr qsizetype maxTextLength = 200;

} // namespace

QByteArray ExifElRec::toBytes() const
{
    return Records::encodeRecord(*this);
}

ExifElRec ExifElRec::fromBytes(const QByteArray &bytes)
{
    ExifElRec rec = Records::decodeRecord<ExifElRec>(bytes);
    // The description goes into titles.
    rec.ElUserTag = Records::cleanTitleText(rec.ElUserTag);
    return rec;
}

TAExifEl tagList(const ExifData &data)
{
    TAExifEl list;
    list.reserve(initialTagListSize);
    for (int d = 0; d < exifDirectoryCount; ++d) {
        const auto directory = static_cast<ExifDirectory>(d);
        QList<const ExifEntry *> entries;
        for (const ExifEntry &entry : data.directory(directory)) {
            if (isNamedTag(directory, entry.tag))
                entries.append(&entry);
        }
        std::stable_sort(entries.begin(), entries.end(),
                         [](const ExifEntry *left, const ExifEntry *right) { return left->tag < right->tag; });
        for (const ExifEntry *entry : std::as_const(entries)) {
            const QString name = tagName(directory, entry->tag).left(maxTextLength);
            list.append(ExifElRec{entry->tag, u"0"_s, name, replaceIllegalCharacters(name),
                                  valueText(*entry, directory, data.bigEndian).left(maxTextLength)});
        }
    }
    list.squeeze();
    return list;
}

QString replaceIllegalCharacters(QString text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case u':':
            c = u';';
            break;
        case u'"':
            c = u'\'';
            break;
        case u'/':
        case u'\\':
        case u'*':
        case u'?':
        case u'<':
        case u'>':
        case u'|':
            c = u'-';
            break;
        default:
            if (Records::isControlCharacter(c))
                c = u' ';
            break;
        }
    }
    return text;
}

} // namespace Metadata
