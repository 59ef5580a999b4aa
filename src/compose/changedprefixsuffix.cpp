#include "compose/changedprefixsuffix.h"

#include "l10n/text.h"
#include "platform/dialogs.h"
#include "session/picturesession.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

namespace {

QString &textOf(Session::PictureRow &row, PicTextKind kind)
{
    return kind == PicTextKind::Prefix ? row.prefix : row.suffix;
}

const QString &textOf(const Session::PictureRow &row, PicTextKind kind)
{
    return kind == PicTextKind::Prefix ? row.prefix : row.suffix;
}

// Fills the placeholders q1, q2 and q3 in one pass, so that a value that itself reads "q2" is
// taken as it stands.
QString fillPlaceholders(const QString &pattern, const QString &q1, const QString &q2, const QString &q3)
{
    QString result;
    result.reserve(pattern.size() + q1.size() + q2.size() + q3.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == u'q' && i + 1 < pattern.size()) {
            const QChar digit = pattern.at(i + 1);
            if (digit == u'1' || digit == u'2' || digit == u'3') {
                result += digit == u'1' ? q1 : digit == u'2' ? q2 : q3;
                ++i;
                continue;
            }
        }
        result += pattern.at(i);
    }
    return result;
}

} // namespace

QString changedPrefixSuffixQuestion(PicTextKind kind, int count, const QString &oldText, const QString &PS)
{
    const bool prefix = kind == PicTextKind::Prefix;
    const QString from = !oldText.isEmpty() ? u'\'' + oldText + u'\''
                         : prefix           ? text(877, "empty prefix(es)")
                                            : text(878, "empty suffix(es)");
    const QString into = !PS.isEmpty() ? u'\'' + PS + u'\''
                         : prefix      ? text(879, "an empty prefix")
                                       : text(880, "an empty suffix");
    return fillPlaceholders(text(868, "Change other following q1 occurrence(s) of q2 into q3?"),
                            QString::number(count), from, into);
}

int UpdateChangedPrefixSuffix(Session::PictureSession &pictures, Platform::Dialogs &dialogs, PicTextKind kind,
                              int i_row, const QString &PS)
{
    if (i_row < 0 || i_row >= pictures.rowCount())
        return 0;
    const QString old = textOf(pictures.row(i_row), kind);
    if (old == PS)
        return 0;
    QList<int> following;
    for (int r = i_row + 1; r < pictures.rowCount(); ++r) {
        const Session::PictureRow &row = pictures.row(r);
        if (row.isSelected() && !row.freeText.isEmpty() && textOf(row, kind) == old)
            following.append(r);
    }
    if (following.isEmpty())
        return 0;
    Platform::Question question;
    question.caption = L10n::title();
    question.lines = {changedPrefixSuffixQuestion(kind, int(following.size()), old, PS)};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    if (dialogs.ask(question).button != 0)
        return 0;
    int changed = 0;
    for (const int r : std::as_const(following)) {
        textOf(pictures.rowForChange(r), kind) = PS;
        ++changed;
        if (!pictures.UpdateFSGTitleRec(r, false, false))
            break;
    }
    return changed;
}

} // namespace Compose
