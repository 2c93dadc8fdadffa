#pragma once

#include "core/CoolerTypes.h"
#include "tools/datasheets/SheetModels.h"

#include <QList>
#include <QString>

// Writes the dimensioned drawing of one cooler to a one-page A4 PDF: front and side views with
// fan, core and feet, overall dimensions, the oil connections and foot holes, and a title block
// with the data of every model the drawing serves (the speeds of a hydraulic-motor size share
// one). False when the file cannot be written.
bool WriteDrawingSheet(const QString& FileName, TCoolerType Series,
                       const QList<TSheetModel>& Models);
