#pragma once

#include "core/CoolerTypes.h"
#include "engine/CatalogueRecord.h"

#include <QList>
#include <QString>

// A model as its data sheets show it: the name the user picks, its catalogue section and its
// 18 catalogue values.
struct TSheetModel {
    QString Name;
    QString Section;
    TTableValue Values{};
};

// The models of one series, smallest first, read from the catalogue in `IniFilePath`. Throws
// EConvertError when the catalogue lacks a value.
QList<TSheetModel> ReadSeriesModels(TCoolerType Series, const QString& IniFilePath);

// The series' short name ("KVAM") as its model names begin.
QString SeriesName(TCoolerType Series);
