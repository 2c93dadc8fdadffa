#pragma once

#include "pages/selection/ResultPresentation.h"

#include <array>
#include <optional>

// A result as a number in the unit its text shows, for scripts that would otherwise read the
// number back out of the text.
struct ResultValue {
    double Value = 0;
    QString Unit;
};

using ResultValues = std::array<std::optional<ResultValue>, ResultLineCount>;

// The numbers behind the texts of PresentRating, unrounded, by result line; none where a line
// shows no number (the protection class) or the model was not rated.
ResultValues ResultValuesOf(const Rating& Result, const ModelRecord& Model,
                            const PresentationStyle& Style);

// An oil flow in l/min as a number in the flow unit at `FlowUnit`.
ResultValue FlowValue(float FlowLiterPerMin, int FlowUnit);

// How a rated model meets the operating point: "fits", "removesTooLittle" (at the maximum inlet
// oil temperature) or "inletAboveMaximum" (it needs its inlet oil hotter than allowed).
QString VerdictOf(const Rating& Result);
