#pragma once

#include "core/DataFault.h"
#include "core/ProfileFile.h"

#include <QList>
#include <QString>

// The range, both ends included, within which a data-file value can describe a real cooler or
// oil. A value outside it is a damaged or mistyped file, never something to calculate with.
struct TValueRange {
    double Min;
    double Max;
};

// The range of a key from the smallest and the largest value the shipped data files hold for
// it: from a fifth of the smallest to five times the largest. A cooler or oil well beyond the
// shipped ones still reads; a slip of an order of magnitude or two does not. Both values must be
// above zero.
constexpr TValueRange ShippedRangeWidened(double ShippedMin, double ShippedMax) {
    return {ShippedMin * 0.2, ShippedMax * 5};
}

// The range of a polynomial coefficient whose shipped values all lie on one side of zero: from
// zero, which leaves its term out of the curve, to five times the shipped value farthest from
// zero, on that side. A slip of sign or of an order of magnitude or two does not read; whether
// the coefficients together give a real curve is judged on the whole record.
constexpr TValueRange ShippedCoefficientRange(double ShippedMin, double ShippedMax) {
    return ShippedMin >= 0 ? TValueRange{0, ShippedMax * 5} : TValueRange{ShippedMin * 5, 0};
}

// The value of key `Where.Key` among a section's entries. Throws EConvertError when it is
// missing or not a number and EDataRangeError when it lies outside `Range`; both name the key,
// the file and the section of `Where`.
double ReadDataValue(const QList<TProfileEntry>& Entries, const TDataPlace& Where,
                     TValueRange Range);
