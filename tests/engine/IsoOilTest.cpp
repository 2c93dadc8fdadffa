#include "engine/IsoOil.h"
#include "core/ConvertError.h"
#include "core/EngineState.h"
#include "core/RegionalSettings.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
const QString ShippedDir = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

class IsoOilTest : public testing::TestWithParam<char> {
protected:
    void SetUp() override { ResetEngineState(); }
    TScopedRegionalSettings Regional{QChar::fromLatin1(GetParam())};
    TIsoOil Oil;
};

INSTANTIATE_TEST_SUITE_P(Separators, IsoOilTest, testing::Values('.', ','));

TEST_P(IsoOilTest, CommaAndPointValuesLoadAlike) {
    Oil.ReadOilIniFile("ISO_VG_46", FixtureDir);
    const auto& c = EngineState().OilCoeff;
    EXPECT_DOUBLE_EQ(c[TIsoOil::OilKey::CoeffE], 0.005);
    EXPECT_DOUBLE_EQ(c[TIsoOil::OilKey::CoeffF], -2.5);
    EXPECT_DOUBLE_EQ(TIsoOil::CoolCorrFactor(), 0.97);
    // 0.005 T^2 - 2.5 T + 300 at 10 degC
    EXPECT_DOUBLE_EQ(Oil.Viscocity(10), 275.5);
}

TEST_P(IsoOilTest, ZeroPolynomialGivesTheConstantCorrection) {
    EngineState().OilCoeff = {0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(Oil.Viscocity(40), 0);
    EXPECT_DOUBLE_EQ(Oil.ViscocityCorr(40), 0.32739647);
}

// A viscosity of nothing is no oil: the file holding it is damaged, whatever the letter case of
// its names.
TEST_P(IsoOilTest, ZeroPolynomialIsADataFault) {
    try {
        Oil.ReadOilIniFile("ISO_VG_ZERO", FixtureDir);
        FAIL() << "no error";
    } catch (const EDataRecordError& e) {
        const QChar separator = QChar::fromLatin1(GetParam());
        EXPECT_EQ(e.Message(), QStringLiteral("CoeffA to CoeffG give a viscosity of 0") +
                                   separator + QStringLiteral("00 mm²/s at -30") + separator +
                                   QStringLiteral("0 °C; it must be positive and falling from "
                                                  "-30 to 100 °C (IsoOils.ini [ISO_VG_ZERO])"));
    }
}

TEST_P(IsoOilTest, MissingCoolCorrStopsAfterThePolynomialIsLoaded) {
    EXPECT_THROW(
        {
            try {
                Oil.ReadOilIniFile("NO_COOLCORR", FixtureDir);
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(), "'' is not a valid floating point value for CoolCorr "
                                       "(IsoOils.ini [NO_COOLCORR])");
                throw;
            }
        },
        EConvertError);
    EXPECT_EQ(EngineState().OilCoeff,
              (std::array<double, 8>{1e-9, -2e-7, 3e-5, -4e-3, 0.5, -6, 700, 0}));
}

TEST_P(IsoOilTest, ValueThatIsNotANumberNamesItself) {
    try {
        Oil.ReadOilIniFile("BAD_VALUE", FixtureDir);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1.5 mm2/s' is not a valid floating point value for CoeffB "
                               "(IsoOils.ini [BAD_VALUE])");
    }
    EXPECT_EQ(EngineState().OilCoeff[TIsoOil::OilKey::CoeffA], 9e-9);
}

TEST_P(IsoOilTest, MissingFileOrSectionStopsTheAction) {
    EXPECT_THROW(Oil.ReadOilIniFile("ISO_VG_46", FixtureDir + "nowhere/"), EDataFileError);
    EXPECT_THROW(Oil.ReadOilIniFile("ISO_VG_1000", FixtureDir), EConvertError);
}

// The shipped oil data must describe real mineral oils: a grade's nominal viscosity at
// 40 degC, thinning with temperature, and a cooling correction that falls gently with grade.
TEST(ShippedOilData, EveryGradeIsPlausible) {
    ResetEngineState();
    const struct {
        const char* Section;
        double At40;
    } grades[] = {{"ISO_VG_22", 22},   {"ISO_VG_32", 32},   {"ISO_VG_46", 46},
                  {"ISO_VG_68", 68},   {"ISO_VG_100", 100}, {"ISO_VG_150", 150},
                  {"ISO_VG_220", 220}, {"ISO_VG_320", 320}, {"ISO_VG_460", 460},
                  {"ISO_VG_680", 680}};
    TIsoOil oil;
    double previousCorrection = 2;
    for (const auto& grade : grades) {
        SCOPED_TRACE(grade.Section);
        ASSERT_NO_THROW(oil.ReadOilIniFile(grade.Section, ShippedDir));
        EXPECT_NEAR(oil.Viscocity(40), grade.At40, grade.At40 * 0.05);
        for (int t = 10; t < 100; t += 5)
            EXPECT_GT(oil.Viscocity(t), oil.Viscocity(t + 5)) << t;
        EXPECT_GT(oil.Viscocity(100), 0);
        const double correction = TIsoOil::CoolCorrFactor();
        EXPECT_LT(correction, previousCorrection);
        EXPECT_GT(correction, 0.85);
        EXPECT_LE(correction, 1.02);
        previousCorrection = correction;
    }
}

TEST(ShippedOilData, Grade46MatchesAMineralOil) {
    ResetEngineState();
    TIsoOil oil;
    oil.ReadOilIniFile("ISO_VG_46", ShippedDir);
    EXPECT_NEAR(oil.Viscocity(100), 6.8, 6.8 * 0.05);
    EXPECT_NEAR(oil.Viscocity(50), 29.9, 29.9 * 0.05);
}

} // namespace
