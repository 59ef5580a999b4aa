#include "l10n/errortext.h"

#include "l10n/text.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace L10n {

QString describe(const Records::FileError &error)
{
    using Code = Records::FileError::Code;
    const QString path = QDir::toNativeSeparators(error.path);
    QString sentence;
    switch (error.code) {
    case Code::NotFound:
        sentence = path + text(1104, " does not exist");
        break;
    case Code::OpenFailed:
        sentence = text(1105, "Cannot open ") + path;
        break;
    case Code::ReadFailed:
        sentence = text(1106, "Error reading ") + path;
        break;
    case Code::WriteFailed:
        sentence = text(908, "Error writing to ") + path;
        break;
    case Code::CreateFailed:
        sentence = path + text(1107, " could not be created");
        break;
    case Code::RemoveFailed:
        sentence = path + text(1108, " could not be removed");
        break;
    case Code::ReadOnly:
        sentence = path + text(1109, " is set to read-only");
        break;
    case Code::Damaged:
        sentence = path + text(1110, " is damaged: its size is not a whole number of records");
        break;
    case Code::SymbolicLink:
        sentence = path + text(1111, " is a symbolic link, the program does not write through it");
        break;
    }
    if (!error.systemMessage.isEmpty())
        sentence += u" ("_s + error.systemMessage + u')';
    return sentence;
}

QString describe(const Records::DamagedFile &damaged)
{
    return text(1112, "%1 was damaged: its size was not a whole number of records. Its first %2 whole record(s) "
                "were kept; the damaged file was saved as %3")
        .arg(QDir::toNativeSeparators(damaged.path), QString::number(damaged.recordsKept),
             QDir::toNativeSeparators(damaged.keptAs));
}

} // namespace L10n
