#pragma once

#include <QString>

#include <cstdint>
#include <ostream>

// The shared vocabulary of the program. Every ordinal is fixed: several are written to the
// settings store, index tables or select branches, so values must never be reordered.

enum TCoolerType : uint8_t {
    AC_Cooler = 0,     // VAM, fan driven by an A.C. motor
    DC_Cooler = 1,     // VDM, fan driven by a D.C. motor
    Cooler_System = 2, // VHM, fan driven by a hydraulic motor (not the cooling-system series)
    VCS_Cooler = 3,    // VCS, complete cooling system with its own pump
};

enum TLanguageType : uint8_t {
    ENGLISH = 0,
    US_ENGLISH = 1,
    AUS_ENGLISH = 2,
    GERMAN = 3,
    DUTCH = 4,
    FRANCE = 5,
    POLISH = 6,
    SWEDISH = 7,
    SPANISH = 8,
    DANISH = 9,
    FINNISH = 10,
    ITALIAN = 11,
    CHECKISH = 12,
    NORWEGIAN = 13,
};
constexpr int LanguageTypeCount = 14;

enum TLanguagePageType : uint8_t {
    MainGroup = 0,
    Page_1 = 1,
    Page_2 = 2,
    Page_3 = 3,
    Page_4 = 4,
    Page_5 = 5,
    Page_6 = 6,
    Page_7 = 7,
    AboutSec = 8,
    Print_page = 9,
};
constexpr int LanguagePageTypeCount = 10;

// Verdict of the input and model checks of one cooler calculation.
enum TLimitResultError : uint8_t {
    LR_OK = 0,
    LR_FLOW_ERR = 1,
    LR_OIL_TEMP_ERR = 2,
    LR_AIR_TEMP_ERR = 3,
    LR_ATITUDE_ERR = 4,
    LR_HEAT_DISSI_ERR = 5,
    LR_INOIL_AIR_TEMP_ERR = 6,
    LR_SPEC_HEAT_DISSI_ERR = 7,
    LR_UNKNOWN_ERR = 8,
};

enum TResultWarning : uint8_t {
    WR_NON = 0,
    WR_OUTOIL_AIR_TEMP_ERR = 1, // outlet oil stays closer than the margin to the outlet air
};

// Outcome of choosing a cooler of a series.
enum TFoundResult : uint8_t {
    FR_FOUND = 0,
    FR_AIR_OIL_TEMP_ERR = 1, // reserved: no walk returns it
    FR_OILFLOW_ZERO = 2,
    FR_NON = 3,
};

// A text of at most 50 characters; longer texts are cut when assigned.
class TPrnStr {
public:
    static constexpr int MaxLength = 50;

    TPrnStr() = default;
    TPrnStr(const QString& text) : Text(text.left(MaxLength)) {}
    TPrnStr& operator=(const QString& text) {
        Text = text.left(MaxLength);
        return *this;
    }
    operator const QString&() const { return Text; }
    const QString& str() const { return Text; }
    bool operator==(const TPrnStr&) const = default;

private:
    QString Text;
};

// Colours of the result display as 0xRRGGBB, so the engine needs no GUI library.
using TColor = uint32_t;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0xFF0000;
constexpr TColor clBlack = 0x000000;

// Result codes print as numbers, not as the characters of their 8-bit values.
inline std::ostream& operator<<(std::ostream& os, TLimitResultError r) {
    return os << int(r);
}
inline std::ostream& operator<<(std::ostream& os, TFoundResult r) {
    return os << int(r);
}
inline std::ostream& operator<<(std::ostream& os, TCoolerType r) {
    return os << int(r);
}
