// The three English variants: the US tables are the English ones, the Australian tables
// differ in a fixed set of lines and nowhere else.

#include "tests/texts/TableTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

struct AustralianLine {
    QString English;
    QString Australian;
};

const std::map<std::pair<TLanguagePageType, QString>, AustralianLine> AustralianLines = {
    {{MainGroup, "3"}, {"Capacity calculation", "Cooling required calculation"}},
    {{MainGroup, "18"},
     {"Subject to technical alterations.", "Subject to technical modifications."}},
    {{Page_1, "20"}, {"&Selected", "&Calculate"}},
    {{Page_2, "2"},
     {"By measuring the oil temperature in a working system, not fitted",
      "By measuring the oil temperature increase in a system without"}},
    {{Page_2, "3"},
     {"with a cooler, at two different occasions, required cooling",
      "a cooler running, at two different time intervals, the heat load"}},
    {{Page_2, "4"},
     {"capacity can be calculated, i.e. the heat that must be dissipated",
      "generated in this system may be calculated."}},
    {{Page_2, "5"},
     {"to maintain a constant oil temperature.",
      "This represents the amount of heat that must be dissipated"}},
    {{Page_2, "6"}, {"", "to maintain a balanced oil temperature."}},
    {{Page_2, "9"}, {"Density", "Specific gravity"}},
    {{Page_2, "11"}, {"Initial oil temperature", "Frist oil measurement"}},
    {{Page_2, "12"}, {"Final oil temperature", "Second oil measurement"}},
    {{Page_2, "14"}, {"Required cooling capacity", "Cooling required"}},
    {{Page_3, "18"}, {"Ordering key", "Part number:"}},
    {{Page_3, "28"},
     {"1. Mark in the dialogue box \"open\" the file, which you want to copy.",
      "1. Highlight in the dialogue box \"open\" the file that you want to copy."}},
    {{Page_3, "29"},
     {"2. Select, using the \"Save as\" dialogue box, where in the computer",
      "2. Select, using the \"Save as\" dialogue box, where in the computer "}},
};

TEST(EnglishVariants, UsEnglishEqualsEnglishOnEveryPage) {
    for (TLanguagePageType page : AllPages())
        EXPECT_EQ(TableOf(US_ENGLISH, page), TableOf(ENGLISH, page)) << TableLabel(ENGLISH, page);
}

TEST(EnglishVariants, AustralianEnglishDiffersInItsOwnLinesOnly) {
    for (TLanguagePageType page : AllPages()) {
        const QStringList english = TableOf(ENGLISH, page);
        const QStringList australian = TableOf(AUS_ENGLISH, page);
        ASSERT_EQ(australian.size(), english.size()) << TableLabel(AUS_ENGLISH, page);

        for (qsizetype row = 0; row < english.size(); ++row) {
            const QString key = KeyOf(english[row]);
            SCOPED_TRACE(TextLabel(AUS_ENGLISH, page, key));
            const auto differing = AustralianLines.find({page, key});
            if (differing == AustralianLines.end()) {
                EXPECT_EQ(australian[row], english[row]);
                continue;
            }
            EXPECT_EQ(english[row], key + "=" + differing->second.English);
            EXPECT_EQ(australian[row], key + "=" + differing->second.Australian);
        }
    }
}

} // namespace
