#pragma once

#include "core/CoolerTypes.h"

#include <QString>

#include <array>

// Language texts the window keeps for its own pages; they are set whenever the texts of a
// language are applied and read when a caption has to change later (a series change, a
// refresh of the dimension lines).
struct TWindowTextVariables {
    TPrnStr MotorCapacityCoolerTextStr;
    TPrnStr PowerCapacityCoolerTextStr; // replaces the motor caption for hydraulic motors
    QString ProtectionStdCoolerTextStr;
    QString AlterationsNoteStr; // the selection page's disclaimer
    QString RpmTextStr;         // ends the hydraulic-motor model names
    // Read by the entries of every page: offers the two readings of a number typed with a
    // thousands-like separator ("Write %1 or %2").
    QString ThousandsReadingsStr;
    QString OutOfRangeStr; // words the heat-load page's range messages
    TPrnStr FixMotorCapacityStr;
    TPrnStr FixWeightStr;
    TPrnStr FixCoolAreaStr;
    TPrnStr FixOilVolumeStr;
    // The dimensions page's free-space notes, for the series with electric motors and for the
    // hydraulic-motor ones, and its power caption for hydraulic motors.
    QString FreeSpaceText1Str;
    QString FreeSpaceText2Str;
    QString VhmFreeSpaceText1Str;
    QString VhmFreeSpaceText2Str;
    TPrnStr FanPowerTextStr;
    // DxfInfo1Str to DxfInfo11Str: the drawing-file instructions, kept though no page shows
    // them.
    std::array<QString, 11> DxfInfoStr;
};
