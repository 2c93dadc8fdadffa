#include "core/ConvertError.h"

#include "core/VisibleText.h"

QString EConvertError::MessageFor(const QString& valueText) {
    return QStringLiteral("'%1' is not a valid floating point value")
        .arg(WithVisibleControlCharacters(valueText));
}
