#pragma once

#include "core/DataFault.h"

#include <QString>

// A data-file value that is missing or not a number. The message names the text that failed
// and, when the reader knows it, the key, file and section it came from.
class EConvertError : public EDataFault {
public:
    explicit EConvertError(const QString& valueText, const TDataPlace& place = {})
        : EDataFault(MessageFor(valueText) + place.ForKeyText()), Value(valueText) {}

    const QString& ValueText() const { return Value; }

private:
    // "'text' is not a valid floating point value", the text's control characters escaped.
    static QString MessageFor(const QString& valueText);

    QString Value;
};
