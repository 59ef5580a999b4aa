#include "storage/groupperiods.h"

#include "storage/folderproposal.h"

#include "storage/storagedate.h"

#include "metadata/filedate.h"
#include "metadata/picturemetadata.h"
#include "session/picturerow.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace Storage::GroupPeriods {

namespace {

constexpr int maxWords = 5;

} // namespace

QList<PeriodSuggestion> suggest(QList<PeriodPicture> pictures, const PeriodRules &rules)
{
    pictures.removeIf([](const PeriodPicture &picture) { return !picture.clock.isValid(); });
    std::stable_sort(pictures.begin(), pictures.end(),
                     [](const PeriodPicture &a, const PeriodPicture &b) { return a.clock < b.clock; });
    const qint64 gapSeconds = qint64(rules.gapHours) * 3600;
    QList<PeriodSuggestion> result;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= pictures.size(); ++i) {
        if (i < pictures.size() && pictures.at(i - 1).clock.secsTo(pictures.at(i).clock) <= gapSeconds)
            continue;
        const QDate first = pictures.at(start).clock.date();
        const QDate last = pictures.at(i - 1).clock.date();
        if (first != last) {
            QStringList texts;
            for (qsizetype j = start; j < i; ++j)
                texts << pictures.at(j).freeText;
            result.append({first, last, int(i - start), proposedDescription(texts, rules)});
        }
        start = i;
    }
    return result;
}

QString proposedDescription(const QStringList &freeTexts, const PeriodRules &rules)
{
    // The same proposal a new date-taken folder gets, from the free texts alone.
    FolderProposalInput input;
    input.freeTexts = freeTexts;
    input.minChar = rules.minimumCharacters;
    input.filterDigit = rules.filterDigits;
    return proposeFolderDescription(input);
}

QList<PeriodPicture> picturesOf(const QString &folder, const QList<Session::PictureRow> &rows, int shiftMidnight,
                                const std::function<QString(const QString &path)> &dateTaken)
{
    const bool anySelected = std::any_of(rows.begin(), rows.end(), [](const auto &row) { return row.isSelected(); });
    QList<PeriodPicture> pictures;
    for (const Session::PictureRow &row : rows) {
        if (anySelected && !row.isSelected())
            continue;
        const QString path = folder + u'/' + row.currentTitle;
        const QString taken =
            dateTaken ? dateTaken(path) : Metadata::readPictureMetadata(path, Metadata::MetadataItem::DateTaken);
        QDateTime clock = StorageClock(taken, QDateTime(), shiftMidnight);
        if (!clock.isValid())
            clock = StorageClock(QString(), Metadata::fileDate(path), shiftMidnight);
        pictures.append({clock, row.freeText});
    }
    return pictures;
}

} // namespace Storage::GroupPeriods
