#pragma once

#include "core/CoolerTypes.h"

// The operating point of a hydraulic system as the sizing takes it, in base units and single
// precision, as the entries hold them.
struct OperatingPoint {
    TCoolerType Series = AC_Cooler;
    float OilFlow = 0;         // l/min; a cooling system runs at its own pump's flow instead
    float MaxInletOilTemp = 0; // degC, the highest the user allows at the cooler's inlet
    float AirTemp = 0;         // degC, the hottest ambient air
    float Altitude = 0;        // m
    float CoolingRequired = 0; // kW
    // What is held: the inlet oil temperature at its maximum (the cooling a model removes
    // there is its result), or the cooling required (the inlet temperature at which a model
    // removes it is its result).
    bool InletTempHeld = false;
    // Service margin: the outlet oil keeps at least this distance from the outlet air, K.
    int OutletOilAirMargin = 3;
};
