#pragma once

#include "core/CoolerTypes.h"

#include <array>
#include <optional>

// The language buttons of the print setup, in the order the dialog holds them. Every button
// carries its language and can be checked by a stored report language; only English and
// Spanish are offered to the user.
struct TPrintLanguageButton {
    const char* Name; // the control's name
    TLanguageType Language;
    const char* CaptionKey; // Page_5
    bool Offered;
};
constexpr int PrintLanguageButtonCount = 12;

const std::array<TPrintLanguageButton, PrintLanguageButtonCount>& PrintLanguageButtons();

// The button of a language; none for the two English variants the dialog has no button for.
std::optional<int> PrintLanguageButtonOf(int LanguageOrdinal);

namespace PrintSetupTextKey {
inline constexpr const char* LanguageGroup = "1"; // Page_5
}
