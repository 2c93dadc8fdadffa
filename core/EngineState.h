#pragma once

#include "core/CoolerTypes.h"

#include <QString>

// The process-wide state the report still reads; the pages and the calculations keep and pass
// their own.
struct TEngineState {
    // Language texts kept for the report; set whenever the texts of a language are applied to
    // the window.
    TPrnStr DateTextStr;
    TPrnStr YourRefTextStr;
    TPrnStr OurRefTextStr;
    TPrnStr InformationTextStr;
    QString CatalogueNoteStr;
    QString AlterationsNoteStr;
    TPrnStr InputDataTextStr;
    TPrnStr HydraulicOilTextStr;

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

    // What the report reads of the program and the selection page: the edition, the page's
    // calculation mode and series, and the catalogue directory (ending in a directory
    // separator). Whoever asks for a report puts them here first.
    bool USVersionFLG = false;
    bool FixedInletTempFLG = false;
    TCoolerType CurrentCoolerType = AC_Cooler;
    QString IniFilePath;
};

// The one instance of the running program.
TEngineState& EngineState();

// Puts every field back to its start value; tests call it between cases.
void ResetEngineState();
