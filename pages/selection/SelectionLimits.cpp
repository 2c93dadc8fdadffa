#include "pages/selection/SelectionLimits.h"

#include "engine/Sizing.h"
#include "units/NumericText.h"
#include "units/UnitConv.h"

#include <cmath>

namespace {

constexpr int Precision = 10;

using Conversion = float (*)(int&, float, int);

// Lower limits round half up and upper limits down, so that a limit shown in another unit is
// never outside the range the calculation accepts.
QString LowerLimit(Conversion FromBase, float Base, int Unit) {
    int decimals = 0;
    const float value = FromBase(decimals, Base, Unit);
    return FormatFixed(std::floor(value + 0.5), Precision, 0);
}

QString UpperLimit(Conversion FromBase, float Base, int Unit) {
    int decimals = 0;
    const float value = FromBase(decimals, Base, Unit);
    return FormatFixed(std::floor(value), Precision, 0);
}

} // namespace

QString MinInletOilTempText(int TempUnit) {
    return LowerLimit(&TUnitConv::TempFromC, MinInletOilTemp, TempUnit);
}

QString MaxInletOilTempText(int TempUnit) {
    return UpperLimit(&TUnitConv::TempFromC, MaxInletOilTemp, TempUnit);
}

QString MinAirTempText(int TempUnit) {
    return LowerLimit(&TUnitConv::TempFromC, MinAirTemp, TempUnit);
}

QString MaxAirTempText(int TempUnit) {
    return UpperLimit(&TUnitConv::TempFromC, MaxAirTemp, TempUnit);
}

QString MinAltitudeText(int LengthUnit) {
    return LowerLimit(&TUnitConv::LengthFromm, MinAltitude, LengthUnit);
}

QString MaxAltitudeText(int LengthUnit) {
    return UpperLimit(&TUnitConv::LengthFromm, MaxAltitude, LengthUnit);
}

QString MinCoolingRequiredText(int HeatUnit) {
    return LowerLimit(&TUnitConv::HeatDissiFromkW, MinCoolingRequired, HeatUnit);
}

QString MaxCoolingRequiredText(int HeatUnit) {
    return UpperLimit(&TUnitConv::HeatDissiFromkW, MaxCoolingRequired, HeatUnit);
}

QString FlowLimitText(float Flow, int FlowUnit) {
    int decimals = 0;
    const float value = TUnitConv::FlowFromLiterPerMin(decimals, Flow, FlowUnit);
    return FormatFixed(value, Precision, decimals);
}
