#pragma once

#include "core/MessageService.h"

#include "units/Units.h"
#include <optional>

#include <QString>

#include <array>

// The lowest temperature there is, in degC: no typed temperature may lie below it.
constexpr double AbsoluteZero = -273.15;

// Decimals and factors of the result formatters, by unit ordinal; their unit texts are in
// units/UnitLabels.h.
extern const std::array<int, 5> HeatDissiUnitDeci;
extern const std::array<double, 3> PressureFromkPa;

// Converts values between the units of the pages and the base units of the calculations
// (l/min, degC, kW, KJ/Kg K, m, litre, kg/dm3, kg), and reports through `NoOfDeci` how many
// decimals the converted value is shown with. Values are single precision at the interface;
// inside, the arithmetic runs in extended precision and is rounded once on return.
//
// Unit ordinals are plain ints: a list with nothing selected reports -1, which converts like
// the last unit of its list.
//
// The conversions hold no state and are called on the class. An object is made only to read a
// typed number, whose message needs somewhere to go.
class TUnitConv {
public:
    // Messages of unreadable entries go to `messages`, worded for a number that reads two ways
    // with `thousandsReadings` ("Write %1 or %2", from the language the page is shown in);
    // without it such a message names no readings.
    explicit TUnitConv(TMessageService& messages, QString thousandsReadings = {})
        : MessageService(messages), ThousandsReadingsText(std::move(thousandsReadings)) {}

    static float TempToC(int& NoOfDeci, float Value, int UnitIndex);
    static float TempFromC(int& NoOfDeci, float Value, int UnitIndex);
    static float FlowToLiterPerMin(int& NoOfDeci, float Value, int UnitIndex);
    static float FlowFromLiterPerMin(int& NoOfDeci, float Value, int UnitIndex);
    static float HeatDissiTokW(int& NoOfDeci, float Value, int UnitIndex);
    static float HeatDissiFromkW(int& NoOfDeci, float Value, int UnitIndex);
    static float CapacitivityHeatToKJKgK(int& NoOfDeci, float Value, int UnitIndex);
    static float CapacitivityHeatFromKJKgK(int& NoOfDeci, float Value, int UnitIndex);
    static float LengthTom(int& NoOfDeci, float Value, int UnitIndex);
    static float LengthFromm(int& NoOfDeci, float Value, int UnitIndex);
    static float VolumeToliter(int& NoOfDeci, float Value, int UnitIndex);
    static float VolumeFromliter(int& NoOfDeci, float Value, int UnitIndex);
    static float DensityTokg_dm3(int& NoOfDeci, float Value, int UnitIndex);
    static float DensityFromkg_dm3(int& NoOfDeci, float Value, int UnitIndex);
    static float WeightToKilo(int& NoOfDeci, float Value, int UnitIndex);
    static float WeightFromKilo(int& NoOfDeci, float Value, int UnitIndex);

    // A specific heat dissipation in kW/K expressed per degree Fahrenheit.
    static double SpecHeat_kW_C_To_BTU_hr_F(double FloatIn);
    static double SpecHeat_kW_C_To_HP_F(double FloatIn);
    // A specific heat dissipation in kW/K in the unit that goes with the heat unit
    // `HeatUnitIndex` (units/UnitLabels.h names it): per degree Fahrenheit for BTU/hr and HP,
    // unchanged for the others.
    static double SpecHeatFromkWPerK(double Value, int HeatUnitIndex);

    // Turns a temperature in degC into the unit `Unit` and hands back its label ("°C", "°F"),
    // cut to `MaxLength` characters.
    static void ConvCTempToUnit(double& Value, QString& UnitStr, int MaxLength, int Unit);

    // Decimal schemes: how many decimals a value of this magnitude is shown with.
    static int GetNoOfDeciSer1(float Float);
    static int GetNoOfDeciSer2(float Float);
    static int GetNoOfDeciSer4(float Float);
    static int GetNoOfDeciSer5(float Float);

    // Reads a typed number with a point or a comma as decimal sign. On failure shows
    // "caption: text ?" as an error (the text as EchoedValue quotes it), leaves
    // FloatValue unchanged and returns false. A number whose only separator is the regional
    // group separator where a thousands separator would stand ("68,200") fails too: its
    // message goes on with the two readings in the words the converter was given.
    bool StringToFloat(float& FloatValue, const QString& ValueStr, const QString& CaptionStr) const;
    static QString DeciPointToDeciComa(const QString& ValueStr);
    // Characters after the last "." or "," of the text; 0 when it has neither.
    static int GetNoOfDeciFromString(const QString& ValueStr);

private:
    TMessageService& MessageService;
    QString ThousandsReadingsText;
};
