#pragma once

#include "core/CoolerTypes.h"

#include <QString>

#include <array>
#include <cstdint>

// How much of a language text the engine state keeps where the whole text would not fit.
constexpr qsizetype NoCoolerTextLength = 80; // NoCoolerStr, NotRecommendedStr
constexpr qsizetype RpmTextLength = 10;      // RpmTextStr

// One model's entry of a choose table: the values the walk over a series needs, held in
// single precision exactly as the walk evaluates them.
struct TCoolChooseRec {
    float CoeffA = 0;
    float CoeffB = 0;
    float CoeffC = 0;
    float CoeffD = 0;
    float CoeffE = 0;
    float MinFlow = 0;
    float MaxFlow = 0;
    float AirFlow = 0;
};

constexpr int CoolChooseTblSize = 38; // a model list never holds more than 19 models
using TCoolChooseTbl = std::array<TCoolChooseRec, CoolChooseTblSize>;

// The process-wide state the selection page, the calculators and the report exchange.
// Operating-point fields are in base units (l/min, degC, m, kW) and single precision.
struct TEngineState {
    // Operating point.
    float InOilFlow = 0;
    float InMaxOilTemp = 0;
    float InAirTemp = 0;
    float InAltitude = 0;
    float InHeatDissi = 0;

    // Results shared between the calculators and the window.
    float LastSpecHeat = 0;
    double LastActualDissipation = 0;
    double LastOilTempIn = 0; // degC; above InMaxOilTemp the model does not meet the duty
    uint8_t LastCalcResult = LR_OK;
    QString OilTempOutStr;
    QString OilTempInStr;
    QString AirTempOutStr;
    QString HeatLoadStr;
    QString PressureDropStr;
    QString AirFlowStr;
    QString MotorCapacityStr;
    QString NoiseLevelStr;

    // Unit list positions captured from the selection page before each calculation.
    int FlowUnitIdx = 0;
    int OilTempUnitIdx = 0;
    int AirTempUnitIdx = 0;
    int AltitudeUnitIdx = 0;
    int HeatUnitIdx = 0;

    // Captions and typed entries captured for messages and the report.
    TPrnStr OilFlowCaptionStr;
    TPrnStr MaxTempCaptionStr;
    TPrnStr AirTempCaptionStr;
    TPrnStr AltitudeCaptionStr;
    TPrnStr HeatDissiCaptionStr;
    TPrnStr HeatLoadCaptionStr;
    TPrnStr OilFlowInputStr;
    TPrnStr MaxTempInputStr;
    TPrnStr AirTempInputStr;
    TPrnStr HeatDissiInputStr;

    // Language texts of the selection page that the engine words its messages with.
    QString OutOfRangeStr;
    QString NoCoolerStr;       // at most 80 characters
    QString NotRecommendedStr; // at most 80 characters
    // No model keeps the maximum inlet temperature with the air this close; "%1" stands for
    // the oil-air difference the series needs.
    QString AirTooCloseStr;

    // The language text with which every entry's reader offers the two readings of a number
    // typed with a thousands-like separator: the number without the separator as %1, with it
    // as decimal sign as %2 ("Write %1 or %2").
    QString ThousandsReadingsStr;

    // Language texts kept for the report, the model lists and the dimensions page; set
    // whenever the texts of a language are applied to the window.
    TPrnStr DateTextStr;
    TPrnStr YourRefTextStr;
    TPrnStr OurRefTextStr;
    TPrnStr InformationTextStr;
    QString CatalogueNoteStr;
    QString AlterationsNoteStr;
    TPrnStr InputDataTextStr;
    TPrnStr HydraulicOilTextStr;
    QString RpmTextStr; // at most 10 characters; ends the hydraulic-motor model names
    QString FreeSpaceText1Str;
    QString FreeSpaceText2Str;
    TPrnStr FanPowerTextStr;
    QString VhmFreeSpaceText1Str;
    QString VhmFreeSpaceText2Str;

    // The report's labels in the report language, set when the print setup closes, and the
    // two references typed there (each at most 50 characters).
    TPrnStr OilFlowTextStr;
    TPrnStr MaxInletTempTextStr;
    TPrnStr AirTempTextStr;
    TPrnStr AltitudeTextStr;
    TPrnStr CoolingRequiredTextStr;
    TPrnStr CalculatedDataTextStr;
    TPrnStr InletOilTempTextStr;
    TPrnStr OutletOilTempTextStr;
    TPrnStr OutletAirTempTextStr;
    TPrnStr HeatDissiTextStr;
    TPrnStr OilPressureTextStr;
    TPrnStr AirFlowTextStr;
    TPrnStr MotorCapacityTextStr;
    TPrnStr NoiseLevelTextStr;
    TPrnStr ProtectionTextStr;
    TPrnStr WeightTextStr;
    TPrnStr YourRefStr;
    TPrnStr OurRefStr;

    // Colours of the result display.
    TColor HeatLoadColor = clWhite;
    TColor HeatDissiEditColor = clWhite;
    TColor MaxTempEditColor = clWhite;
    TColor OilInletTempColor = clWhite;
    TColor AirOutletTempColor = clWhite;
    TColor OilOutletTempColor = clWhite;

    // Switches.
    bool USVersionFLG = false;
    bool FixedInletTempFLG = false;
    bool ShowMessagesFLG = false;
    TCoolerType CurrentCoolerType = AC_Cooler;
    int OutputOilAirDev = 3; // K between outlet oil and outlet air at least
    int OilMaxOilDev = 6;    // K; stored and edited, read by no calculation

    // Model counts and choose tables per series.
    int32_t NoOfCoolersVAM = 0;
    int32_t NoOfCoolersVDM = 0;
    int32_t NoOfCoolersVHM = 0;
    int32_t NoOfCoolersVCS = 0;
    TCoolChooseTbl CoolChooseTblVAM{};
    TCoolChooseTbl CoolChooseTblVDM{};
    TCoolChooseTbl CoolChooseTblVHM{};
    TCoolChooseTbl CoolChooseTblVCS{};

    // Coefficients of the oil grade loaded last ("CoeffA" to "CoeffG", "CoolCorr"), shared by
    // every calculator until the next calculator loads its grade.
    std::array<double, 8> OilCoeff{};

    // Catalogue directory, ending in a directory separator (at most 255 characters).
    QString IniFilePath;
};

// The one instance of the running program.
TEngineState& EngineState();

// Puts every field back to its start value; tests call it between cases.
void ResetEngineState();
