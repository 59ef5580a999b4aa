#include "storage/foldername.h"

#include "storage/subjectpath.h"
#include "storage/subjecttext.h"

#include "l10n/text.h"
#include "records/textcodec.h"
#include "records/titletext.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

constexpr int maxNameBytes = 255;

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

QString yearText(const QDate &date)
{
    return QString::number(date.year()).rightJustified(4, u'0');
}

QString dateText(const QDate &date)
{
    return yearText(date) + u'-' + twoDigits(date.month()) + u'-' + twoDigits(date.day());
}

} // namespace

QString folderDayName(const QDate &date, bool abbreviate, const QLocale &locale)
{
    const QString name = locale.dayName(date.dayOfWeek(), abbreviate ? QLocale::ShortFormat : QLocale::LongFormat);
    if (name.isEmpty())
        return name;
    return locale.toUpper(name.left(1)) + name.mid(1);
}

QString dateTakenFolderName(const FolderNameRequest &request, const QLocale &locale)
{
    QStringList parts{dateText(request.date1)};
    if (request.isRange)
        parts << dateText(request.date2);
    if (request.addNameOfDay) {
        parts << folderDayName(request.date1, request.abbreviate, locale);
        if (request.isRange)
            parts << folderDayName(request.date2, request.abbreviate, locale);
    }
    const QString description = Records::cleanTitleText(request.description).trimmed();
    if (!description.isEmpty())
        parts << description;
    return Records::TextCodec::fitted(parts.join(u' '), maxNameBytes).trimmed();
}

std::optional<QString> CreateFolderName(const FolderNameRequest &request, const QLocale &locale)
{
    if (request.scheme.isEmpty())
        return std::nullopt;
    QString path = mainFolderBase(request.mainFolder);
    for (const QChar letter : request.scheme) {
        switch (letter.unicode()) {
        case u'S':
            for (const QString &level : SubjectText::folderLevels(request.subject))
                path += u'/' + level;
            break;
        case u'Y':
            path += u'/' + yearText(request.date1);
            break;
        case u'M':
            path += u'/' + yearText(request.date1) + u'-' + twoDigits(request.date1.month());
            break;
        case u'D':
            path += u'/' + dateTakenFolderName(request, locale);
            break;
        default:
            break;
        }
    }
    return path;
}

QString emptySchemeMessage()
{
    return L10n::text(1188, "Illegal call of CreateFolderName, scheme is empty");
}

} // namespace Storage
