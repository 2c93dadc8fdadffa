#include "texts/TableNames.h"

#include <array>
#include <cstddef>

namespace {
constexpr std::array<const char*, LanguageTypeCount> LanguageNames = {
    "ENGLISH", "US_ENGLISH", "AUS_ENGLISH", "GERMAN",  "DUTCH",   "FRANCE",   "POLISH",
    "SWEDISH", "SPANISH",    "DANISH",      "FINNISH", "ITALIAN", "CHECKISH", "NORWEGIAN",
};

constexpr std::array<const char*, LanguagePageTypeCount> PageNames = {
    "MainGroup", "Page_1", "Page_2", "Page_3",   "Page_4",
    "Page_5",    "Page_6", "Page_7", "AboutSec", "Print_page",
};
} // namespace

QString LanguageTypeName(TLanguageType Language) {
    if (static_cast<std::size_t>(Language) >= LanguageNames.size())
        return {};
    return QString::fromLatin1(LanguageNames[Language]);
}

QString LanguagePageTypeName(TLanguagePageType Page) {
    if (static_cast<std::size_t>(Page) >= PageNames.size())
        return {};
    return QString::fromLatin1(PageNames[Page]);
}
