#include "pages/selection/SelectionEntries.h"

#include <array>

const TEntryQuantity& QuantityOf(TSelectionEntry Entry) {
    static const std::array<TEntryQuantity, 5> quantities{{
        {TSelectionList::OilFlowUnit, TSelectionGroup::OilFlow, &TEngineState::InOilFlow,
         &TUnitConv::FlowToLiterPerMin, &TUnitConv::FlowFromLiterPerMin, 12},
        {TSelectionList::MaxTempUnit, TSelectionGroup::MaxTemp, &TEngineState::InMaxOilTemp,
         &TUnitConv::TempToC, &TUnitConv::TempFromC, 8},
        {TSelectionList::AirTempUnit, TSelectionGroup::AirTemp, &TEngineState::InAirTemp,
         &TUnitConv::TempToC, &TUnitConv::TempFromC, 8},
        {TSelectionList::AltitudeUnit, TSelectionGroup::Altitude, &TEngineState::InAltitude,
         &TUnitConv::LengthTom, &TUnitConv::LengthFromm, 8},
        {TSelectionList::HeatDissUnit, TSelectionGroup::HeatDiss, &TEngineState::InHeatDissi,
         &TUnitConv::HeatDissiTokW, &TUnitConv::HeatDissiFromkW, 8},
    }};
    return quantities[static_cast<int>(Entry)];
}
