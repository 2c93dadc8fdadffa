#include "tests/pages/dimensions/DimensionsTestPage.h"

#include "tests/support/DataFileEdits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

const QString FreeSpace1 = QStringLiteral(
    "A free space corresponding to minimum half the height of the matrix should be available");

// What choosing a series shows.
struct TSeriesCase {
    TCoolerType Series;
    int Models;
    const char* FirstModel;
    const char* PowerLine;
    bool MotorData;
    const char* Note2; // the hydraulic-motor notes are their own texts, set apart by the key
};

class DimensionsSeries : public DimensionsPageTest,
                         public testing::WithParamInterface<TSeriesCase> {};

TEST_P(DimensionsSeries, ShowsItsModelsNotesButtonsAndData) {
    const TSeriesCase& c = GetParam();
    View.KeptCaptions.VhmFreeSpaceText2 = QStringLiteral("hydraulic note");
    View.SetMotorDataVisible(!c.MotorData);
    Controller.ShowDimensionSeries(c.Series);

    EXPECT_EQ(Controller.SeriesListed(), c.Series);
    EXPECT_EQ(View.Series, c.Series);
    ASSERT_EQ(View.ModelItems.size(), c.Models);
    EXPECT_EQ(View.ModelItems[0], c.FirstModel);
    EXPECT_EQ(View.Index, 0);
    EXPECT_EQ(View.LineText(TDimensionLine::EnginPower), c.PowerLine);
    EXPECT_EQ(View.MotorDataVisible, c.MotorData);
    EXPECT_TRUE(View.CodeKeyVisible);
    EXPECT_EQ(View.Notes[0], FreeSpace1);
    EXPECT_EQ(View.Notes[1], c.Note2);
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Series, DimensionsSeries,
    testing::Values(TSeriesCase{AC_Cooler, 12, "KVAM 100-A", "Motor capacity  0.090 kW", false,
                                "in front of and behind the cooler."},
                    TSeriesCase{DC_Cooler, 8, "KVDM 100", "Motor capacity  0.060 kW", false,
                                "in front of and behind the cooler."},
                    TSeriesCase{Cooler_System, 18, "KVHM 200-1500 rpm",
                                "Fan power required  0.040 kW", true, "hydraulic note"},
                    TSeriesCase{VCS_Cooler, 19, "KVCS 150-D-A", "Motor capacity  0.25 kW", false,
                                "in front of and behind the cooler."}),
    [](const auto& info) { return std::to_string(info.param.Series); });

TEST_F(DimensionsPageTest, PickedModelShowsItsFourLines) {
    Controller.ShowDimensionSeries(DC_Cooler);
    View.SetModelIndex(7);
    Controller.cbDimensionChange();
    EXPECT_EQ(View.Lines,
              (std::array<QString, 4>{"Motor capacity  0.41 kW", "Weight  22 kg",
                                      "Cooling area  0.19 m²", "Oil volume  1.34 liter"}));
}

// The power line follows the selection page's required-cooling unit.
struct TEnergyCase {
    int Unit;
    const char* PowerLine;
};

class DimensionsEnergyUnit : public DimensionsPageTest,
                             public testing::WithParamInterface<TEnergyCase> {};

TEST_P(DimensionsEnergyUnit, FormatsThePowerLine) {
    View.EnergyUnit = GetParam().Unit;
    Controller.ShowDimensionSeries(AC_Cooler);
    View.SetModelIndex(11); // KVAM 900-C, 11 kW
    Controller.cbDimensionChange();
    EXPECT_EQ(View.LineText(TDimensionLine::EnginPower), GetParam().PowerLine);
}

INSTANTIATE_TEST_SUITE_P(Units, DimensionsEnergyUnit,
                         testing::Values(TEnergyCase{0, "Motor capacity  11000 W"},
                                         TEnergyCase{1, "Motor capacity  11 kW"},
                                         TEnergyCase{2, "Motor capacity  9464 kcal/h"},
                                         TEnergyCase{3, "Motor capacity  37532 BTU/h"},
                                         TEnergyCase{4, "Motor capacity  15 HP"}),
                         [](const auto& info) { return std::to_string(info.param.Unit); });

TEST_F(DimensionsPageTest, USEditionGivesThePowerInHorsepowerAndTheWeightInPounds) {
    View.ProgramEdition = TEdition::US;
    View.EnergyUnit = 0;
    Controller.ShowDimensionSeries(AC_Cooler);
    EXPECT_EQ(View.LineText(TDimensionLine::EnginPower), "Motor capacity  0.12 HP");
    EXPECT_EQ(View.LineText(TDimensionLine::Weight), "Weight  37 lb");
}

// The fixture's oil data hold ISO VG 22 alone, and its second KVAM model a weight that does not
// read.
class DimensionsFixturePage : public DimensionsPageTest {
protected:
    DimensionsFixturePage() : DimensionsPageTest(QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/")) {}
};

TEST_F(DimensionsFixturePage, WithoutAnOilGradeTheDataAreReadForIsoVg22) {
    View.OilGrade.clear();
    Controller.ShowDimensionSeries(AC_Cooler);
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();
    EXPECT_EQ(View.LineText(TDimensionLine::Weight), "Weight  17 kg");

    View.OilGrade = QStringLiteral("ISO VG 46");
    Controller.cbDimensionChange();
    EXPECT_EQ(
        Recorded.Texts(),
        QStringList{"'' is not a valid floating point value for CoeffA (IsoOils.ini [ISO_VG_46])"});
}

TEST_F(DimensionsFixturePage, ModelWhoseDataDoNotReadShowsTheErrorAndNoOtherModelsLines) {
    Controller.ShowDimensionSeries(AC_Cooler);
    ASSERT_FALSE(View.LineText(TDimensionLine::Weight).isEmpty());
    View.SetModelIndex(1);
    Controller.cbDimensionChange();
    EXPECT_EQ(Recorded.Texts(), QStringList{"'heavy' is not a valid floating point value for "
                                            "Weight (CnfAcEur.ini [VAM2_150_4_A])"});
    EXPECT_EQ(View.Lines, (std::array<QString, 4>{}));
}

TEST_F(DimensionsPageTest, RefreshWithoutAllChangesNothing) {
    Controller.ShowDimensionSeries(DC_Cooler);
    const auto before = View.Lines;
    View.SetModelIndex(5);
    Controller.RefreshScreenData(5, false);
    EXPECT_EQ(View.Lines, before);
}

// The page change restores the stored series and model, each clamped into its list.
struct TRestoreCase {
    TCoolerType Series;
    int32_t StoredModel;
    int Shown;
    const char* Model;
};

class DimensionsRestore : public DimensionsPageTest,
                          public testing::WithParamInterface<TRestoreCase> {};

TEST_P(DimensionsRestore, SelectsTheStoredModelAndShowsItsData) {
    const TRestoreCase& c = GetParam();
    Settings.Series = c.Series;
    Settings.Model = c.StoredModel;
    Controller.RestoreInputs();
    EXPECT_EQ(View.Series, c.Series);
    EXPECT_EQ(Controller.SeriesListed(), c.Series);
    ASSERT_EQ(View.Index, c.Shown);
    EXPECT_EQ(View.ModelItems[c.Shown], c.Model);
    // The lines are those of the restored model, not of the first.
    View.SetModelIndex(c.Shown);
    const auto restored = View.Lines;
    Controller.cbDimensionChange();
    EXPECT_EQ(View.Lines, restored);
}

INSTANTIATE_TEST_SUITE_P(Stored, DimensionsRestore,
                         testing::Values(TRestoreCase{DC_Cooler, 30, 7, "KVDM 350"},
                                         TRestoreCase{DC_Cooler, -4, 0, "KVDM 100"},
                                         TRestoreCase{Cooler_System, 3, 3, "KVHM 250-2000 rpm"},
                                         TRestoreCase{VCS_Cooler, 18, 18, "KVCS 800-A-A"}),
                         [](const auto& info) {
                             return std::to_string(info.param.Series) + "_" +
                                    std::to_string(info.index);
                         });

TEST_F(DimensionsPageTest, RestoringTheSeriesShownKeepsItsListAndPicksTheStoredModel) {
    Controller.ShowDimensionSeries(DC_Cooler);
    Settings.Series = DC_Cooler;
    Settings.Model = 2;
    Controller.RestoreInputs();
    EXPECT_EQ(View.Index, 2);
    EXPECT_EQ(View.LineText(TDimensionLine::Weight), "Weight  12 kg");
}

TEST_F(DimensionsPageTest, LeavingThePageStoresSeriesAndModel) {
    Controller.ShowDimensionSeries(Cooler_System);
    View.SetModelIndex(5);
    Controller.StoreInputs();
    EXPECT_EQ(Settings.Series, Cooler_System);
    EXPECT_EQ(Settings.Model, 5);
}

TEST_F(DimensionsPageTest, MotorDataButtonShowsTheWindow) {
    Controller.ShowDimensionSeries(Cooler_System);
    Controller.btVhmMotorDataClick();
    EXPECT_EQ(View.MotorDataShown, 1);
}

// A copy of the shipped data in the European edition's layout, which a test damages.
class DimensionsDamagedData : public DimensionsPageTest {
protected:
    // The base is built before the folder exists, so the folder is named afterwards.
    DimensionsDamagedData() {
        View.CatalogueDirectory = Path;
        EXPECT_TRUE(CopyDataFiles(QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles"), Path));
        EXPECT_TRUE(
            QFile::copy(QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/motordata/VDM_MD-EU.INI"),
                        Path + "VDM_MD.INI"));
    }
    QTemporaryDir Dir;
    const QString Path = Dir.path() + QLatin1Char('/');
};

// What is damaged (in the copy's folder, ending in a separator) and what the page tells.
struct TPageFaultCase {
    const char* Name;
    std::function<bool(const QString&)> Damage;
    const char* Message; // %1: the copy's folder
};

class DimensionsDataFault : public DimensionsDamagedData,
                            public testing::WithParamInterface<TPageFaultCase> {};

TEST_P(DimensionsDataFault, IsToldAndNoLinesStay) {
    const TPageFaultCase& c = GetParam();
    ASSERT_TRUE(c.Damage(Path));
    Controller.ShowDimensionSeries(AC_Cooler);
    EXPECT_EQ(Recorded.Shown, (QList<TShownMessage>{
                                  {TMessageKind::Error, QString::fromUtf8(c.Message).arg(Path)}}));
    EXPECT_EQ(View.Lines, (std::array<QString, 4>{}));
    // Picking the model again reads it again, and the user is told again.
    Controller.cbDimensionChange();
    EXPECT_EQ(Recorded.Shown.size(), 2);
}

std::function<bool(const QString&)> Edit(const char* file, const char* section, const char* key,
                                         const char* value) {
    return [=](const QString& path) {
        return EditDataFile(path + QLatin1String(file), QLatin1String(section), QLatin1String(key),
                            QString::fromUtf8(value));
    };
}

std::function<bool(const QString&)> Remove(const char* file) {
    return [=](const QString& path) { return QFile::remove(path + QLatin1String(file)); };
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DimensionsDataFault,
    testing::Values(
        TPageFaultCase{"OutOfRange", Edit("CnfAcEur.ini", "VAM2_100_4_A", "Weight", "-1"),
                       "'-1' is outside the range of Weight (CnfAcEur.ini [VAM2_100_4_A])"},
        TPageFaultCase{"FlowLimitsSwapped", Edit("CnfAcEur.ini", "VAM2_100_4_A", "MinFlow", "500"),
                       "MinFlow '500' is above MaxFlow '80' (CnfAcEur.ini [VAM2_100_4_A])"},
        // The page reads ISO VG 22 while the selection page has picked no grade.
        TPageFaultCase{"OilOutOfRange", Edit("IsoOils.ini", "ISO_VG_22", "CoeffA", "-1e6"),
                       "'-1e6' is outside the range of CoeffA (IsoOils.ini [ISO_VG_22])"},
        TPageFaultCase{"CatalogueDeleted", Remove("CnfAcEur.ini"),
                       "file not found: %1CnfAcEur.ini"},
        TPageFaultCase{"OilDataDeleted", Remove("IsoOils.ini"), "file not found: %1IsoOils.ini"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The motor data window says what is wrong with its file instead of showing a table that is
// empty or short; it is the window's own text, not a message box.
enum class TMotorFile { Shipped, Deleted, Written };

struct TMotorDataCase {
    const char* Name;
    TMotorFile File;
    QByteArray Bytes; // what is written
    qsizetype Variants;
    const char* Fault; // %1: the copy's folder
};

class DimensionsMotorData : public DimensionsDamagedData,
                            public testing::WithParamInterface<TMotorDataCase> {};

TEST_P(DimensionsMotorData, WindowSaysWhatIsWrongWithTheFile) {
    const TMotorDataCase& c = GetParam();
    QFile file(Path + "VDM_MD.INI");
    if (c.File == TMotorFile::Deleted) {
        ASSERT_TRUE(file.remove());
    } else if (c.File == TMotorFile::Written) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.Bytes);
        file.close();
    }
    Controller.ShowDimensionSeries(Cooler_System);
    Controller.btVhmMotorDataClick();
    EXPECT_EQ(View.MotorDataShown, 1);
    EXPECT_EQ(View.MotorData.Fault, QString::fromUtf8(c.Fault).arg(Path));
    EXPECT_EQ(View.MotorData.Rows.size(), MotorDataHeadingRows + c.Variants);
    EXPECT_TRUE(Recorded.Shown.isEmpty()) << Recorded.Texts().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, DimensionsMotorData,
    testing::Values(
        TMotorDataCase{"Shipped", TMotorFile::Shipped, {}, 53, ""},
        TMotorDataCase{"Deleted", TMotorFile::Deleted, {}, 0, "file not found: %1VDM_MD.INI"},
        TMotorDataCase{"Empty", TMotorFile::Written, {}, 0, "file is empty: %1VDM_MD.INI"},
        TMotorDataCase{"Garbage", TMotorFile::Written, QByteArray::fromHex("00ff5b31005d0a803d9f"),
                       0, "no section [1] in %1VDM_MD.INI: it holds no motor variants"},
        TMotorDataCase{"SectionMissing", TMotorFile::Written,
                       "[1]\r\nCoolerType=KVHM 200-1500\r\n[3]\r\n", 1,
                       "section [2] is missing in %1VDM_MD.INI: the variants from [3] on are not "
                       "read"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Drawings and ordering keys: which file, and the message when it cannot be opened.
class DimensionsDataSheets : public DimensionsPageTest {
protected:
    // The base is built before the folder exists, so the folder is named afterwards.
    // A catalogue folder of its own, where the tests put data sheets or leave them out.
    DimensionsDataSheets() {
        View.CatalogueDirectory = Dir.path() + QLatin1Char('/');
        for (const char* file :
             {"CnfAcEur.ini", "CnfDcEur.ini", "CnfCsEur.ini", "CnfVcEur.ini", "IsoOils.ini"})
            QFile::copy(QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/") + file,
                        Dir.filePath(file));
    }
    void Put(const QString& name) {
        QFile file(Dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }
    QTemporaryDir Dir;
};

TEST_F(DimensionsDataSheets, HydraulicMotorSpeedsOfOneSizeShareTheirDrawing) {
    Controller.ShowDimensionSeries(Cooler_System);
    EXPECT_EQ(Controller.DrawingFileName(8), Dir.filePath("VHM_400.pdf"));
    EXPECT_EQ(Controller.DrawingFileName(9), Dir.filePath("VHM_400.pdf"));
    EXPECT_EQ(Controller.DrawingFileName(18), QString());
    Controller.ShowDimensionSeries(VCS_Cooler);
    EXPECT_EQ(Controller.DrawingFileName(0), Dir.filePath("VCS2_150_4_D_A.pdf"));
}

TEST_F(DimensionsDataSheets, ExistingDrawingIsHandedToTheDesktop) {
    Put("VDM_250.pdf");
    Controller.ShowDimensionSeries(DC_Cooler);
    View.SetModelIndex(5);
    Controller.btPdfFileClick();
    EXPECT_EQ(View.OpenedDocuments, QStringList{Dir.filePath("VDM_250.pdf")});
    EXPECT_TRUE(Recorded.Shown.isEmpty());
}

// Each way a data sheet can fail to open gives the one message, and nothing else changes.
struct TFailureCase {
    const char* Name;
    bool PutFile;
    bool FolderInstead;
    bool DesktopAccepts;
    qsizetype HandedOver;
};

class DataSheetFailure : public DimensionsDataSheets,
                         public testing::WithParamInterface<TFailureCase> {};

TEST_P(DataSheetFailure, SaysPdfReadingError) {
    const TFailureCase& c = GetParam();
    if (c.PutFile)
        Put("VAM_key.pdf");
    if (c.FolderInstead) {
        ASSERT_TRUE(QDir(Dir.path()).mkdir("VAM_key.pdf"));
    }
    View.DesktopAccepts = c.DesktopAccepts;
    Controller.ShowDimensionSeries(AC_Cooler);
    const auto lines = View.Lines;
    Controller.btCodeKeyClick();
    EXPECT_EQ(Recorded.Shown,
              (QList<TShownMessage>{{TMessageKind::Error, QStringLiteral("PDF reading ERROR!")}}));
    EXPECT_EQ(View.OpenedDocuments.size(), c.HandedOver);
    EXPECT_EQ(View.Lines, lines);
}

INSTANTIATE_TEST_SUITE_P(Failures, DataSheetFailure,
                         testing::Values(TFailureCase{"Missing", false, false, true, 0},
                                         TFailureCase{"FolderInItsPlace", false, true, true, 0},
                                         TFailureCase{"DesktopRefuses", true, false, false, 1}),
                         [](const auto& info) { return std::string(info.param.Name); });

// The ordering key follows the series button; none selected counts as the cooling systems.
struct TKeyCase {
    std::optional<TCoolerType> Series;
    const char* File;
};

class OrderingKey : public DimensionsDataSheets, public testing::WithParamInterface<TKeyCase> {};

TEST_P(OrderingKey, NamesTheSeriesSheet) {
    View.Series = GetParam().Series;
    EXPECT_EQ(Controller.CodeKeyFileName(), Dir.filePath(GetParam().File));
}

INSTANTIATE_TEST_SUITE_P(
    Series, OrderingKey,
    testing::Values(TKeyCase{AC_Cooler, "VAM_key.pdf"}, TKeyCase{DC_Cooler, "VDM_key.pdf"},
                    TKeyCase{Cooler_System, "VHM_key.pdf"}, TKeyCase{VCS_Cooler, "VCS_key.pdf"},
                    TKeyCase{std::nullopt, "VCS_key.pdf"}),
    [](const auto& info) {
        return info.param.Series ? std::string(info.param.File).substr(0, 3) : std::string("None");
    });

// Every model of every series has its drawing in the build's data, and every series its key.
TEST(BuiltDataSheets, EveryModelHasItsDrawingAndEverySeriesItsKey) {
    THeadlessDimensionsView view;
    view.CatalogueDirectory = QStringLiteral(AIRCOOLER_BUILD_DATA_DIR "/IniFiles/");
    TMemoryDimensionsSettings settings;
    TRecordingMessages recorded;
    TDimensionsController controller(view, settings, recorded);
    int drawings = 0;
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler}) {
        controller.ShowDimensionSeries(series);
        for (int model = 0; model < view.ModelItems.size(); ++model) {
            QFile drawing(controller.DrawingFileName(model));
            ASSERT_TRUE(drawing.open(QIODevice::ReadOnly)) << drawing.fileName().toStdString();
            EXPECT_TRUE(drawing.read(5) == "%PDF-") << drawing.fileName().toStdString();
            ++drawings;
        }
        EXPECT_TRUE(QFile::exists(controller.CodeKeyFileName()))
            << controller.CodeKeyFileName().toStdString();
    }
    EXPECT_EQ(drawings, 12 + 8 + 18 + 19);
}

} // namespace
