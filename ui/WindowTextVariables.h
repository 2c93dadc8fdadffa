#pragma once

#include "core/CoolerTypes.h"

#include <QString>

#include <array>

// Language texts the window keeps for its own pages; they are set whenever the texts of a
// language are applied and read when a caption has to change later (a series change, a
// refresh of the dimension lines). The process-wide ones live in the engine state.
struct TWindowTextVariables {
    TPrnStr MotorCapacityCoolerTextStr;
    TPrnStr PowerCapacityCoolerTextStr; // replaces the motor caption for hydraulic motors
    QString ProtectionStdCoolerTextStr;
    QString AlterationsNoteStr; // the selection page's disclaimer
    TPrnStr FixMotorCapacityStr;
    TPrnStr FixWeightStr;
    TPrnStr FixCoolAreaStr;
    TPrnStr FixOilVolumeStr;
    // DxfInfo1Str to DxfInfo11Str: the drawing-file instructions, kept though no page shows
    // them.
    std::array<QString, 11> DxfInfoStr;
};
