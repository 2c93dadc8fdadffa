#include "texts/PageTexts.h"

#include "tests/texts/TableTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct SplitCase {
    const char* Name;
    QString Content;
    QStringList Expected;
};

class TableFileFormat : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TableFileFormat, OneTableLinePerFileLine) {
    EXPECT_EQ(SplitTableLines(GetParam().Content), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TableFileFormat,
    ::testing::Values(
        SplitCase{"FinalNewlineAddsNoLine", "1=a\n2=b\n", {"1=a", "2=b"}},
        SplitCase{"MissingFinalNewline", "1=a\n2=b", {"1=a", "2=b"}},
        SplitCase{"BlankLineBeforeFinalNewlineIsALine", "1=a\n\n", {"1=a", ""}},
        SplitCase{"LoneNewlineIsOneEmptyLine", "\n", {""}}, SplitCase{"EmptyFile", "", {}},
        SplitCase{"TrailingBlanksAndAmpersandsKept",
                  "1=Cooler type \n20=&Selected\n",
                  {"1=Cooler type ", "20=&Selected"}},
        SplitCase{"CrBeforeNewlineDropped", "1=a \r\n2=b\r\n", {"1=a ", "2=b"}},
        SplitCase{"ByteOrderMarkDropped", QString(QChar::ByteOrderMark) + "1=a\n", {"1=a"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LoadPageTexts, PairsWithoutTableAppendNothing) {
    for (TLanguageType language : {ENGLISH, GERMAN, FINNISH, CHECKISH}) {
        for (TLanguagePageType page : AllPages()) {
            const bool hasTable =
                language != FINNISH && language != CHECKISH &&
                std::find(TablePages().begin(), TablePages().end(), page) != TablePages().end();
            if (hasTable)
                continue;
            QStringList lines{"kept"};
            LoadPageTexts(language, page, lines);
            EXPECT_EQ(lines, QStringList{"kept"}) << TableLabel(language, page);
        }
    }
}

TEST(LoadPageTexts, AppendsInTableOrderBehindExistingLines) {
    QStringList lines{"kept"};
    LoadPageTexts(ENGLISH, AboutSec, lines);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.first(), "kept");
    EXPECT_EQ(lines[1], "1=");
    EXPECT_EQ(lines[2], "2=Brenvik Corporation");
    EXPECT_EQ(lines[5].left(2), "5=");
}

TEST(LoadPageTexts, LinesArriveExactlyAsTheTableHoldsThem) {
    const QStringList lines = TableOf(ENGLISH, Page_1);
    ASSERT_GE(lines.size(), 21);
    EXPECT_EQ(lines[0], "1=Cooler type ");
    EXPECT_EQ(lines[19], "20=&Selected");
}

} // namespace
