#include "pages/selection/SelectionEntries.h"

#include <array>

const TEntryQuantity& QuantityOf(TSelectionEntry Entry) {
    static const std::array<TEntryQuantity, 5> quantities{{
        {TSelectionList::OilFlowUnit, TSelectionGroup::OilFlow, &OperatingPoint::OilFlow,
         &TUnitConv::FlowToLiterPerMin, &TUnitConv::FlowFromLiterPerMin, 12},
        {TSelectionList::MaxTempUnit, TSelectionGroup::MaxTemp, &OperatingPoint::MaxInletOilTemp,
         &TUnitConv::TempToC, &TUnitConv::TempFromC, 8},
        {TSelectionList::AirTempUnit, TSelectionGroup::AirTemp, &OperatingPoint::AirTemp,
         &TUnitConv::TempToC, &TUnitConv::TempFromC, 8},
        {TSelectionList::AltitudeUnit, TSelectionGroup::Altitude, &OperatingPoint::Altitude,
         &TUnitConv::LengthTom, &TUnitConv::LengthFromm, 8},
        {TSelectionList::HeatDissUnit, TSelectionGroup::HeatDiss, &OperatingPoint::CoolingRequired,
         &TUnitConv::HeatDissiTokW, &TUnitConv::HeatDissiFromkW, 8},
    }};
    return quantities[static_cast<int>(Entry)];
}
