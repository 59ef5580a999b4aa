#pragma once

#include "retitle/errortable.h"

#include <QList>
#include <QString>

namespace Session {
struct PictureRow;
}

namespace Retitle {

struct TestPassResult;

struct ReportLine
{
    enum class Colour { Black, Red, Blue, Green };
    enum class Style { Normal, Bold, Italic };

    QString text;
    Colour colour = Colour::Black;
    Style style = Style::Normal;
    // A title line: indented a little, its text after the first TAB lined up in a column.
    bool isTitle = false;

    bool operator==(const ReportLine &) const = default;
};

// A picture whose date taken its camera's clock offset moved.
struct ClockCorrection
{
    QString currentTitle;
    // As the camera wrote it, "yyyy-mm-dd hh:mm:ss".
    QString taken;
    qint64 offset = 0;

    bool operator==(const ClockCorrection &) const = default;
};

struct ReportOptions
{
    // "Use Picture Storage Management" is on.
    bool storageActive = false;
    // Storage management is set up and its main folder exists.
    bool storageAvailable = false;
    // The pictures to rename whose date taken was corrected, in picture-table order.
    QList<ClockCorrection> clockCorrections;
};

// The preview report of a test pass, line by line: which checks were widened, which files follow
// the pictures, the folders to be created, the corrected dates taken, the counts, the pictures to
// be deleted and every new title grouped by error or warning and destination.
QList<ReportLine> writeReport(const TestPassResult &pass, const QList<Session::PictureRow> &rows,
                              const ErrorTable &errors, const ReportOptions &options);

// A rule line: 192 macrons.
QString reportRule();

} // namespace Retitle
