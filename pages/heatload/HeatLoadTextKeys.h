#pragma once

#include "pages/heatload/HeatLoadView.h"

#include <array>

// The text keys of the heat-load page (Page_2). The window's text application and the
// command-line tool both word the page with these.
namespace HeatLoadTextKey {

inline constexpr const char* Description = "1";
// The six lines of the description, lbFreeTextHeatDissi1 to lbFreeTextHeatDissi6.
inline constexpr std::array<const char*, 6> DescriptionLines{"2", "3", "4", "5", "6", "7"};
inline constexpr const char* OilVolume = "8";
inline constexpr const char* Density = "9";
inline constexpr const char* HeatCapa = "10";
inline constexpr const char* StartTemp = "11";
inline constexpr const char* EndTemp = "12";
inline constexpr const char* TimeInterval = "13";
inline constexpr const char* Result = "14";
inline constexpr const char* Calculate = "15";

} // namespace HeatLoadTextKey

// The caption key of the group an entry sits in.
const char* HeatLoadGroupKey(THeatLoadEntry Entry);
