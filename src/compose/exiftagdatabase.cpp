#include "compose/exiftagdatabase.h"

#include "l10n/text.h"
#include "metadata/picturemetadata.h"
#include "platform/files.h"
#include "records/damagedfile.h"
#include "records/recordfile.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace Compose {

using Metadata::ExifElRec;
using Metadata::TAExifEl;
using Records::FileResult;

namespace {

bool sameTag(const ExifElRec &left, const ExifElRec &right)
{
    return left.ElTagnbr == right.ElTagnbr && left.ElTag == right.ElTag;
}

} // namespace

ExifTagDatabase::ExifTagDatabase(const QString &path) : m_path(path)
{
}

FileResult<void> ExifTagDatabase::InitFExifEl()
{
    const Records::RecordFile file(m_path, ExifElRec::size);
    const bool existed = file.exists();
    if (auto created = file.create(); !created)
        return created;
    const auto count = file.count();
    if (!count)
        return Records::fail(count.error());
    m_toBeBuilt = !existed || *count == 0;
    return {};
}

FileResult<TAExifEl> ExifTagDatabase::GetAllExifFile(bool OnlySelected) const
{
    const Records::RecordFile file(m_path, ExifElRec::size);
    TAExifEl tags;
    const auto read = file.readEachWholeRecord([&](QByteArrayView bytes) {
        ExifElRec rec = ExifElRec::fromBytes(bytes.toByteArray());
        if (OnlySelected && rec.ElSelected != u"1"_s)
            return;
        rec.ElValue.clear();
        tags.append(rec);
    });
    if (!read)
        return Records::fail(read.error());
    return tags;
}

FileResult<void> ExifTagDatabase::write(const TAExifEl &tags) const
{
    QList<QByteArray> records;
    records.reserve(tags.size());
    for (ExifElRec rec : tags) {
        rec.ElValue.clear();
        records.append(rec.toBytes());
    }
    // Whatever a file damaged since the start holds beyond its whole records is kept beside it.
    if (auto kept = Records::keepIfDamaged(m_path, ExifElRec::size); !kept)
        return Records::fail(kept.error());
    return Records::RecordFile(m_path, ExifElRec::size).rewrite(records);
}

TAExifEl ExifTagDatabase::GetExifOfAllPics(const QStringList &picturePaths)
{
    TAExifEl all;
    QSet<QPair<qint32, QString>> known;
    for (const QString &path : picturePaths) {
        for (const ExifElRec &tag : Metadata::readTagList(path)) {
            const QPair<qint32, QString> key(tag.ElTagnbr, tag.ElTag);
            if (known.contains(key))
                continue;
            known.insert(key);
            ExifElRec rec = tag;
            rec.ElSelected = u"0"_s;
            rec.ElUserTag = Metadata::replaceIllegalCharacters(rec.ElTag);
            all.append(rec);
        }
    }
    return all;
}

QString ExifTagDatabase::notAvailableText()
{
    return L10n::text(850, "na");
}

QString ExifTagDatabase::tagText(const TAExifEl &selected, const TAExifEl &pictureTags, bool markNotAvailable)
{
    QString text;
    QString separator;
    for (const ExifElRec &wanted : selected) {
        const auto found = std::find_if(pictureTags.cbegin(), pictureTags.cend(),
                                        [&wanted](const ExifElRec &tag) { return sameTag(tag, wanted); });
        if (found != pictureTags.cend())
            text += separator + wanted.ElUserTag + u'-' + Metadata::replaceIllegalCharacters(found->ElValue);
        else if (markNotAvailable)
            text += separator + wanted.ElUserTag + u'-' + notAvailableText();
        if (!text.isEmpty())
            separator = u","_s;
    }
    return text;
}

void ExifTagElement::startPass(bool inTitle, bool markNotAvailable)
{
    m_markNotAvailable = markNotAvailable;
    m_selected.clear();
    if (!inTitle)
        return;
    const auto selected = m_database.GetAllExifFile(true);
    m_selected = selected ? *selected : TAExifEl();
}

QString ExifTagElement::text(const QString &picturePath) const
{
    if (m_selected.isEmpty())
        return {};
    return ExifTagDatabase::tagText(m_selected, Metadata::readTagList(picturePath), m_markNotAvailable);
}

} // namespace Compose
