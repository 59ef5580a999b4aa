#pragma once

#include "dictionary/contextdicrec.h"

#include <QList>
#include <QSet>
#include <QString>

namespace Dictionary {

// A context table in memory: record i is record i of its file. The keys are also kept in a set,
// so that the check for a key already present does not walk the whole table for every text of
// a build.
class ContextTable final
{
public:
    const QList<ContextDicRec> &records() const { return m_records; }
    qsizetype size() const { return m_records.size(); }

    void assign(QList<ContextDicRec> records);
    void append(const ContextDicRec &record);
    void clear();
    // Cuts the table to count records.
    void truncate(qsizetype count);
    bool containsKey(const QString &key) const { return m_keys.contains(key); }

private:
    QList<ContextDicRec> m_records;
    QSet<QString> m_keys;
};

} // namespace Dictionary
