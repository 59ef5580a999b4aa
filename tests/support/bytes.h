#pragma once

#include <QByteArray>
#include <QtEndian>

// Reading fields out of raw record bytes by hand, for comparing layouts with their offsets.
inline qint32 int32At(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

inline QByteArray shortStringAt(const QByteArray &bytes, int offset)
{
    return bytes.mid(offset + 1, quint8(bytes.at(offset)));
}

inline double float64At(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<double>(bytes.constData() + offset);
}
