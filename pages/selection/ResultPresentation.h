#pragma once

#include "core/CoolerTypes.h"
#include "engine/Sizing.h"
#include "pages/selection/SelectionView.h"
#include "report/SelectionReportData.h"

#include <array>

// The positions picked in the page's unit lists, which set how results are written.
struct DisplayUnits {
    int Flow = 0;
    int OilTemp = 0;
    int AirTemp = 0;
    int Altitude = 0;
    int Heat = 0;
};

// How results are written besides the units: the quantity the heat line shows follows what is
// held, and the US catalogue gives motor power in HP.
struct PresentationStyle {
    DisplayUnits Units;
    bool InletTempHeld = false;
    bool USEdition = false;
};

// A rating as the result panel shows it: the value text of each line with its background, and
// the backgrounds of the two entries a shortfall is shown on.
struct PresentedResult {
    std::array<QString, ResultLineCount> Values;
    std::array<TColor, ResultLineCount> Backgrounds;
    TColor HeatEntryBackground = clWhite;
    TColor MaxTempEntryBackground = clWhite;

    PresentedResult() { Backgrounds.fill(clWhite); }
    const QString& Value(TResultLine Line) const { return Values[static_cast<int>(Line)]; }
    TColor Background(TResultLine Line) const { return Backgrounds[static_cast<int>(Line)]; }
    // A value shown on a red background: the model falls short of the operating point there.
    bool Highlighted(TResultLine Line) const {
        return !Value(Line).isEmpty() && Background(Line) != clWhite;
    }
};

// The text colour that stays readable on a result background.
TColor ReadableOn(TColor Background);

// "IP " and the model's protection class, or empty for a series without an electric motor.
QString ProtectionText(TCoolerType Series, const ModelRecord& Model);

// The texts and colours of `Result`, a rating of `Model` of `Series`. The shortfall shows
// where the user can act: on the cooling required when the inlet temperature is held, on the
// inlet temperature when the cooling is; an inlet temperature above the maximum is one either
// way. The outlet temperatures are red where the outlet oil comes closer to the outlet air than
// the margin.
PresentedResult PresentRating(const Rating& Result, const ModelRecord& Model, TCoolerType Series,
                              const PresentationStyle& Style);

// A temperature difference in the temperature unit at `TempUnit`, rounded up so that the
// difference named suffices: "9 K", "17 °F".
QString TemperatureDifferenceText(double DifferenceK, int TempUnit);

// A candidate's row of the grid: model, heat, inlet oil temperature, noise, pressure drop.
TSampleRow CandidateRow(const QString& ModelName, const PresentedResult& Shown, bool Undersized);

// The results as the report copies them from the panel: the texts and which are highlighted.
void CopyResultsInto(TSelectionReportData& Data, const PresentedResult& Shown);
