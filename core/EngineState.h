#pragma once

#include "core/CoolerTypes.h"

#include <QString>

#include <cstdint>

// How much of a language text the engine state keeps where the whole text would not fit.
constexpr qsizetype RpmTextLength = 10; // RpmTextStr

// The process-wide state the pages exchange.
struct TEngineState {
    // The language text the heat-load page words its range messages with.
    QString OutOfRangeStr;

    // The language text with which every entry's reader offers the two readings of a number
    // typed with a thousands-like separator: the number without the separator as %1, with it
    // as decimal sign as %2 ("Write %1 or %2").
    QString ThousandsReadingsStr;

    // Language texts kept for the model lists and the dimensions page; set whenever the texts
    // of a language are applied to the window.
    QString RpmTextStr; // at most 10 characters; ends the hydraulic-motor model names
    QString FreeSpaceText1Str;
    QString FreeSpaceText2Str;
    TPrnStr FanPowerTextStr;
    QString VhmFreeSpaceText1Str;
    QString VhmFreeSpaceText2Str;

    // Switches.
    bool USVersionFLG = false;
    bool FixedInletTempFLG = false;
    TCoolerType CurrentCoolerType = AC_Cooler;
    int OutputOilAirDev = 3; // K between outlet oil and outlet air at least
    int OilMaxOilDev = 6;    // K; stored and edited, read by no calculation

    // The length of each series' model list.
    int32_t NoOfCoolersVAM = 0;
    int32_t NoOfCoolersVDM = 0;
    int32_t NoOfCoolersVHM = 0;
    int32_t NoOfCoolersVCS = 0;

    // Catalogue directory, ending in a directory separator (at most 255 characters).
    QString IniFilePath;
};

// The one instance of the running program.
TEngineState& EngineState();

// Puts every field back to its start value; tests call it between cases.
void ResetEngineState();
