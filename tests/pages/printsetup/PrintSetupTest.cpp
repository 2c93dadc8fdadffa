#include "core/EngineState.h"
#include "pages/printsetup/HeadlessPrintSetupView.h"
#include "pages/printsetup/PrintCommand.h"
#include "pages/printsetup/PrintSetupController.h"
#include "texts/Language.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

int ButtonOf(TLanguageType language) {
    return *PrintLanguageButtonOf(language);
}

// The print setup of a window in English with the selection page's texts loaded; the
// "user" answers the dialog through Answer.
class PrintSetup : public ::testing::Test {
protected:
    PrintSetup() {
        ResetEngineState();
        Store.SetLanguageType(ENGLISH);
        Store.NewPageText(Page_1);
        Dialog.OnShowModal = [this] { return Answer ? Answer() : true; };
    }
    ~PrintSetup() override { ResetEngineState(); }

    // The print command; true when it wrote the report.
    bool Print() {
        bool written = false;
        RunPrintCommand(Store, Controller, [&] { written = true; });
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
    EXPECT_TRUE(Print());
    EXPECT_FALSE(FirstTimePrePrintFLG);
    EXPECT_EQ(Dialog.Showings, 1);
}

TEST_F(PrintSetup, CancelStoresTheTypedReferencesWhichTheNextShowingOffersAgain) {
    Answer = [this] {
        Dialog.YourRef = "Press 4";
        Dialog.OurRef = "Q-118";
        return false;
    };
    EXPECT_FALSE(Print());
    EXPECT_EQ(Stored.Your, "Press 4");
    EXPECT_EQ(Stored.Our, "Q-118");
    EXPECT_EQ(Stored.Language, ENGLISH);
    // Cancel loads the report texts just as OK does.
    EXPECT_EQ(EngineState().WeightTextStr.str(), "Weight");

    Dialog.YourRef.clear();
    Dialog.OurRef.clear();
    Answer = [this] {
        EXPECT_EQ(Dialog.YourRef, "Press 4");
        EXPECT_EQ(Dialog.OurRef, "Q-118");
        return true;
    };
    EXPECT_TRUE(Print());
    EXPECT_EQ(EngineState().YourRefStr.str(), "Press 4");
    EXPECT_EQ(EngineState().OurRefStr.str(), "Q-118");
}

TEST_F(PrintSetup, ASixtyCharacterReferenceIsReportedShownAgainAndStoredAsItsFirstFifty) {
    const QString sixty = QString("0123456789").repeated(6);
    Answer = [&] {
        Dialog.YourRef = sixty;
        return true;
    };
    Print();
    EXPECT_EQ(EngineState().YourRefStr.str(), sixty.left(50));
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
    RunPrintCommand(Store, Controller, [&] { loadedIn = Store.GetLanguageType(); });
    EXPECT_EQ(Controller.PrnLangue, c.ReportLanguage);
    EXPECT_EQ(loadedIn, c.ReportLanguage);
    EXPECT_EQ(EngineState().WeightTextStr.str(), c.Weight);
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
    Print();
    EXPECT_EQ(EngineState().InputDataTextStr.str(), "Datos de entrada:");
    EXPECT_EQ(EngineState().CalculatedDataTextStr.str().right(1), ":");
    EXPECT_EQ(Stored.Language, SPANISH);
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
        RunPrintCommand(Store, Controller, [&] {
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
