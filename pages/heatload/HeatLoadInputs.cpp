#include "pages/heatload/HeatLoadInputs.h"

#include <array>

const THeatLoadInput& InputOf(THeatLoadEntry Entry) {
    static const std::array<THeatLoadInput, HeatLoadInputs.size()> inputs{{
        {&THeatLoadFields::OilVolume, &TUnitConv::VolumeToliter, &TUnitConv::VolumeFromliter,
         "OilVolumeData", "OilVolumeCombo", 4},
        {&THeatLoadFields::Density, &TUnitConv::DensityTokg_dm3, &TUnitConv::DensityFromkg_dm3,
         "DensityData", "DensityCombo", 2},
        {&THeatLoadFields::HeatCapa, &TUnitConv::CapacitivityHeatToKJKgK,
         &TUnitConv::CapacitivityHeatFromKJKgK, "HeatCapData", "HeatCapCombo", 1},
        {&THeatLoadFields::StartTemp, &TUnitConv::TempToC, &TUnitConv::TempFromC, "StartTempData",
         "StartTempCombo", 1},
        {&THeatLoadFields::EndTemp, &TUnitConv::TempToC, &TUnitConv::TempFromC, "EndTempData",
         "EndTempCombo", 1},
        {&THeatLoadFields::TimeInterval, nullptr, nullptr, "TimeIntervalData", nullptr, 0},
    }};
    return inputs.at(static_cast<std::size_t>(Entry));
}
