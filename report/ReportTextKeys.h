#pragma once

// The text keys of the report's labels and notes. The report borrows the labels of the pages
// whose values it prints: the main group's report texts, the selection page's captions and
// the dimensions page's weight.
namespace ReportTextKey {

// MainGroup
inline constexpr const char* Date = "13";
inline constexpr const char* YourRef = "14";
inline constexpr const char* OurRef = "15";
inline constexpr const char* Information = "16";
inline constexpr const char* CatalogueNote = "17";
inline constexpr const char* AlterationsNote = "18";
inline constexpr const char* HeatLoadTooLowNote = "19";
inline constexpr const char* InputData = "22";
inline constexpr const char* HydraulicOil = "23";
inline constexpr const char* InletTempTooHighNote = "34";

// Page_1
inline constexpr const char* OilFlow = "5";
inline constexpr const char* MaxInletTemp = "6";
inline constexpr const char* AirTemp = "7";
inline constexpr const char* Altitude = "8";
inline constexpr const char* CoolingRequired = "9";
inline constexpr const char* CalculatedData = "10";
inline constexpr const char* InletOilTemp = "11";
inline constexpr const char* OutletOilTemp = "12";
inline constexpr const char* OutletAirTemp = "13";
inline constexpr const char* HeatDissiAtFixedTemp = "14";
inline constexpr const char* SpecificHeatDissi = "29";
inline constexpr const char* OilPressure = "15";
inline constexpr const char* AirFlow = "16";
inline constexpr const char* MotorCapacity = "17";
inline constexpr const char* FanPower = "27"; // the hydraulic-motor series
inline constexpr const char* NoiseLevel = "18";
inline constexpr const char* Protection = "19";

// Page_3
inline constexpr const char* Weight = "8";

} // namespace ReportTextKey
