#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The item texts of the unit lists, each in the order of its unit ordinals (units/Units.h).
// Every page and the command-line tool take their unit labels from here.
const QStringList& TempUnitLabels();
const QStringList& FlowUnitLabels();
// The heat units as the selection page lists them ("kcal/hr", "Btu/hr") ...
const QStringList& HeatDissiUnitLabels();
// ... and as the heat-load page's result list spells them ("kcal/h", "BTU/h").
const QStringList& HeatLoadUnitLabels();
const QStringList& HeatCapacityUnitLabels();
const QStringList& LengthUnitLabels();
const QStringList& VolumeUnitLabels();
const QStringList& DensityUnitLabels();
const QStringList& WeightUnitLabels();
// The heat-load page takes its time in minutes only.
const QStringList& TimeUnitLabels();

// Unit texts of the result formatters, by unit ordinal; these are not list items.
extern const std::array<QString, 5> HeatDissiUnitStr;
extern const std::array<QString, 3> PressureUnitStr;

// The unit text of a temperature difference in the temperature unit `TempUnitIndex`: "K" beside
// °C, "°F" beside °F.
QString TemperatureDifferenceUnitStr(int TempUnitIndex);

// The unit text of a specific heat dissipation that goes with the heat unit `HeatUnitIndex`:
// "BTU/hr/°F" and "HP/°F" for those heat units, "kW/°C" for the others.
QString SpecHeatUnitStr(int HeatUnitIndex);

// The position of a typed unit label in `Labels`. Letter case, "°" and the superscripts may be
// left out or typed as plain digits, so "m3/h" and "c" work in any terminal.
std::optional<int> TypedUnitIndex(const QStringList& Labels, const QString& Typed);

// The position of a typed heat unit in either spelling, the selection page's ("kcal/hr") or the
// heat-load page's ("kcal/h"): both lists hold the same units in the same order.
std::optional<int> TypedHeatUnitIndex(const QString& Typed);
