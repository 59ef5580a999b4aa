#include "storage/subjectstore.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/damagedfile.h"
#include "records/recordfile.h"
#include "records/textcodec.h"

#include <algorithm>
#include <numeric>

namespace Storage {

using L10n::text;
using Records::FileError;
using Records::FileResult;

namespace {

// A subject as its record keeps it: cut to the field, with the lower case of what was kept.
SubjectsRec storedForm(const QString &subject)
{
    const QString cut = Records::TextCodec::fitted(subject, SubjectsRec::subjectLength);
    return {cut, Records::TextCodec::fitted(cut.toLower(), SubjectsRec::subjectLength), false};
}

// The bytes the sorted order and the look-ups compare.
QByteArray keyOf(const QString &low)
{
    return Records::TextCodec::encode(low);
}

// A record number the table has no record for: the file is shorter than the table.
FileError beyondTable(const QString &path, int recordNumber)
{
    return FileError{FileError::Code::Damaged, path, qint64(recordNumber) * SubjectsRec::size, {}};
}

} // namespace

SubjectStore::SubjectStore(const QString &path, Platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_path(path), m_dialogs(dialogs)
{
}

SubjectStore::~SubjectStore() = default;

FileResult<void> SubjectStore::InitFSubjects()
{
    const Records::RecordFile file(m_path, SubjectsRec::size);
    if (!file.exists()) {
        if (auto created = file.create(); !created)
            return created;
        m_table.clear();
    } else if (auto read = ReadSubjIntoTable(); !read) {
        return read;
    }
    SortPointerSubj();
    Q_EMIT subjectsChanged();
    return {};
}

FileResult<void> SubjectStore::ReadSubjIntoTable()
{
    // Cutting the broken tail keeps every whole record at its number, so the pictures' subject
    // indexes still name the subjects they named.
    const auto cut = Records::cutDamagedTail(m_path, SubjectsRec::size);
    if (!cut)
        return Records::fail(cut.error());
    const auto records = Records::RecordFile(m_path, SubjectsRec::size).readAll();
    if (!records)
        return Records::fail(records.error());
    QList<SubjectsRec> table;
    table.reserve(records->size());
    for (const QByteArray &bytes : *records)
        table.append(SubjectsRec::fromBytes(bytes));
    m_table = table;
    // In a box: at the start a status line text would soon give way to the next one.
    if (*cut)
        m_dialogs.inform({L10n::title(), L10n::describe(**cut), Platform::Severity::Warning});
    return {};
}

void SubjectStore::SortPointerSubj()
{
    QList<QByteArray> keys;
    keys.reserve(m_table.size());
    for (const SubjectsRec &record : std::as_const(m_table))
        keys.append(keyOf(record.SJSubjectLow));
    m_sorted.resize(m_table.size());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    // QByteArray compares its bytes as unsigned values, a prefix first.
    std::stable_sort(m_sorted.begin(), m_sorted.end(), [&keys](int a, int b) { return keys.at(a) < keys.at(b); });
}

FileResult<SubjectsRec> SubjectStore::writeRecord(int recordNumber, const SubjectsRec &record)
{
    const QByteArray bytes = record.toBytes();
    if (auto written = Records::RecordFile(m_path, SubjectsRec::size).write(recordNumber, bytes); !written)
        return Records::fail(written.error());
    // The table holds what the file holds.
    return SubjectsRec::fromBytes(bytes);
}

FileResult<int> SubjectStore::AddOrActivateSubject(const QString &subject, int recordNumber)
{
    if (recordNumber > m_table.size())
        return Records::fail(beyondTable(m_path, recordNumber));
    const bool append = recordNumber < 0;
    const int number = append ? int(m_table.size()) : recordNumber;
    const auto written = writeRecord(number, storedForm(subject));
    if (!written)
        return Records::fail(written.error());
    if (append) {
        m_table.append(*written);
        SortPointerSubj();
        Q_EMIT subjectsChanged();
    } else if (auto read = InitFSubjects(); !read) {
        return Records::fail(read.error());
    }
    return number;
}

FileResult<void> SubjectStore::DelSubject(int recordNumber)
{
    return changeRecord(recordNumber, [](SubjectsRec stored) {
        stored.SJDel = true;
        return stored;
    });
}

FileResult<void> SubjectStore::EditSubject(int recordNumber, const QString &subject)
{
    return changeRecord(recordNumber, [this, &subject](const SubjectsRec &stored) {
        SubjectsRec record = storedForm(subject);
        record.SJDel = stored.SJDel;
        return record;
    });
}

FileResult<void> SubjectStore::changeRecord(int recordNumber,
                                            const std::function<SubjectsRec(const SubjectsRec &)> &change)
{
    // The record as the file holds it, so a change never takes over a stale copy of the table.
    const Records::RecordFile file(m_path, SubjectsRec::size);
    const auto bytes = file.read(recordNumber);
    if (!bytes)
        return Records::fail(bytes.error());
    if (recordNumber >= m_table.size())
        return Records::fail(beyondTable(m_path, recordNumber));
    const auto written = writeRecord(recordNumber, change(SubjectsRec::fromBytes(*bytes)));
    if (!written)
        return Records::fail(written.error());
    m_table[recordNumber] = *written;
    SortPointerSubj();
    Q_EMIT subjectsChanged();
    return {};
}

int SubjectStore::IndexOfSubj(const QString &subject) const
{
    const QByteArray key = keyOf(storedForm(subject).SJSubjectLow);
    for (int position = 0; position < m_sorted.size(); ++position) {
        const SubjectsRec &record = m_table.at(m_sorted.at(position));
        if (!record.SJDel && keyOf(record.SJSubjectLow) == key)
            return position;
    }
    return -1;
}

int SubjectStore::IndexOfCBSubject(const QString &subject) const
{
    return int(subjectList().indexOf(subject));
}

bool SubjectStore::SubjectInUse(const QList<Session::PictureRow> &rows, int recordNumber)
{
    return std::any_of(rows.begin(), rows.end(),
                       [recordNumber](const Session::PictureRow &row) { return row.subjectIndex == recordNumber; });
}

QStringList SubjectStore::subjectList() const
{
    QStringList list;
    if (m_subjectOptional)
        list.append(QString());
    for (const int number : m_sorted) {
        if (!m_table.at(number).SJDel)
            list.append(m_table.at(number).SJSubject);
    }
    return list;
}

void SubjectStore::setSubjectOptional(bool optional)
{
    if (optional == m_subjectOptional)
        return;
    m_subjectOptional = optional;
    Q_EMIT subjectsChanged();
}

QString SubjectStore::subject(int index) const
{
    return index >= 0 && index < m_table.size() ? m_table.at(index).SJSubject : QString();
}

bool SubjectStore::isRemoved(int index) const
{
    return index >= 0 && index < m_table.size() && m_table.at(index).SJDel;
}

int SubjectStore::activeIndexOf(const QString &lowerCaseSubject) const
{
    const QByteArray key = keyOf(Records::TextCodec::fitted(lowerCaseSubject, SubjectsRec::subjectLength));
    for (const int number : m_sorted) {
        const SubjectsRec &record = m_table.at(number);
        if (!record.SJDel && keyOf(record.SJSubjectLow) == key)
            return number;
    }
    return -1;
}

void SubjectStore::reactivate(int index)
{
    if (!isRemoved(index))
        return;
    if (const auto added = AddOrActivateSubject(subject(index), index); !added)
        m_dialogs.inform({L10n::title(),
                          text(550, "Subject could not be added!") + u'\n' + L10n::describe(added.error()),
                          Platform::Severity::Error});
}

} // namespace Storage
