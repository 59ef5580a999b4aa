#include "retitle/journal.h"

#include "retitle/retitlelog.h"

#include "records/nofollow.h"

#include <QFile>

#include <algorithm>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace Retitle {

namespace {

constexpr QByteArrayView magic = "MRLJOURNAL";
// No record is longer: two escaped paths of the system's longest and a few numbers.
constexpr qint64 longestLine = 64 * 1024;

// The next line of file without its line end; false at the end of the file. A line longer than
// longestLine is passed over whole. *ended: the line had its line end (a last line without it
// is a write the run did not finish).
bool nextLine(QFile &file, QByteArray *line, bool *ended)
{
    for (;;) {
        if (file.atEnd())
            return false;
        *line = file.readLine(longestLine + 2);
        if (line->endsWith('\n')) {
            line->chop(1);
            *ended = true;
            return true;
        }
        if (line->size() <= longestLine) {
            *ended = false;
            return !line->isEmpty() || !file.atEnd();
        }
        bool rest = false;
        while (!rest && !file.atEnd())
            rest = file.readLine(longestLine + 2).endsWith('\n');
    }
}

Records::FileResult<void> openJournal(QFile &file, const QString &path)
{
    using Records::FileError;
    if (auto opened = Records::openWithoutFollowing(file, path, QIODevice::ReadOnly); !opened)
        return Records::fail(FileError{FileError::Code::NotFound, path, -1, opened.error().systemMessage});
    return {};
}

QString escapedField(const QString &field)
{
    QString result;
    result.reserve(field.size());
    for (const QChar character : field) {
        const char16_t code = character.unicode();
        if (code < 0x20 || code == 0x7f || code == u'\\')
            result += u"\\x"_s + QString::number(code, 16).toUpper().rightJustified(2, u'0');
        else
            result += character;
    }
    return result;
}

QString unescapedField(const QString &field)
{
    if (!field.contains(u'\\'))
        return field;
    QString result;
    result.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == u'\\' && i + 3 < field.size() && field.at(i + 1) == u'x') {
            bool ok = false;
            const int code = field.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                result += QChar(char16_t(code));
                i += 3;
                continue;
            }
        }
        result += field.at(i);
    }
    return result;
}

std::optional<JournalStep::Kind> kindOf(const QString &name)
{
    using K = JournalStep::Kind;
    for (const K kind : {K::Move, K::Trash, K::Restore, K::MakeFolder, K::RemoveFolder}) {
        if (JournalFormat::kindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

JournalStep::Role roleOf(const QString &name)
{
    using R = JournalStep::Role;
    for (const R role : {R::Picture, R::Companion, R::Thumbnail}) {
        if (JournalFormat::roleName(role) == name)
            return role;
    }
    return R::Folder;
}

// The records that tell a run apart: what kind of run, when, for which folder, undoing what.
// False for any other record.
bool readHead(const QStringList &f, Journal *journal)
{
    const QString &tag = f.first();
    if (tag == u"run"_s && f.size() >= 4) {
        journal->kind = f.at(1) == u"undo"_s ? Journal::Kind::Undo : Journal::Kind::Retitle;
        journal->start = QDateTime::fromString(f.at(2), u"yyyy-MM-ddTHH:mm:ss.zzz"_s);
        journal->pictureFolder = f.at(3);
        return true;
    }
    if (tag == u"undoes"_s && f.size() >= 2) {
        journal->undoes = f.at(1);
        return true;
    }
    if (tag == u"storage"_s && f.size() >= 2) {
        journal->storageFolder = f.at(1);
        return true;
    }
    return false;
}

} // namespace

namespace JournalFormat {

QByteArray header()
{
    return magic.toByteArray() + '\t' + QByteArray::number(version) + '\n';
}

QByteArray line(const QStringList &fields)
{
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += u'\t';
        text += escapedField(fields.at(i));
    }
    return text.toUtf8() + '\n';
}

QStringList fields(QByteArrayView line)
{
    QStringList result = QString::fromUtf8(line).split(u'\t');
    for (QString &field : result)
        field = unescapedField(field);
    return result;
}

QString kindName(JournalStep::Kind kind)
{
    switch (kind) {
    case JournalStep::Kind::Move:
        return u"move"_s;
    case JournalStep::Kind::Trash:
        return u"trash"_s;
    case JournalStep::Kind::Restore:
        return u"restore"_s;
    case JournalStep::Kind::MakeFolder:
        return u"mkdir"_s;
    case JournalStep::Kind::RemoveFolder:
        return u"rmdir"_s;
    }
    return {};
}

QString roleName(JournalStep::Role role)
{
    switch (role) {
    case JournalStep::Role::Picture:
        return u"p"_s;
    case JournalStep::Role::Companion:
        return u"c"_s;
    case JournalStep::Role::Thumbnail:
        return u"t"_s;
    case JournalStep::Role::Folder:
        break;
    }
    return u"f"_s;
}

QString time(const QDateTime &moment)
{
    return moment.toString(u"yyyy-MM-ddTHH:mm:ss.zzz"_s);
}

QString folderSuffix(const QString &pictureFolder)
{
    // The log's name without its time stamp "yyyyMMddHHmmss" and extension ".txt".
    const QString logName = RetitleLog::fileName(QDateTime(), pictureFolder);
    const qsizetype underscore = logName.indexOf(u'_');
    return logName.mid(underscore, logName.size() - underscore - 4) + u".journal"_s;
}

QString fileName(const QDateTime &start, const QString &pictureFolder)
{
    // Subtracted from all nines, so that names sorted by their bytes put the newest first.
    const qint64 stamp = start.toString(u"yyyyMMddHHmmsszzz"_s).toLongLong();
    const QString inverted = QString::number(99999999999999999LL - stamp).rightJustified(17, u'0');
    return inverted + folderSuffix(pictureFolder);
}

} // namespace JournalFormat

bool fileStamp(const QString &path, qint64 *size, qint64 *modified)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    *size = qint64(info.st_size);
    *modified = qint64(info.st_mtim.tv_sec) * 1000000000 + qint64(info.st_mtim.tv_nsec);
    return true;
}

int Journal::doneCount() const
{
    int count = 0;
    for (const JournalStep &step : steps)
        count += step.state == JournalStep::State::Done ? 1 : 0;
    return count;
}

Records::FileResult<Journal> Journal::read(const QString &path)
{
    using Records::FileError;
    QFile file;
    if (auto opened = openJournal(file, path); !opened)
        return Records::fail(opened.error());
    QByteArray line;
    bool ended = false;
    if (!nextLine(file, &line, &ended) || !ended || !line.startsWith(QByteArray(magic.toByteArray() + '\t'))
        || line.mid(magic.size() + 1).toInt() != JournalFormat::version)
        return Records::fail(FileError{FileError::Code::Damaged, path, 0, {}});

    Journal journal;
    journal.path = path;
    // A last line without its line end is a write the run did not finish.
    while (nextLine(file, &line, &ended) && ended) {
        const QStringList f = JournalFormat::fields(line);
        const QString &tag = f.first();
        const auto number = [&f](qsizetype index) { return index < f.size() ? f.at(index).toLongLong() : -1; };
        const auto stepAt = [&journal](qint64 index) -> JournalStep * {
            return index >= 0 && index < journal.steps.size() ? &journal.steps[index] : nullptr;
        };
        if (readHead(f, &journal))
            continue;
        if (tag == u"total"_s && f.size() >= 2) {
            journal.totalBefore = number(1);
        } else if (tag == u"counter"_s && f.size() >= 2) {
            journal.counterBefore = f.at(1);
        } else if (tag == u"row"_s && f.size() >= 8) {
            journal.rows.append({f.at(1), f.at(2), f.at(3), f.at(4), f.at(5), f.at(6), f.at(7) == u"1"_s});
        } else if (tag == u"step"_s && f.size() >= 8) {
            const auto kind = kindOf(f.at(1));
            if (!kind)
                continue;
            JournalStep step;
            step.kind = *kind;
            step.group = int(number(2));
            step.role = roleOf(f.at(3));
            step.from = f.at(4);
            step.to = f.at(5);
            step.size = number(6);
            step.modified = number(7);
            journal.steps.append(step);
        } else if (tag == u"part"_s && f.size() >= 3) {
            journal.temporaries.append(f.at(2));
        } else if (tag == u"planned"_s) {
            journal.planned = true;
        } else if (tag == u"done"_s || tag == u"failed"_s || tag == u"back"_s) {
            if (JournalStep *step = stepAt(number(1))) {
                step->state = tag == u"done"_s     ? JournalStep::State::Done
                              : tag == u"failed"_s ? JournalStep::State::Failed
                                                   : JournalStep::State::RolledBack;
            }
        } else if (tag == u"end"_s) {
            journal.finished = true;
            journal.recovered = f.size() >= 4 && f.at(3) == u"recovered"_s;
            if (f.size() >= 2 && !f.at(1).isEmpty())
                journal.totalAfter = number(1);
            if (f.size() >= 3 && !f.at(2).isEmpty())
                journal.counterAfter = f.at(2);
        }
    }
    return journal;
}

Records::FileResult<Journal> Journal::readSummary(const QString &path)
{
    using Records::FileError;
    constexpr qint64 headBytes = 8192;
    constexpr qint64 tailBytes = 4096;
    QFile file;
    if (auto opened = openJournal(file, path); !opened)
        return Records::fail(opened.error());
    const QList<QByteArray> lines = file.read(headBytes).split('\n');
    if (lines.isEmpty() || !lines.first().startsWith(QByteArray(magic.toByteArray() + '\t'))
        || lines.first().mid(magic.size() + 1).toInt() != JournalFormat::version)
        return Records::fail(FileError{FileError::Code::Damaged, path, 0, {}});
    Journal journal;
    journal.path = path;
    // The run and the run it undoes come first, before the first row or step.
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QStringList f = JournalFormat::fields(lines.at(i));
        const QString &tag = f.first();
        if (!readHead(f, &journal) && (tag == u"row"_s || tag == u"step"_s || tag == u"planned"_s))
            break;
    }
    // A run that ended wrote its end record last, with its line end.
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - tailBytes)))
        return Records::fail(FileError{FileError::Code::ReadFailed, path, -1, file.errorString()});
    QByteArray tail = file.read(tailBytes);
    if (tail.endsWith('\n')) {
        tail.chop(1);
        const QByteArray last = tail.mid(tail.lastIndexOf('\n') + 1);
        journal.finished = last == "end" || last.startsWith("end\t");
        journal.recovered = journal.finished && last.split('\t').value(3) == "recovered";
    }
    return journal;
}

} // namespace Retitle
