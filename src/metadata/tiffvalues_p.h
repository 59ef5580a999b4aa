#pragma once

#include "metadata/exifdata.h"

#include <QByteArrayView>
#include <QString>

namespace Metadata::TiffValues {

struct Rational
{
    qint64 numerator = 0;
    qint64 denominator = 0;
};

// Values the entry's data holds: its count, or fewer when only the start of a long value was
// read. 0 for a type of unknown size.
qsizetype valueCount(const ExifEntry &entry);

// Value index (< valueCount) of an integer type (BYTE, SHORT, LONG, SBYTE, SSHORT, SLONG, IFD),
// signed types sign-extended.
qint64 integerAt(const ExifEntry &entry, qsizetype index, bool bigEndian);
// Value index of a RATIONAL or SRATIONAL entry.
Rational rationalAt(const ExifEntry &entry, qsizetype index, bool bigEndian);
// Value index of a FLOAT or DOUBLE entry.
double realAt(const ExifEntry &entry, qsizetype index, bool bigEndian);

bool isIntegerType(quint16 type);
bool isRationalType(quint16 type);

// Numerator alone for denominator 1, else numerator "/" denominator; empty for denominator 0.
QString rationalText(Rational value);
// A number in C's general notation with 15 significant digits ("%.15g"), whatever the locale.
QString generalText(double value);
// An ASCII value's characters up to its first NUL: UTF-8 when its bytes are valid UTF-8, as
// cameras and tools now write them, otherwise Windows-1252.
QString asciiText(QByteArrayView data);

} // namespace Metadata::TiffValues
