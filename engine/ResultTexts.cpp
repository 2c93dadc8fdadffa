#include "engine/CoolerHlp.h"

#include "core/EngineState.h"
#include "units/NumericText.h"
#include "units/UnitConv.h"
#include "units/UnitLabels.h"

#include <algorithm>

namespace {

constexpr int Precision = 10; // significant digits of every result text
constexpr int MaxText = 255;

// Unit ordinals beyond a table convert like its last unit ("any other"), so they are labelled
// like it too.
int TableIndex(int index, int size) {
    return (index >= 0 && index < size) ? index : size - 1;
}

struct TPressureLimits {
    const char* Above1400kPa;
    const char* Below5kPa;
};
constexpr TPressureLimits PressureLimitText[3] = {
    {"> 14", "< 0.05"}, {"> 1400", "< 5"}, {"> 200", "< 0.7"}};

constexpr double CubicFoot = 0.028316846592; // m3

} // namespace

QString TCoolerHlp::TemperatureToStr(float Temperature, int Index) {
    int decimals = 0;
    const float value = TUnitConv().TempFromC(decimals, Temperature, Index);
    const QString unit = Index == 0 ? QStringLiteral("°C") : QStringLiteral("°F");
    return (FormatFixed(value, Precision, 0) + QLatin1Char(' ') + unit).left(MaxText);
}

QString TCoolerHlp::SpecHeatToStr(double SpecHeat, int UnitIndex) {
    const int decimals = UnitIndex == Ord(THeatDissi::BTU_hr) ? 0 : 2;
    const QString number =
        FormatFixed(TUnitConv().SpecHeatFromkWPerK(SpecHeat, UnitIndex), Precision, decimals);
    return (QLatin1Char(' ') + number + QLatin1Char(' ') + SpecHeatUnitStr(UnitIndex))
        .left(MaxText);
}

QString TCoolerHlp::PowerToStr(double Power, int UnitIndex) {
    int decimals = 0;
    const float value = TUnitConv().HeatDissiFromkW(decimals, static_cast<float>(Power), UnitIndex);
    const int unit = TableIndex(UnitIndex, static_cast<int>(HeatDissiUnitStr.size()));
    return (QLatin1Char(' ') + FormatFixed(value, Precision, HeatDissiUnitDeci[unit]) +
            QLatin1Char(' ') + HeatDissiUnitStr[unit])
        .left(MaxText);
}

QString TCoolerHlp::PressureDropToStr(double MeanTemp, int PrUnit, double OilFlow,
                                      const TTableValue& TableValue) {
    return PressureDropText(PressureDropAt(OilFlow, MeanTemp, TableValue[Catalogue::CoeffE],
                                           TableValue[Catalogue::CoeffF],
                                           TableValue[Catalogue::CoeffG],
                                           TableValue[Catalogue::CoeffH]),
                            PrUnit);
}

QString TCoolerHlp::PressureDropText(double drop, int PrUnit) {
    const int unit = TableIndex(PrUnit, static_cast<int>(PressureUnitStr.size()));
    QString number;
    if (drop > 1400) {
        number = QString::fromLatin1(PressureLimitText[unit].Above1400kPa);
    } else if (drop < 5) {
        number = QString::fromLatin1(PressureLimitText[unit].Below5kPa);
    } else {
        const double value = drop * PressureFromkPa[unit];
        const int decimals = value < 0.01  ? 4
                             : value < 0.1 ? 3
                             : value < 1   ? 2
                             : value < 10  ? 1
                                           : 0;
        number = FormatFixed(value, Precision, decimals);
    }
    return (number + QLatin1Char(' ') + PressureUnitStr[unit]).left(MaxText);
}

QString TCoolerHlp::AirFlowToStr(int OilFlowUnit, float AirFlow) {
    if (OilFlowUnit == 4) // US gpm: the American reader expects cubic feet per minute
        return FormatFixed(AirFlow * 60 / CubicFoot, Precision, 0) + QStringLiteral(" ft³/min");
    const int decimals = AirFlow <= 9.999f ? 2 : 1;
    return FormatFixed(AirFlow, Precision, decimals) + QStringLiteral(" m³/s");
}

QString TCoolerHlp::MotorCapacityToStr(float CoeffMotor, int EnergyUnit) {
    static const QString unitText[5] = {QStringLiteral(" W"), QStringLiteral(" kW"),
                                        QStringLiteral(" kcal/h"), QStringLiteral(" BTU/h"),
                                        QStringLiteral(" HP")};
    const int unit = EngineState().USVersionFLG ? 4 : TableIndex(EnergyUnit, 5);
    int decimals = 0;
    const float value = TUnitConv().HeatDissiFromkW(decimals, CoeffMotor, unit);
    return (FormatFixed(value, Precision, TUnitConv::GetNoOfDeciSer5(value)) + unitText[unit])
        .left(MaxText);
}

QString TCoolerHlp::WeightToStr(float CoeffWeight) {
    if (EngineState().USVersionFLG) {
        int decimals = 0;
        const float pounds = TUnitConv().WeightFromKilo(decimals, CoeffWeight, 1);
        return FormatFixed(pounds, Precision, decimals) + QStringLiteral(" lb");
    }
    return FormatFixed(CoeffWeight, Precision, 0) + QStringLiteral(" kg");
}

QString TCoolerHlp::CoolerAreaToStr(float CoeffArea) {
    return FormatFixed(CoeffArea, Precision, 2) + QStringLiteral(" m²");
}

QString TCoolerHlp::OilVolumeToStr(float CoeffOilVolume) {
    return FormatFixed(CoeffOilVolume, Precision, 2) + QStringLiteral(" liter");
}

QString TCoolerHlp::NoiseLevelToStr(float CoeffNoise) {
    return FormatFixed(CoeffNoise, Precision, 0) + QStringLiteral(" dB(A)");
}
