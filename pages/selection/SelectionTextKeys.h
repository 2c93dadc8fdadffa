#pragma once

#include "pages/selection/SelectionView.h"

// The text keys of the selection page: its own page of texts (Page_1) and the few MainGroup
// texts it shows. The window's text application and the command-line tool both word the page
// with these.
namespace SelectionTextKey {

// Page_1
inline constexpr const char* CoolerData = "1";
inline constexpr const char* SeriesAC = "2";
inline constexpr const char* SeriesDC = "3";
inline constexpr const char* SeriesHydraulic = "4";
inline constexpr const char* SeriesSystem = "26";
inline constexpr const char* OilType = "24";
inline constexpr const char* OutOfRange = "25";
inline constexpr const char* OilFlow = "5";
inline constexpr const char* MaxTemp = "6";
inline constexpr const char* AirTemp = "7";
inline constexpr const char* Altitude = "8";
inline constexpr const char* HeatDiss = "9";
inline constexpr const char* Output = "10";
inline constexpr const char* OilInletTemp = "11";
inline constexpr const char* OilOutletTemp = "12";
inline constexpr const char* AirOutletTemp = "13";
inline constexpr const char* HeatLoadAtFixedTemp = "14";
inline constexpr const char* SpecificHeatLoad = "29";
inline constexpr const char* OilPressure = "15";
inline constexpr const char* AirFlow = "16";
inline constexpr const char* MotorCapacity = "17";
inline constexpr const char* PowerCapacity = "27";
inline constexpr const char* NoiseAt1m = "18";
inline constexpr const char* NoiseAt3ft = "28";
inline constexpr const char* ProtectionStd = "19";
inline constexpr const char* CalcSelected = "20";
inline constexpr const char* CalcNew = "21";
inline constexpr const char* NoCooler = "22";
inline constexpr const char* NotRecommended = "23";
inline constexpr const char* AirTooClose = "31";

// MainGroup
inline constexpr const char* AlterationsNote = "18";
inline constexpr const char* RpmText = "25";
// How much of the rpm word the model names take.
constexpr qsizetype RpmTextLength = 10;
inline constexpr const char* Mode = "31";
inline constexpr const char* FixedTemp = "32";
inline constexpr const char* FixedPower = "33";
// Read by the entries of every page: the two readings of a number ("Write %1 or %2").
inline constexpr const char* ThousandsReadings = "35";

} // namespace SelectionTextKey

// The caption key of a group whose caption names its quantity.
const char* GroupCaptionKey(TSelectionGroup Group);

// The heat line shows the dissipation at the fixed inlet temperature in that mode, the
// specific dissipation otherwise.
const char* HeatLoadCaptionKey(bool FixedInletTemp);

// The noise is given at 3 ft when the altitude is entered in feet, at 1 m otherwise.
const char* NoiseCaptionKey(bool AltitudeInFeet);
