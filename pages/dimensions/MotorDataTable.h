#pragma once

#include "core/Editions.h"
#include "engine/MotorVariants.h"

#include <QDate>
#include <QList>
#include <QString>

// What the hydraulic-motor data window shows and prints: its caption and its grid, two
// heading rows (titles, then the units of the edition) and one row per motor variant.
inline const QString MotorDataCaption = QStringLiteral("VHM Motor Data");
constexpr int MotorDataHeadingRows = 2;

// The grid of `Variants`: each value with its decimal signs made regional; the model name
// only on the first row of each run of variants of one model.
QList<TMotorDataCells> MotorDataGridRows(const QList<TMotorDataCells>& Variants, bool USEdition);

// What the window shows: the grid, and what is wrong with the data file when something is
// (TMotorVariants::Fault), which the window and the command-line tool tell beside the grid.
struct TMotorDataGrid {
    QList<TMotorDataCells> Rows;
    QString Fault;
};

// The grid of the data file installed in the catalogue folder `IniFilePath` (ending in a
// directory separator), in `Edition`.
TMotorDataGrid InstalledMotorDataGrid(const QString& IniFilePath, TEdition Edition);

// The line printed under the title: the program's version and the day, in the regional short
// date format.
QString MotorDataVersionLine(const QString& Version, const QDate& Today);
