#pragma once

#include <QByteArray>
#include <QString>

namespace Records {

// One fixed-size record of a work file, with typed access to its fields by byte offset.
// Short strings are a length byte followed by a field of maxLength bytes holding the text in
// UTF-8 (TextCodec), the rest of the field zero; integers are 4-byte little-endian; booleans one
// byte (read: non-zero is true, written as 1); date-times 8-byte IEEE doubles. Bytes no field
// writes stay zero.
class Record final
{
public:
    explicit Record(int size);
    // Takes the bytes of a stored record; shorter input is padded with zeros.
    static Record fromBytes(const QByteArray &bytes, int size);

    int size() const { return int(m_bytes.size()); }
    const QByteArray &bytes() const { return m_bytes; }

    // A stored length beyond maxLength is damaged: the text is then the field's bytes up to its
    // first zero byte, so a damaged record never reads past its field nor reads padding as text.
    QString string(int offset, int maxLength) const;
    // Cuts text whose UTF-8 is longer than maxLength bytes after its last whole character.
    void setString(int offset, int maxLength, const QString &text);

    qint32 int32(int offset) const;
    void setInt32(int offset, qint32 value);

    bool boolean(int offset) const;
    void setBoolean(int offset, bool value);

    double float64(int offset) const;
    void setFloat64(int offset, double value);

    quint8 byte(int offset) const;
    void setByte(int offset, quint8 value);

    bool operator==(const Record &) const = default;

private:
    QByteArray m_bytes;
};

} // namespace Records
