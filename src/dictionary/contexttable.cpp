#include "dictionary/contexttable.h"

namespace Dictionary {

void ContextTable::assign(QList<ContextDicRec> records)
{
    m_records = std::move(records);
    m_keys.clear();
    m_keys.reserve(m_records.size());
    for (const ContextDicRec &record : std::as_const(m_records))
        m_keys.insert(record.CTTitleLow);
}

void ContextTable::append(const ContextDicRec &record)
{
    m_records.append(record);
    m_keys.insert(record.CTTitleLow);
}

void ContextTable::clear()
{
    m_records.clear();
    m_keys.clear();
}

void ContextTable::truncate(qsizetype count)
{
    if (count >= m_records.size())
        return;
    QList<ContextDicRec> kept = m_records.first(count);
    assign(std::move(kept));
}

} // namespace Dictionary
