#include "l10n/text.h"

#include <QCoreApplication>

namespace L10n {

namespace {
constexpr char context[] = "Mirelto";
// The standard captions sit after the last text position (903) of a translated block.
constexpr int standardBase = 950;
} // namespace

QString text(int position, const char *english)
{
    const QByteArray disambiguation = QByteArray::number(position);
    return QCoreApplication::translate(context, english, disambiguation.constData());
}

QString text(const char *english)
{
    return QString::fromUtf8(english);
}

QString standard(Standard which)
{
    static const char *const english[] = {
        "Warning", "Error", "Information", "Confirm", "&Yes", "&No", "OK", "Cancel", "&Help", "&Abort",
        "&Retry", "&Ignore", "&All", "N&o to All", "Yes to &All",
    };
    const int index = int(which);
    return QCoreApplication::translate("MessageBox", english[index], QByteArray::number(standardBase + index).constData());
}

} // namespace L10n
