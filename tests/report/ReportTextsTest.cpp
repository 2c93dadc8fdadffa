#include "report/ReportTexts.h"
#include "texts/Language.h"

#include <gtest/gtest.h>

namespace {

struct TextsCase {
    const char* Name;
    TLanguageType Language;
    QString Date;
    QString InputData;
    QString Weight;
    QString AlterationsNote;
};

class ReportTextsOf : public ::testing::TestWithParam<TextsCase> {};

TEST_P(ReportTextsOf, TheLanguageTheStoreIsSetTo) {
    const TextsCase& c = GetParam();
    TLanguage store;
    store.SetLanguageType(c.Language);
    const TReportTexts texts = ReadReportTexts(store);
    EXPECT_EQ(texts.Date.str(), c.Date);
    EXPECT_EQ(texts.InputData.str(), c.InputData);
    EXPECT_EQ(texts.Weight.str(), c.Weight);
    EXPECT_EQ(texts.AlterationsNote, c.AlterationsNote);
    EXPECT_TRUE(texts.CalculatedData.str().endsWith(':'))
        << texts.CalculatedData.str().toStdString();
    EXPECT_EQ(store.GetLastLanguagePage(), Page_3);
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportTextsOf,
                         ::testing::Values(TextsCase{"English", ENGLISH, "Date:", "Input data:",
                                                     "Weight", "Subject to technical alterations."},
                                           TextsCase{"Spanish", SPANISH,
                                                     "Fecha:", "Datos de entrada:", "Peso",
                                                     "Sujeto a modificaciones técnicas."}),
                         [](const auto& info) { return info.param.Name; });

// Both wordings of the lines that follow the calculation mode and the series are kept, so the
// report words them by its own data, not by the state the texts were read in.
TEST(ReportTexts, KeepBothWordingsOfTheModeAndSeriesLines) {
    TLanguage store;
    const TReportTexts texts = ReadReportTexts(store);
    EXPECT_EQ(texts.HeatDissiAtFixedTemp.str(), "Heat dissipation");
    EXPECT_EQ(texts.SpecificHeatDissi.str(), "Sp. heat dissipation");
    EXPECT_EQ(texts.MotorCapacity.str(), "Motor capacity");
    EXPECT_EQ(texts.FanPower.str(), "Fan power required");
    EXPECT_EQ(texts.HeatLoadTooLowNote, "NOTE: Heat dissipation is less than Cooling Required.");
    EXPECT_EQ(texts.InletTempTooHighNote, "NOTE: Inlet oil temperature is too high.");
}

// The page the store had loaded before, in another language, leaves no trace in the texts.
TEST(ReportTexts, AreTheSameWhateverTheStoreHadLoaded) {
    TLanguage fresh;
    TLanguage used;
    used.SetLanguageType(SPANISH);
    used.NewPageText(Page_1);
    used.SetLanguageType(ENGLISH);
    EXPECT_EQ(ReadReportTexts(used), ReadReportTexts(fresh));
    used.SetLanguageType(SPANISH);
    EXPECT_NE(ReadReportTexts(used), ReadReportTexts(fresh));
}

} // namespace
