#pragma once

#include "core/CoolerTypes.h"

#include <QString>

#include <array>

// What the selection page shows at the moment of printing, as the report copies it: the
// report matches the screen, so values are taken as shown, not recomputed.
struct TSelectionReportData {
    // An entry's text as typed and the unit picked beside it.
    struct TInput {
        QString Text;
        QString Unit;
    };
    // The five inputs in the page's order: oil flow, maximum inlet oil temperature, maximum
    // ambient air temperature, altitude, cooling required.
    static constexpr int InputCount = 5;

    // The page's series and calculation mode: they word the heat and motor lines and the note
    // on a shortfall, and name the catalogue file of the weight.
    TCoolerType Series = AC_Cooler;
    bool InletTempHeld = false;

    QString ModelName;     // the model list's current item
    QString CatalogueName; // the model's catalogue name, from which its weight is read
    QString OilGrade;
    std::array<TInput, InputCount> Inputs;

    // The result panel's value texts.
    QString OilInletTemp;
    QString OilOutletTemp;
    QString AirOutletTemp;
    QString HeatLoad;
    QString OilPressure;
    QString AirFlow;
    QString MotorCapacity;
    QString NoiseLevel;
    QString Protection;
    // The heat and inlet-temperature values are highlighted when the cooler falls short.
    bool HeatLoadHighlighted = false;
    bool OilInletTempHighlighted = false;
};
