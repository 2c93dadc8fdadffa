#include "core/DataFault.h"

#include "core/VisibleText.h"

QString TDataPlace::ForKeyText() const {
    if (Key.isEmpty())
        return QString();
    return QStringLiteral(" for %1 (%2 [%3])").arg(Key, FileName, Section);
}

EDataFault::EDataFault(const QString& message)
    : std::runtime_error(message.toStdString()), Text(message) {}

EDataRangeError::EDataRangeError(const QString& valueText, const TDataPlace& place)
    : EDataFault(QStringLiteral("'%1' is outside the range of %2 (%3 [%4])")
                     .arg(WithVisibleControlCharacters(valueText), place.Key, place.FileName,
                          place.Section)) {}
