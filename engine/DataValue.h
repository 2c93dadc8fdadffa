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

// The value of key `Where.Key` among a section's entries. Throws EConvertError when it is
// missing or not a number and EDataRangeError when it lies outside `Range`; both name the key,
// the file and the section of `Where`.
double ReadDataValue(const QList<TProfileEntry>& Entries, const TDataPlace& Where,
                     TValueRange Range);
