#include "tests/support/WindowTestSupport.h"

#include "settings/RegRoutines.h"
#include "settings/SettingsTree.h"
#include "texts/Language.h"
#include "ui/LanguagePage.h"
#include "ui/PageInputs.h"

#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const QString NoAccess =
    QStringLiteral("This user has no access to the program. The program will end!");
const QString CannotRead =
    QStringLiteral("Can NOT read data in Windows Registry. The program will end!");

TEST_F(WindowTest, FreshUserIsSeededAndSeesTheStartPageInEnglish) {
    auto window = StartWindow();

    EXPECT_TRUE(Recorded.Shown.isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->PageControl1->currentIndex(), StartPageIndex);
    EXPECT_EQ(TabCaptions(*window),
              (QStringList{"Start", "Cooler selection", "Capacity calculation", "Dimensions",
                           "Language"}));
    EXPECT_TRUE(window->LanguagePage->rbEnglish->isChecked());
    EXPECT_EQ(window->IniFilePath, QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/"));
    int32_t storedLanguage = -1;
    EXPECT_TRUE(TRegRoutines(window->StoreRoots()).GetTextNo(storedLanguage));
    EXPECT_EQ(storedLanguage, ENGLISH);
}

TEST_F(WindowTest, FirstEnglishStartMarksTheAcceleratorsOfTheWorkedExample) {
    auto window = StartWindow();

    EXPECT_EQ(TopLevelCaptions(*window), (QStringList{"&File", "&About"}));
    EXPECT_EQ(Captions(window->mmFile),
              (QStringList{"&Cooler selection", "C&apacity calculation", "&Dimensions", "-",
                           "&Language", "-", "&Printer", "-", "&Exit"}));
    EXPECT_EQ(Captions(window->mmAbout), (QStringList{"&Version", "-"}));
}

class FailedStart;

struct FailedStartCase {
    const char* Name;
    void (*Break)(FailedStart&);
    QStringList Messages;
};

class FailedStart : public WindowTest, public ::testing::WithParamInterface<FailedStartCase> {
public:
    // One good start, so that the per-user copy exists as after the first run.
    void SeedUserCopy() { StartWindow().reset(); }
    void EditUserCopy(const std::function<void(TSettingsTree&)>& Change) {
        EditSettings(Roots.UserFile, Change);
    }
    void EditMachineCopy(const std::function<void(TSettingsTree&)>& Change) {
        EditSettings(Roots.MachineFile, Change);
    }
    void RemoveMachineCopy() { QFile::remove(Roots.MachineFile); }
};

TEST_P(FailedStart, EndsWithItsMessageAndNeverShowsTheWindow) {
    GetParam().Break(*this);
    Recorded.Shown.clear();

    auto window = StartWindow();

    EXPECT_TRUE(window->MustCloseFLG);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Recorded.Texts(), GetParam().Messages);
    EXPECT_EQ(window->TheLanguage, nullptr); // the steps that need the store were skipped
}

INSTANTIATE_TEST_SUITE_P(
    Installation, FailedStart,
    ::testing::Values(FailedStartCase{"NoAccessWithoutAnInstallation",
                                      [](FailedStart& t) { t.RemoveMachineCopy(); },
                                      {NoAccess}},
                      FailedStartCase{"SeedingFailsSilently",
                                      [](FailedStart& t) {
                                          t.EditMachineCopy([](TSettingsTree& tree) {
                                              tree.DeleteKeyTree(KeyPath("\\Page3"));
                                          });
                                      },
                                      {}},
                      FailedStartCase{"UnreadableProgramPath",
                                      [](FailedStart& t) {
                                          t.SeedUserCopy();
                                          t.EditUserCopy([](TSettingsTree& tree) {
                                              tree.DeleteKeyTree(KeyPath("\\FilePath"));
                                          });
                                      },
                                      {CannotRead}},
                      FailedStartCase{"UnreadableLanguage",
                                      [](FailedStart& t) {
                                          t.SeedUserCopy();
                                          t.EditUserCopy([](TSettingsTree& tree) {
                                              // A text where the language number belongs.
                                              tree.FindKey(KeyPath("\\Page5"))
                                                  ->Set("Language", QStringLiteral("8"));
                                          });
                                      },
                                      {CannotRead}}),
    [](const auto& info) { return std::string(info.param.Name); });

struct StoredLanguageCase {
    const char* Name;
    int32_t Stored;
    const char* Button;
    int32_t StoredAfterStart;
};

class StoredLanguage : public WindowTest,
                       public ::testing::WithParamInterface<StoredLanguageCase> {};

TEST_P(StoredLanguage, SelectsItsButtonAndStoresThatButtonsLanguage) {
    EditSettings(Roots.MachineFile, [](TSettingsTree& tree) {
        tree.FindKey(KeyPath("\\Page5"))->Set("Language", GetParam().Stored);
    });

    auto window = StartWindow();

    EXPECT_TRUE(window->LanguagePage->findChild<QRadioButton*>(GetParam().Button)->isChecked());
    int32_t stored = -1;
    EXPECT_TRUE(TRegRoutines(window->StoreRoots()).GetTextNo(stored));
    EXPECT_EQ(stored, GetParam().StoredAfterStart);
    EXPECT_EQ(window->TheLanguage->GetLanguageType(), GetParam().StoredAfterStart);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, StoredLanguage,
    ::testing::Values(
        StoredLanguageCase{"Spanish", SPANISH, "rbSpanish", SPANISH},
        StoredLanguageCase{"German", GERMAN, "rbDeutsch", GERMAN},
        StoredLanguageCase{"USEnglishStartsInEnglish", US_ENGLISH, "rbEnglish", ENGLISH},
        StoredLanguageCase{"AusEnglishStartsInEnglish", AUS_ENGLISH, "rbEnglish", ENGLISH},
        StoredLanguageCase{"UnknownNumberStartsInEnglish", 20, "rbEnglish", ENGLISH}),
    [](const auto& info) { return std::string(info.param.Name); });

// Keeps, in order, what the window asked of the selection page's logic.
class RecordingSelectionHooks : public TSelectionPageHooks {
public:
    explicit RecordingSelectionHooks(QStringList& Log) : Log(Log) {}
    void StoreInputs() override { Log.append("store"); }
    void RestoreInputs() override { Log.append("restore"); }
    void ClearOnNewCoolerType(bool ClearAllFLG) override {
        Log.append(ClearAllFLG ? "clear all" : "clear");
    }
    void LoadFixedTempMode() override { Log.append("load mode"); }
    void TakeRequiredCooling(const QString& Text, int HeatUnit) override {
        Log.append(QStringLiteral("take %1 in %2").arg(Text).arg(HeatUnit));
    }
    void MarginsChanged() override { Log.append("margins"); }
    TSelectionReportData ReportData() override {
        Log.append("report");
        return {};
    }
    QImage ReportDiagram() override {
        Log.append("diagram");
        return {};
    }

private:
    QStringList& Log;
};

TEST_F(WindowTest, StartUpClearsTheSelectionPageThenRestoresItsMode) {
    QStringList log;
    auto window = StartWindow([&](TfKylvane& w) {
        w.SetSelectionPageHooks(std::make_unique<RecordingSelectionHooks>(log));
    });

    EXPECT_EQ(log, (QStringList{"clear all", "load mode"}));
    EXPECT_FALSE(window->mmPrint->isEnabled());
    EXPECT_FALSE(window->PrinterEnableFLG);
}

TEST_F(WindowTest, FailedStartUpLeavesTheSelectionPageAlone) {
    QFile::remove(Roots.MachineFile);
    QStringList log;
    auto window = StartWindow([&](TfKylvane& w) {
        w.SetSelectionPageHooks(std::make_unique<RecordingSelectionHooks>(log));
    });

    EXPECT_TRUE(log.isEmpty());
}

} // namespace
