#pragma once

// The text keys of the dimensions page (Page_3) and the MainGroup text its printed motor table
// shows. The window's text application and the command-line tool both word the page with
// these.
namespace DimensionsTextKey {

inline constexpr const char* DimensionChoice = "1";
inline constexpr const char* SeriesAC = "2";
inline constexpr const char* SeriesDC = "3";
inline constexpr const char* SeriesHydraulic = "4";
inline constexpr const char* SeriesSystem = "17";
inline constexpr const char* DimensionData = "5";
inline constexpr const char* FixMotorCapacity = "6";
inline constexpr const char* FixWeight = "8";
inline constexpr const char* FixCoolArea = "9";
inline constexpr const char* FixOilVolume = "10";
inline constexpr const char* ThreadNote = "11"; // European edition only
inline constexpr const char* FreeSpaceText1 = "12";
inline constexpr const char* FreeSpaceText2 = "13";
inline constexpr const char* CodeKey = "18";
inline constexpr const char* Drawing = "19";
inline constexpr const char* FanPowerText = "20";
inline constexpr const char* VhmFreeSpaceText1 = "21";
inline constexpr const char* VhmFreeSpaceText2 = "22";
inline constexpr const char* VhmMotorData = "24";
// The drawing-file instructions, 11 texts from this key on; no page shows them.
inline constexpr int FirstDxfInfo = 25;

// MainGroup: the word that precedes version numbers.
inline constexpr const char* VersionWord = "26";

} // namespace DimensionsTextKey
