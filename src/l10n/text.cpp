#include "l10n/text.h"

#include <QCoreApplication>

namespace L10n {

QByteArray messageId(int position)
{
    return "text-" + QByteArray::number(position);
}

QString text(int position, const char *english)
{
    // The active translation is installed on the application; without one the id comes back.
    const QByteArray id = messageId(position);
    const QString translated = qtTrId(id.constData());
    if (translated.isEmpty() || translated == QLatin1StringView(id))
        return QString::fromUtf8(english);
    return translated;
}

QString text(const char *english)
{
    return QString::fromUtf8(english);
}

QString standard(Standard which)
{
    switch (which) {
    case Standard::Warning: return text(950, "Warning");
    case Standard::Error: return text(951, "Error");
    case Standard::Information: return text(952, "Information");
    case Standard::Confirm: return text(953, "Confirm");
    case Standard::Yes: return text(954, "&Yes");
    case Standard::No: return text(955, "&No");
    case Standard::Ok: return text(956, "OK");
    case Standard::Cancel: return text(957, "Cancel");
    case Standard::Help: return text(958, "&Help");
    case Standard::Abort: return text(959, "&Abort");
    case Standard::Retry: return text(960, "&Retry");
    case Standard::Ignore: return text(961, "&Ignore");
    case Standard::All: return text(962, "&All");
    case Standard::NoToAll: return text(963, "N&o to All");
    case Standard::YesToAll: return text(964, "Yes to &All");
    }
    return {};
}

} // namespace L10n
