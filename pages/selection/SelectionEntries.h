#pragma once

#include "engine/OperatingPoint.h"
#include "pages/selection/SelectionView.h"
#include "units/UnitConv.h"

// How the selection page holds and converts the quantity of each of its entries.
struct TEntryQuantity {
    TSelectionList UnitList;
    TSelectionGroup Group;        // its caption names the quantity in messages
    float OperatingPoint::*Field; // the value in base units
    float (*ToBase)(int&, float, int);
    float (*FromBase)(int&, float, int);
    // Significant digits of the entry rewritten in another unit: a flow in m³/h needs more.
    int UnitChangePrecision;
};

const TEntryQuantity& QuantityOf(TSelectionEntry Entry);

// Significant digits of an entry rewritten as read, and of the flows the program fills in.
constexpr int EntryPrecision = 10;
