#pragma once

#include "core/CoolerTypes.h"
#include "tools/datasheets/SheetModels.h"

#include <QList>
#include <QString>

// Writes the ordering key of a series to a one-page A4 PDF: an example model name with each
// character group explained, and the list of the series' models with their catalogue section,
// drawing and main data. False when the file cannot be written.
bool WriteKeySheet(const QString& FileName, TCoolerType Series, const QList<TSheetModel>& Models,
                   const QStringList& DrawingNames);
