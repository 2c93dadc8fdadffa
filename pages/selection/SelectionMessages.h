#pragma once

#include "core/MessageService.h"
#include "engine/Sizing.h"
#include "pages/selection/ResultPresentation.h"
#include "pages/selection/SelectionCaptions.h"

// The message of a calculation refused with `Code`, worded with the page's captions and, for a
// range, its limits in the units shown: the oil flow's from `MinFlow` to `MaxFlow` l/min.
QString RefusalMessage(TLimitResultError Code, double MinFlow, double MaxFlow,
                       const SelectionCaptions& Captions, const DisplayUnits& Units,
                       bool InletTempHeld);

// Why "Calculate New Cooler" chose nothing, as the page tells it; `FlowText` is the oil flow
// entry as shown.
TShownMessage NothingChosenMessage(const SizingResult& Result, const SelectionCaptions& Captions,
                                   const DisplayUnits& Units, bool InletTempHeld,
                                   const QString& FlowText);
