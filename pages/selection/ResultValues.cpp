#include "pages/selection/ResultValues.h"

#include "units/UnitConv.h"
#include "units/UnitLabels.h"

#include <charconv>

namespace {

constexpr int USGpm = 4; // flow unit beside which pressures are given in psi and air in ft³/min
constexpr int Bar = 0;
constexpr int Psi = 2;
constexpr int HP = 4;
constexpr double CubicFoot = 0.028316846592; // m3

// A number held in single precision as the shortest decimal that reads back as it, so that
// 57.6 °C is 57.6 and not 57.599998474121094.
double Shortest(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double shortest = value;
    std::from_chars(text, written.ptr, shortest);
    return shortest;
}

int ListIndex(int index, qsizetype size) {
    return index >= 0 && index < size ? index : static_cast<int>(size) - 1;
}

ResultValue TemperatureValue(double DegreesC, int Unit) {
    int decimals = 0;
    return {Shortest(TUnitConv::TempFromC(decimals, static_cast<float>(DegreesC), Unit)),
            Unit == 0 ? QStringLiteral("°C") : QStringLiteral("°F")};
}

// A heat or power, labelled as the text of its line labels it.
template <typename Labels> ResultValue HeatValue(double KW, int Unit, const Labels& labels) {
    int decimals = 0;
    const int unit = ListIndex(Unit, static_cast<qsizetype>(labels.size()));
    return {Shortest(TUnitConv::HeatDissiFromkW(decimals, static_cast<float>(KW), Unit)),
            labels[unit]};
}

} // namespace

ResultValue FlowValue(float FlowLiterPerMin, int FlowUnit) {
    int decimals = 0;
    return {Shortest(TUnitConv::FlowFromLiterPerMin(decimals, FlowLiterPerMin, FlowUnit)),
            FlowUnitLabels().value(ListIndex(FlowUnit, FlowUnitLabels().size()))};
}

ResultValues ResultValuesOf(const Rating& Result, const ModelRecord& Model,
                            const PresentationStyle& Style) {
    ResultValues values;
    if (!Result.Rated())
        return values;
    const DisplayUnits& units = Style.Units;
    const auto set = [&](TResultLine line, ResultValue value) {
        values[static_cast<int>(line)] = std::move(value);
    };
    set(TResultLine::OilInletTemp, TemperatureValue(Result.InletOilTemp, units.OilTemp));
    set(TResultLine::OilOutletTemp, TemperatureValue(Result.OutletOilTemp, units.OilTemp));
    set(TResultLine::AirOutletTemp, TemperatureValue(Result.OutletAirTemp, units.AirTemp));
    set(TResultLine::HeatLoad,
        Style.InletTempHeld
            ? HeatValue(Result.Dissipation, units.Heat, HeatDissiUnitStr)
            : ResultValue{TUnitConv::SpecHeatFromkWPerK(Result.SpecificDissipation, units.Heat),
                          SpecHeatUnitStr(units.Heat)});
    const int pressure = units.Flow == USGpm ? Psi : Bar;
    set(TResultLine::OilPressure,
        {Result.PressureDrop * PressureFromkPa[pressure], PressureUnitStr[pressure]});
    const double airFlow = static_cast<float>(Model[Catalogue::AirFlow]);
    set(TResultLine::AirFlow, units.Flow == USGpm
                                  ? ResultValue{airFlow * 60 / CubicFoot, QStringLiteral("ft³/min")}
                                  : ResultValue{airFlow, QStringLiteral("m³/s")});
    // The motor's power is written with the heat-load page's spelling of the units.
    set(TResultLine::MotorCapacity,
        HeatValue(Model[Catalogue::MotorPower], Style.USEdition ? HP : units.Heat,
                  HeatLoadUnitLabels()));
    set(TResultLine::NoiseLevel, {Model[Catalogue::NoiseLevel], QStringLiteral("dB(A)")});
    return values;
}

QString VerdictOf(const Rating& Result) {
    if (Result.RemovesTooLittle)
        return QStringLiteral("removesTooLittle");
    if (Result.InletAboveMaximum)
        return QStringLiteral("inletAboveMaximum");
    return QStringLiteral("fits");
}
