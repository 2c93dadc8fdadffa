#include "units/UnitConv.h"

#include "core/CodePoints.h"
#include "core/RegionalSettings.h"
#include "core/VisibleText.h"
#include "units/NumericText.h"

#include <cmath>
#include <limits>

const std::array<int, 5> HeatDissiUnitDeci = {0, 1, 0, 0, 1};
const std::array<double, 3> PressureFromkPa = {0.01, 1, 0.14503774};

namespace {

using Extended = long double;

// The To-base rule of each quantity: value in the given unit -> base unit.
Extended TempToBase(Extended v, int unit) {
    return unit == 0 ? v : (v - 32) / 1.8L;
}

Extended FlowToBase(Extended v, int unit) {
    switch (unit) {
    case 0: // m3/h
        return v * 50 / 3;
    case 1: // l/min
        return v;
    case 2: // kg/s of oil at 0.89 kg/l
        return v * 60 / 0.89L;
    case 3: // ft3/h
        return v * 0.472L;
    case 4: // US gpm
        return v * 3.785L;
    default: // lb/h: a mass flow like kg/s, so the same oil density turns it into a volume
        return v * 0.45359237L / 60 / 0.89L;
    }
}

Extended HeatToBase(Extended v, int unit) {
    switch (unit) {
    case 0:
        return v / 1000;
    case 1:
        return v;
    case 2:
        return v / 860.4L;
    case 3:
        return v / 3412;
    default:
        return v / 1.341L;
    }
}

// 4.16 rather than 4.1868: the factor the catalogue figures were prepared with.
Extended CapacityToBase(Extended v, int unit) {
    return unit == 0 ? v : v * 4.16L;
}

Extended LengthToBase(Extended v, int unit) {
    return unit == 0 ? v : v * 0.3048L;
}

Extended VolumeToBase(Extended v, int unit) {
    switch (unit) {
    case 0:
        return v;
    case 1:
        return v * 1000;
    case 2:
        return v / 1.057L;
    case 3:
        return v / 61.02L;
    default:
        return v / 0.2642L;
    }
}

Extended DensityToBase(Extended v, int unit) {
    switch (unit) {
    case 0:
        return v;
    case 1:
        return v / 62.43L;
    default:
        return v / 0.03613L;
    }
}

Extended WeightToBase(Extended v, int unit) {
    return unit == 1 ? v / 2.204623L : v;
}

// The From-base conversion divides by the single-precision To-base factor of the unit, so
// both directions agree up to rounding, including for the "any other" rows.
Extended FromBase(Extended (*toBase)(Extended, int), float value, int unit) {
    const float factor = static_cast<float>(toBase(1, unit));
    return static_cast<Extended>(value) / factor;
}

// The result is rounded to single precision once, and its decimals follow from that value.
float Converted(Extended value, int (*scheme)(float), int& decimals) {
    const auto result = static_cast<float>(value);
    decimals = scheme(result);
    return result;
}

template <int Below1e4, int Below1e3, int Below1e2, int Below1e1, int Below1, int Below10,
          int Below100>
int DecimalScheme(float v) {
    if (v < 0.0001f)
        return 1;
    if (v < 0.001f)
        return Below1e4;
    if (v < 0.01f)
        return Below1e3;
    if (v < 0.1f)
        return Below1e2;
    if (v < 1)
        return Below1e1;
    if (v < 10)
        return Below1;
    if (v < 100)
        return Below10;
    return Below100;
}

} // namespace

int TUnitConv::GetNoOfDeciSer1(float Float) {
    return DecimalScheme<3, 3, 3, 3, 2, 1, 0>(Float);
}
int TUnitConv::GetNoOfDeciSer2(float Float) {
    return DecimalScheme<4, 3, 2, 1, 0, 0, 0>(Float);
}
int TUnitConv::GetNoOfDeciSer4(float Float) {
    return DecimalScheme<2, 2, 2, 2, 2, 1, 0>(Float);
}
int TUnitConv::GetNoOfDeciSer5(float Float) {
    return DecimalScheme<5, 4, 3, 2, 1, 0, 0>(Float);
}

float TUnitConv::TempToC(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(TempToBase(Value, UnitIndex), GetNoOfDeciSer2, NoOfDeci);
}

float TUnitConv::TempFromC(int& NoOfDeci, float Value, int UnitIndex) {
    const Extended v = Value;
    return Converted(UnitIndex == 0 ? v : v * 1.8L + 32, GetNoOfDeciSer2, NoOfDeci);
}

float TUnitConv::FlowToLiterPerMin(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FlowToBase(Value, UnitIndex), GetNoOfDeciSer5, NoOfDeci);
}

float TUnitConv::FlowFromLiterPerMin(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(FlowToBase, Value, UnitIndex), GetNoOfDeciSer1, NoOfDeci);
}

float TUnitConv::HeatDissiTokW(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(HeatToBase(Value, UnitIndex), GetNoOfDeciSer4, NoOfDeci);
}

float TUnitConv::HeatDissiFromkW(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(HeatToBase, Value, UnitIndex), GetNoOfDeciSer4, NoOfDeci);
}

float TUnitConv::CapacitivityHeatToKJKgK(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(CapacityToBase(Value, UnitIndex), GetNoOfDeciSer4, NoOfDeci);
}

float TUnitConv::CapacitivityHeatFromKJKgK(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(CapacityToBase, Value, UnitIndex), GetNoOfDeciSer4, NoOfDeci);
}

float TUnitConv::LengthTom(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(LengthToBase(Value, UnitIndex), GetNoOfDeciSer5, NoOfDeci);
}

float TUnitConv::LengthFromm(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(LengthToBase, Value, UnitIndex), GetNoOfDeciSer1, NoOfDeci);
}

float TUnitConv::VolumeToliter(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(VolumeToBase(Value, UnitIndex), GetNoOfDeciSer5, NoOfDeci);
}

float TUnitConv::VolumeFromliter(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(VolumeToBase, Value, UnitIndex), GetNoOfDeciSer5, NoOfDeci);
}

float TUnitConv::DensityTokg_dm3(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(DensityToBase(Value, UnitIndex), GetNoOfDeciSer1, NoOfDeci);
}

float TUnitConv::DensityFromkg_dm3(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(DensityToBase, Value, UnitIndex), GetNoOfDeciSer1, NoOfDeci);
}

float TUnitConv::WeightToKilo(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(WeightToBase(Value, UnitIndex), GetNoOfDeciSer5, NoOfDeci);
}

float TUnitConv::WeightFromKilo(int& NoOfDeci, float Value, int UnitIndex) {
    return Converted(FromBase(WeightToBase, Value, UnitIndex), GetNoOfDeciSer5, NoOfDeci);
}

double TUnitConv::SpecHeat_kW_C_To_BTU_hr_F(double FloatIn) {
    int decimals = 0;
    return HeatDissiFromkW(decimals, static_cast<float>(FloatIn), Ord(THeatDissi::BTU_hr)) / 1.8;
}

double TUnitConv::SpecHeat_kW_C_To_HP_F(double FloatIn) {
    int decimals = 0;
    return HeatDissiFromkW(decimals, static_cast<float>(FloatIn), Ord(THeatDissi::HP)) / 1.8;
}

double TUnitConv::SpecHeatFromkWPerK(double Value, int HeatUnitIndex) {
    switch (HeatUnitIndex) {
    case Ord(THeatDissi::BTU_hr):
        return SpecHeat_kW_C_To_BTU_hr_F(Value);
    case Ord(THeatDissi::HP):
        return SpecHeat_kW_C_To_HP_F(Value);
    default:
        return Value;
    }
}

void TUnitConv::ConvCTempToUnit(double& Value, QString& UnitStr, int MaxLength, int Unit) {
    if (Unit != 0) {
        Value = Value * 1.8 + 32;
        UnitStr = QStringLiteral("°F").left(MaxLength);
    } else {
        UnitStr = QStringLiteral("°C").left(MaxLength);
    }
}

bool TUnitConv::StringToFloat(float& FloatValue, const QString& ValueStr,
                              const QString& CaptionStr) const {
    // Worded only when needed: nearly every entry reads, and a batch reads millions.
    const auto message = [&] {
        return LeftCodePoints(
            CaptionStr + QStringLiteral(": ") + EchoedValue(ValueStr) + QStringLiteral(" ?"), 255);
    };
    // "68,200" under English settings may be 68200 as well as 68.2: a guess would size for a
    // heat a thousand times off, so the user chooses.
    if (const std::optional<TThousandsReadings> readings =
            ThousandsReadings(ValueStr, Regional().GroupSeparator)) {
        QString choice = ThousandsReadingsText;
        choice.replace(QStringLiteral("%1"), readings->Thousands)
            .replace(QStringLiteral("%2"), readings->Decimal);
        MessageService.Error(choice.isEmpty()
                                 ? message()
                                 : LeftCodePoints(message() + QLatin1Char(' ') + choice, 255));
        return false;
    }
    const std::optional<double> value = ParseRegionalNumber(DeciPointToDeciComa(ValueStr));
    // Beyond single precision the entry cannot be held: it is as unreadable as a typo.
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) {
        MessageService.Error(message());
        return false;
    }
    FloatValue = static_cast<float>(*value);
    return true;
}

QString TUnitConv::DeciPointToDeciComa(const QString& ValueStr) {
    return ::DeciPointToDeciComa(ValueStr);
}

int TUnitConv::GetNoOfDeciFromString(const QString& ValueStr) {
    const qsizetype last =
        std::max(ValueStr.lastIndexOf(QLatin1Char('.')), ValueStr.lastIndexOf(QLatin1Char(',')));
    return last < 0 ? 0 : static_cast<int>(ValueStr.size() - last - 1);
}
