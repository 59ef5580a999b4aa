#pragma once

#include "records/fileerror.h"
#include "session/sgtitlerec.h"

#include <QList>
#include <QString>

#include <functional>

namespace Session {

// The title file MrlSGTitle2.dat: one SGTitleRec per row of the picture table, in row order.
class TitleFile final
{
public:
    explicit TitleFile(const QString &path = {});

    const QString &path() const { return m_path; }
    bool exists() const;

    Records::FileResult<void> create() const;
    Records::FileResult<qint64> count() const;
    // Every record. A damaged file (its size not a whole number of records) yields its whole
    // records with damaged set.
    struct Contents
    {
        QList<SGTitleRec> records;
        bool damaged = false;
    };
    Records::FileResult<Contents> readAll() const;
    // Replaces the whole file; the old file survives any failure.
    Records::FileResult<void> rewrite(const QList<SGTitleRec> &records) const;
    // The same with count records that recordAt composes one by one, in order, so that the
    // records of a large folder never need to be in memory all at once.
    Records::FileResult<void> rewrite(qint64 count, const std::function<SGTitleRec(qint64 index)> &recordAt) const;
    // Writes one record in place.
    Records::FileResult<void> write(qint64 index, const SGTitleRec &record) const;

private:
    QString m_path;
};

} // namespace Session
