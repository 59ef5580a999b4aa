#pragma once

#include "records/record.h"

#include <array>

namespace Records {

// A record type describes its byte layout once, as a function template that names each field
// with its offset to a visitor; RecordReader fills the fields from bytes and RecordWriter
// writes them, so reading and writing cannot drift apart:
//
//     template<typename Rec, typename Visitor>
//     static void layout(Rec &rec, Visitor &v) { v.boolean(0, rec.usePrefix); v.string(1, 30, rec.prefix); }
class RecordReader final
{
public:
    explicit RecordReader(const Record &record) : m_record(record) {}

    void boolean(int offset, bool &value) const { value = m_record.boolean(offset); }
    void int32(int offset, qint32 &value) const { value = m_record.int32(offset); }
    void float64(int offset, double &value) const { value = m_record.float64(offset); }
    void string(int offset, int maxLength, QString &value) const { value = m_record.string(offset, maxLength); }

    template<size_t N>
    void booleans(int offset, std::array<bool, N> &values) const
    {
        for (size_t i = 0; i < N; ++i)
            boolean(offset + int(i), values[i]);
    }
    template<size_t N>
    void int32s(int offset, std::array<qint32, N> &values) const
    {
        for (size_t i = 0; i < N; ++i)
            int32(offset + 4 * int(i), values[i]);
    }
    template<size_t N>
    void strings(int offset, int maxLength, std::array<QString, N> &values) const
    {
        for (size_t i = 0; i < N; ++i)
            string(offset + (maxLength + 1) * int(i), maxLength, values[i]);
    }

private:
    const Record &m_record;
};

class RecordWriter final
{
public:
    explicit RecordWriter(Record &record) : m_record(record) {}

    void boolean(int offset, bool value) { m_record.setBoolean(offset, value); }
    void int32(int offset, qint32 value) { m_record.setInt32(offset, value); }
    void float64(int offset, double value) { m_record.setFloat64(offset, value); }
    void string(int offset, int maxLength, const QString &value) { m_record.setString(offset, maxLength, value); }

    template<size_t N>
    void booleans(int offset, const std::array<bool, N> &values)
    {
        for (size_t i = 0; i < N; ++i)
            boolean(offset + int(i), values[i]);
    }
    template<size_t N>
    void int32s(int offset, const std::array<qint32, N> &values)
    {
        for (size_t i = 0; i < N; ++i)
            int32(offset + 4 * int(i), values[i]);
    }
    template<size_t N>
    void strings(int offset, int maxLength, const std::array<QString, N> &values)
    {
        for (size_t i = 0; i < N; ++i)
            string(offset + (maxLength + 1) * int(i), maxLength, values[i]);
    }

private:
    Record &m_record;
};

// Encodes and decodes a record type that provides layout() and a static size.
template<typename Rec>
QByteArray encodeRecord(const Rec &rec)
{
    Record record(Rec::size);
    RecordWriter writer(record);
    Rec::layout(rec, writer);
    return record.bytes();
}

template<typename Rec>
Rec decodeRecord(const QByteArray &bytes)
{
    const Record record = Record::fromBytes(bytes, Rec::size);
    const RecordReader reader(record);
    Rec rec;
    Rec::layout(rec, reader);
    return rec;
}

} // namespace Records
