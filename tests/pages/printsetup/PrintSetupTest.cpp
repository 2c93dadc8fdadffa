#include "pages/printsetup/HeadlessPrintSetupView.h"
#include "pages/printsetup/PrintCommand.h"
#include "pages/printsetup/PrintSetupController.h"
#include "report/ReportTexts.h"
#include "texts/Language.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

namespace {

int ButtonOf(TLanguageType language) {
    return *PrintLanguageButtonOf(language);
}

TReportTexts ReportTextsIn(TLanguageType language) {
    TLanguage store;
    store.SetLanguageType(language);
    return ReadReportTexts(store);
}

// The print setup of a window in English with the selection page's texts loaded; the
// "user" answers the dialog through Answer.
class PrintSetup : public ::testing::Test {
protected:
    PrintSetup() {
        Store.SetLanguageType(ENGLISH);
        Store.NewPageText(Page_1);
        Dialog.OnShowModal = [this] { return Answer ? Answer() : true; };
    }

    // The print command; what the report was written with, nothing when it was not written.
    std::optional<TPrintSetupChoice> Print() {
        std::optional<TPrintSetupChoice> written;
        RunPrintCommand(Store, Controller,
                        [&](const TPrintSetupChoice& choice) { written = choice; });
        return written;
    }

    TLanguage Store;
    THeadlessPrintSetupView Dialog;
    TMemoryPrintSetupSettings Stored;
    bool FirstTimePrePrintFLG = true;
    TPrintSetupController Controller{Dialog, Stored, FirstTimePrePrintFLG};
    std::function<bool()> Answer;
};

TEST_F(PrintSetup, FirstShowingOfARunStartsEmptyThoughReferencesAreStored) {
    Stored.Your = "last run's";
    Stored.Our = "also last run's";
    Answer = [this] {
        EXPECT_EQ(Dialog.YourRef, "");
        EXPECT_EQ(Dialog.OurRef, "");
        return true;
    };
    EXPECT_TRUE(Print().has_value());
    EXPECT_FALSE(FirstTimePrePrintFLG);
    EXPECT_EQ(Dialog.Showings, 1);
}

TEST_F(PrintSetup, CancelStoresTheTypedReferencesWhichTheNextShowingOffersAgain) {
    Answer = [this] {
        Dialog.YourRef = "Press 4";
        Dialog.OurRef = "Q-118";
        return false;
    };
    EXPECT_FALSE(Print().has_value());
    EXPECT_EQ(Stored.Your, "Press 4");
    EXPECT_EQ(Stored.Our, "Q-118");
    EXPECT_EQ(Stored.Language, ENGLISH);

    Dialog.YourRef.clear();
    Dialog.OurRef.clear();
    Answer = [this] {
        EXPECT_EQ(Dialog.YourRef, "Press 4");
        EXPECT_EQ(Dialog.OurRef, "Q-118");
        return true;
    };
    const std::optional<TPrintSetupChoice> written = Print();
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->References.YourRef.str(), "Press 4");
    EXPECT_EQ(written->References.OurRef.str(), "Q-118");
}

TEST_F(PrintSetup, ASixtyCharacterReferenceIsReportedShownAgainAndStoredAsItsFirstFifty) {
    const QString sixty = QString("0123456789").repeated(6);
    Answer = [&] {
        Dialog.YourRef = sixty;
        return true;
    };
    const std::optional<TPrintSetupChoice> written = Print();
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->References.YourRef.str(), sixty.left(50));
    EXPECT_EQ(Stored.Your, sixty.left(50));
    Answer = [&] {
        EXPECT_EQ(Dialog.YourRef, sixty.left(50));
        return true;
    };
    Print();
}

struct StoredLanguageCase {
    const char* Name;
    std::optional<int32_t> Stored;
    TLanguageType Checked;
    TLanguageType ReportLanguage;
    QString Weight; // the report's weight label in that language
    int32_t StoredAfter;
};

class StoredReportLanguage : public PrintSetup,
                             public ::testing::WithParamInterface<StoredLanguageCase> {};

TEST_P(StoredReportLanguage, ChecksItsButtonAndLoadsTheReportTextsInIt) {
    const StoredLanguageCase& c = GetParam();
    Stored.Language = c.Stored;
    TLanguageType loadedIn = ENGLISH;
    Answer = [&] {
        EXPECT_EQ(Dialog.Checked, ButtonOf(c.Checked));
        return true;
    };
    std::optional<TPrintSetupChoice> written;
    RunPrintCommand(Store, Controller, [&](const TPrintSetupChoice& choice) {
        loadedIn = Store.GetLanguageType();
        written = choice;
    });
    EXPECT_EQ(Controller.PrnLangue, c.ReportLanguage);
    EXPECT_EQ(loadedIn, c.ReportLanguage);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->ReportLanguage, c.ReportLanguage);
    EXPECT_EQ(written->Texts.Weight.str(), c.Weight);
    EXPECT_EQ(Stored.Language, c.StoredAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, StoredReportLanguage,
    ::testing::Values(
        StoredLanguageCase{"Absent", std::nullopt, ENGLISH, ENGLISH, "Weight", 0},
        StoredLanguageCase{"Spanish", 8, SPANISH, SPANISH, "Peso", 8},
        StoredLanguageCase{"UsEnglishHasNoButton", 1, ENGLISH, US_ENGLISH, "Weight", 0},
        StoredLanguageCase{"FinnishWithoutTextsWritesEnglish", 10, ENGLISH, ENGLISH, "Weight", 0},
        StoredLanguageCase{"CzechWithoutTextsWritesEnglish", 12, ENGLISH, ENGLISH, "Weight", 0},
        StoredLanguageCase{"NoLanguageAtAll", 77, ENGLISH, ENGLISH, "Weight", 0}),
    [](const auto& info) { return info.param.Name; });

TEST_F(PrintSetup, ClickingALanguageWritesTheReportInIt) {
    Answer = [this] {
        Dialog.Checked = ButtonOf(SPANISH);
        Controller.LanguageClick(SPANISH);
        return true;
    };
    const std::optional<TPrintSetupChoice> written = Print();
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->Texts.InputData.str(), "Datos de entrada:");
    EXPECT_EQ(written->Texts.CalculatedData.str().right(1), ":");
    EXPECT_EQ(written->Texts, ReportTextsIn(SPANISH));
    EXPECT_EQ(Stored.Language, SPANISH);
}

// The window's language words the dialog, never the report.
TEST_F(PrintSetup, AWindowInAnotherLanguageLeavesTheReportInTheReportLanguage) {
    Store.SetLanguageType(SPANISH);
    Stored.Language = ENGLISH;
    Answer = [this] {
        Dialog.YourRef = "Press 4";
        return true;
    };
    const std::optional<TPrintSetupChoice> written = Print();
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->ReportLanguage, ENGLISH);
    EXPECT_EQ(written->Texts, ReportTextsIn(ENGLISH));
    EXPECT_EQ(written->Texts.YourRef.str(), "Your reference:");
    EXPECT_EQ(written->References.YourRef.str(), "Press 4");
    EXPECT_EQ(Store.GetLanguageType(), SPANISH);
}

TEST_F(PrintSetup, CaptionsInTheWindowsLanguageWithoutColons) {
    Store.SetLanguageType(SPANISH);
    Print();
    EXPECT_EQ(Dialog.YourRefCaption, "Su referencia");
    EXPECT_EQ(Dialog.OurRefCaption, "Nuestra referencia");
    EXPECT_EQ(Dialog.LanguageGroupCaption, "Seleccione el idioma");
    EXPECT_EQ(Dialog.ButtonCaptions[ButtonOf(SPANISH)], "Español");
}

TEST_F(PrintSetup, OnlyEnglishAndSpanishAreOffered) {
    QList<TLanguageType> offered;
    for (const TPrintLanguageButton& button : PrintLanguageButtons())
        if (button.Offered)
            offered.append(button.Language);
    EXPECT_EQ(offered, (QList<TLanguageType>{ENGLISH, SPANISH}));
}

struct RestoreCase {
    const char* Name;
    bool Ok;
    bool ReportFails;
};

class PrintCommandRestores : public PrintSetup,
                             public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(PrintCommandRestores, TheWindowsLanguageAndPageInEveryCase) {
    const RestoreCase& c = GetParam();
    Store.SetLanguageType(GERMAN);
    Store.NewPageText(Page_3);
    Stored.Language = SPANISH;
    Answer = [&] { return c.Ok; };
    const auto print = [&] {
        RunPrintCommand(Store, Controller, [&](const TPrintSetupChoice&) {
            if (c.ReportFails)
                throw std::runtime_error("the report failed");
        });
    };
    if (c.ReportFails)
        EXPECT_THROW(print(), std::runtime_error);
    else
        print();
    EXPECT_EQ(Store.GetLanguageType(), GERMAN);
    EXPECT_EQ(Store.GetLastLanguagePage(), Page_3);
    EXPECT_EQ(Controller.ParentLanguageType, GERMAN);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintCommandRestores,
                         ::testing::Values(RestoreCase{"Cancelled", false, false},
                                           RestoreCase{"Written", true, false},
                                           RestoreCase{"ReportFailed", true, true}),
                         [](const auto& info) { return info.param.Name; });

} // namespace
