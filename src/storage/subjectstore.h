#pragma once

#include "storage/subjectsrec.h"

#include "records/fileerror.h"
#include "session/picturerow.h"
#include "session/subjectsource.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace Platform {
class Dialogs;
}

namespace Storage {

// The subjects of Subjects.dat: the table holds every record of the file, removed ones included,
// indexed by record number; the sorted order holds the record numbers sorted by their stored
// lower-case bytes. Every change is written to the file at once, one record at a time, and a
// failed write leaves the table as it was. Among the active records no two have the same
// lower-case text; the callers that add and edit see to that through IndexOfSubj.
class SubjectStore final : public QObject, public Session::SubjectSource
{
    Q_OBJECT

public:
    SubjectStore(const QString &path, Platform::Dialogs &dialogs, QObject *parent = nullptr);
    ~SubjectStore() override;

    const QString &path() const { return m_path; }

    // Reads the file into the table and sorts it, or creates the file empty when there is none.
    // A file damaged to a size that is not a whole number of records goes on with its whole
    // records, which keep their numbers; its bytes are kept beside it first and the user is told
    // in a box. Failures are returned, not shown: at start-up they end the program.
    Records::FileResult<void> InitFSubjects();

    // Writes subject (cut to the record's field) as an active record. With recordNumber < 0 it
    // is appended and the new record number returned; otherwise record recordNumber is
    // overwritten, which re-activates a removed subject, the table is read again from the file
    // and recordNumber returned.
    Records::FileResult<int> AddOrActivateSubject(const QString &subject, int recordNumber);
    // Marks the record removed.
    Records::FileResult<void> DelSubject(int recordNumber);
    // Replaces the record's subject; a removed record stays removed.
    Records::FileResult<void> EditSubject(int recordNumber, const QString &subject);

    // The position in the sorted order of the active record whose lower-case text is that of
    // subject, or -1; sortedOrder().at(position) is its record number.
    int IndexOfSubj(const QString &subject) const;
    // The index of the first entry of subjectList() that is exactly subject, or -1.
    int IndexOfCBSubject(const QString &subject) const;
    // Whether any picture row refers to the record.
    static bool SubjectInUse(const QList<Session::PictureRow> &rows, int recordNumber);

    // The entries of the subject lists: an empty one, meaning no subject, while subjects are
    // optional, then the active subjects in sorted order.
    QStringList subjectList() const;
    bool subjectOptional() const { return m_subjectOptional; }
    void setSubjectOptional(bool optional);

    const QList<SubjectsRec> &table() const { return m_table; }
    // Record numbers of all records, removed ones included, sorted by their lower-case bytes;
    // equal keys keep their file order.
    const QList<int> &sortedOrder() const { return m_sorted; }

    // SubjectSource, for a resumed session's subject indexes.
    int count() const override { return int(m_table.size()); }
    QString subject(int index) const override;
    bool isRemoved(int index) const override;
    int activeIndexOf(const QString &lowerCaseSubject) const override;
    // Re-activates a removed record; a failure is told to the user and leaves it removed.
    void reactivate(int index) override;

Q_SIGNALS:
    // The subject lists are to be filled again from subjectList().
    void subjectsChanged();

private:
    Records::FileResult<void> ReadSubjIntoTable();
    void SortPointerSubj();
    Records::FileResult<SubjectsRec> writeRecord(int recordNumber, const SubjectsRec &record);
    // Reads record recordNumber from the file, writes change(record) back and updates the table.
    Records::FileResult<void> changeRecord(int recordNumber,
                                           const std::function<SubjectsRec(const SubjectsRec &)> &change);

    QString m_path;
    Platform::Dialogs &m_dialogs;
    QList<SubjectsRec> m_table;
    QList<int> m_sorted;
    bool m_subjectOptional = false;
};

} // namespace Storage
