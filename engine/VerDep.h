#pragma once

#include "core/CoolerTypes.h"

#include <QString>

// Derives catalogue file names, catalogue section names and data-sheet file names from series
// and model names. Holds no data.
class TVerDep {
public:
    QString ChangeToCoolerIniFilename(TCoolerType CoolerType) const;
    // Hydraulic-motor models share a section per size and speed: their internal names carry
    // more after the last digit, which is dropped. `Series` is the series the model is listed
    // in.
    QString ChangeToSectionName(const QString& InName, TCoolerType Series) const;
    QString ChangeToValidFilename(const QString& Filename) const;
    QString RemoveCharsAfterLastDigit(const QString& InString) const;
    QString RemoveCharsAfterLastUnderscore(const QString& InString) const;
    QString ChangeToImageFileName(const QString& CoolerName, const QString& ExtensionStr,
                                  TCoolerType CoolerType) const;
};
