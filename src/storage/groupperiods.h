#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace Session {
struct PictureRow;
}

namespace Storage {

// A picture as the period suggestions see it: its storage clock (StorageClock) and free text.
struct PeriodPicture
{
    QDateTime clock;
    QString freeText;
};

// A proposed group period: the days from first to last, the pictures in it and a description.
struct PeriodSuggestion
{
    QDate first;
    QDate last;
    int pictures = 0;
    QString description;

    bool operator==(const PeriodSuggestion &) const = default;
};

struct PeriodRules
{
    // A pause longer than this many hours between two pictures ends a period.
    int gapHours = 36;
    // Words shorter than this do not count for the description.
    int minimumCharacters = 4;
    // Words with a digit do not count for the description.
    bool filterDigits = true;
};

namespace GroupPeriods {

inline constexpr int defaultGapHours = 36;

// The periods of more than one day that the pictures fall into, in date order: pictures follow
// each other in time order, and a pause longer than the gap starts a new period. Pictures
// without a clock are left out; a period of a single day is no group and is not proposed.
QList<PeriodSuggestion> suggest(QList<PeriodPicture> pictures, const PeriodRules &rules);

// Up to five words that the free texts use most, most frequent first (ties in order of first
// use), joined by spaces.
QString proposedDescription(const QStringList &freeTexts, const PeriodRules &rules);

// The pictures of the rows to look at: the selected rows, or all when none is selected. The date
// is read from each file in folder as the storage dates are; dateTaken, when given, gives the
// date taken of a picture path (corrected for its camera's clock).
QList<PeriodPicture> picturesOf(const QString &folder, const QList<Session::PictureRow> &rows, int shiftMidnight,
                                const std::function<QString(const QString &path)> &dateTaken = {});

} // namespace GroupPeriods

} // namespace Storage
