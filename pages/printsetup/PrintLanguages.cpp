#include "pages/printsetup/PrintLanguages.h"

const std::array<TPrintLanguageButton, PrintLanguageButtonCount>& PrintLanguageButtons() {
    static const std::array<TPrintLanguageButton, PrintLanguageButtonCount> buttons{{
        {"rbEnglish", ENGLISH, "2", true},
        {"rbDeutsch", GERMAN, "3", false},
        {"rbDutch", DUTCH, "4", false},
        {"rbFrance", FRANCE, "5", false},
        {"rbPolsky", POLISH, "6", false},
        {"rbSwedish", SWEDISH, "7", false},
        {"rbDanish", DANISH, "8", false},
        {"rbFinnish", FINNISH, "9", false},
        {"rbItalian", ITALIAN, "10", false},
        {"rbSpanish", SPANISH, "11", true},
        {"rbCheckish", CHECKISH, "12", false},
        {"rbNorwegian", NORWEGIAN, "13", false},
    }};
    return buttons;
}

std::optional<int> PrintLanguageButtonOf(int LanguageOrdinal) {
    for (int i = 0; i < PrintLanguageButtonCount; ++i) {
        if (PrintLanguageButtons()[i].Language == LanguageOrdinal)
            return i;
    }
    return std::nullopt;
}
