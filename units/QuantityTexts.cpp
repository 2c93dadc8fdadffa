#include "units/QuantityTexts.h"

#include "units/NumericText.h"
#include "units/UnitConv.h"
#include "units/UnitLabels.h"
#include "units/Units.h"

namespace {

constexpr int Precision = 10; // significant digits of every text
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

// The parts one after the other, cut to what a text holds. Built in one piece: every result
// text passes here.
QString Joined(std::initializer_list<QStringView> Parts) {
    qsizetype size = 0;
    for (const QStringView part : Parts)
        size += part.size();
    QString text;
    text.reserve(size);
    for (const QStringView part : Parts)
        text.append(part);
    text.truncate(MaxText);
    return text;
}

} // namespace

QString TemperatureText(float Temperature, int TempUnit) {
    int decimals = 0;
    const float value = TUnitConv::TempFromC(decimals, Temperature, TempUnit);
    return Joined({FormatFixed(value, Precision, 0), u" ", TempUnit == 0 ? u"°C" : u"°F"});
}

QString SpecificDissipationText(double SpecificDissipation, int HeatUnit) {
    const int decimals = HeatUnit == Ord(THeatDissi::BTU_hr) ? 0 : 2;
    const QString number = FormatFixed(TUnitConv::SpecHeatFromkWPerK(SpecificDissipation, HeatUnit),
                                       Precision, decimals);
    return Joined({u" ", number, u" ", SpecHeatUnitStr(HeatUnit)});
}

QString HeatText(double Heat, int HeatUnit) {
    int decimals = 0;
    const float value = TUnitConv::HeatDissiFromkW(decimals, static_cast<float>(Heat), HeatUnit);
    const int unit = TableIndex(HeatUnit, static_cast<int>(HeatDissiUnitStr.size()));
    return Joined({u" ", FormatFixed(value, Precision, HeatDissiUnitDeci[unit]), u" ",
                   HeatDissiUnitStr[unit]});
}

QString PressureDropText(double DropkPa, int PressureUnit) {
    const int unit = TableIndex(PressureUnit, static_cast<int>(PressureUnitStr.size()));
    QString number;
    if (DropkPa > 1400) {
        number = QString::fromLatin1(PressureLimitText[unit].Above1400kPa);
    } else if (DropkPa < 5) {
        number = QString::fromLatin1(PressureLimitText[unit].Below5kPa);
    } else {
        const double value = DropkPa * PressureFromkPa[unit];
        const int decimals = value < 0.01  ? 4
                             : value < 0.1 ? 3
                             : value < 1   ? 2
                             : value < 10  ? 1
                                           : 0;
        number = FormatFixed(value, Precision, decimals);
    }
    return Joined({number, u" ", PressureUnitStr[unit]});
}

QString AirFlowText(float AirFlow, int FlowUnit) {
    if (FlowUnit == Ord(TFlow::USgal_min)) // the American reader expects cubic feet per minute
        return FormatFixed(AirFlow * 60 / CubicFoot, Precision, 0) + QStringLiteral(" ft³/min");
    const int decimals = AirFlow <= 9.999f ? 2 : 1;
    return FormatFixed(AirFlow, Precision, decimals) + QStringLiteral(" m³/s");
}

QString MotorPowerText(float Power, int HeatUnit) {
    static const QString unitText[5] = {QStringLiteral(" W"), QStringLiteral(" kW"),
                                        QStringLiteral(" kcal/h"), QStringLiteral(" BTU/h"),
                                        QStringLiteral(" HP")};
    const int unit = TableIndex(HeatUnit, 5);
    int decimals = 0;
    const float value = TUnitConv::HeatDissiFromkW(decimals, Power, unit);
    return (FormatFixed(value, Precision, TUnitConv::GetNoOfDeciSer5(value)) + unitText[unit])
        .left(MaxText);
}

QString WeightText(float Weight, int WeightUnit) {
    if (WeightUnit == Ord(TWeight::lb)) {
        int decimals = 0;
        const float pounds = TUnitConv::WeightFromKilo(decimals, Weight, WeightUnit);
        return FormatFixed(pounds, Precision, decimals) + QStringLiteral(" lb");
    }
    return FormatFixed(Weight, Precision, 0) + QStringLiteral(" kg");
}

QString CoolingAreaText(float Area) {
    return FormatFixed(Area, Precision, 2) + QStringLiteral(" m²");
}

QString OilVolumeText(float Volume) {
    return FormatFixed(Volume, Precision, 2) + QStringLiteral(" liter");
}

QString NoiseLevelText(float NoiseLevel) {
    return FormatFixed(NoiseLevel, Precision, 0) + QStringLiteral(" dB(A)");
}
