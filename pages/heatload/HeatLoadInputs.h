#pragma once

#include "pages/heatload/HeatLoadController.h"
#include "units/UnitConv.h"

// How the page holds and converts each of its inputs, and where the page change keeps it.
struct THeatLoadInput {
    float THeatLoadFields::*Field; // the value in base units
    // The conversions of the quantity; none for the time, which is held in minutes as typed.
    float (*ToBase)(int&, float, int);
    float (*FromBase)(int&, float, int);
    const char* StoredText; // the entry's text under "\Page2"
    const char* StoredUnit; // the unit list's position under "\Page2"; none for the time
    int LastUnit;
};

const THeatLoadInput& InputOf(THeatLoadEntry Entry);

inline const QString Page2Key = QStringLiteral("\\Page2");
inline const QString ResultUnitValue = QStringLiteral("ResultlCombo");
constexpr int LastHeatUnit = 4;

// Significant digits of every number the page writes into an entry.
constexpr int HeatLoadPrecision = 8;
