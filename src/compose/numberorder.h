#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

namespace Compose {

// One picture to be numbered, in picture-table order.
struct NumberedPicture
{
    QString currentTitle;
    // The corrected date taken "yyyy-mm-dd hh:mm:ss", empty when it has none.
    QString dateTaken;
    // The day of its file date, which counts for a picture without a date taken.
    QDate fileDay;
    // Where it goes; empty when storage management is off (all stay in one folder).
    QString folder;
};

// The order in which the counter numbers the pictures of a pass.
struct NumberOrderOptions
{
    // Follow the date taken across cameras; ties (a RAW and JPEG pair, a burst within one
    // second) and pictures without a date taken, after all dated ones, keep table order.
    bool byDateTaken = false;
    // Start again at the start value at each new day, and at each new destination folder.
    bool restartEachDay = false;
    bool restartEachFolder = false;

    bool isTableOrder() const { return !byDateTaken && !restartEachDay && !restartEachFolder; }
};

class NumberOrder final
{
public:
    // The place of each picture, by current title, counted from 0: the counter's start value
    // plus its place is its number. Each day (folder) counts from 0 when it starts again.
    static QHash<QString, qint64> places(const QList<NumberedPicture> &pictures, const NumberOrderOptions &options);
};

} // namespace Compose
