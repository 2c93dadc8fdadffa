#pragma once

#include <QString>

// The ranges of the operating point the sizing accepts (engine/Sizing.h), as the page's range
// messages give them: whole numbers in the unit picked for the quantity.
QString MinInletOilTempText(int TempUnit);
QString MaxInletOilTempText(int TempUnit);
QString MinAirTempText(int TempUnit);
QString MaxAirTempText(int TempUnit);
QString MinAltitudeText(int LengthUnit);
QString MaxAltitudeText(int LengthUnit);
QString MinCoolingRequiredText(int HeatUnit);
QString MaxCoolingRequiredText(int HeatUnit);

// A model's flow limit, or a cooling system's pump flow, in l/min in the flow unit `FlowUnit`,
// with the decimals the unit shows a flow of that size with.
QString FlowLimitText(float Flow, int FlowUnit);
