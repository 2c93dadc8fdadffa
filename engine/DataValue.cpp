#include "engine/DataValue.h"

#include "core/ConvertError.h"
#include "units/NumericText.h"

double ReadDataValue(const QList<TProfileEntry>& Entries, const TDataPlace& Where,
                     TValueRange Range) {
    const QString text = TProfileFile::ValueOf(Entries, Where.Key);
    double value = 0;
    try {
        value = DataValueToFloat(text);
    } catch (const EConvertError& error) {
        throw EConvertError(error.ValueText(), Where);
    }
    if (!(value >= Range.Min && value <= Range.Max))
        throw EDataRangeError(text.left(255), Where);
    return value;
}
