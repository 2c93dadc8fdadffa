#include "engine/OilGrade.h"
#include "core/ConvertError.h"
#include "core/RegionalSettings.h"

#include <gtest/gtest.h>

namespace {

const QString FixtureDir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
const QString ShippedDir = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

class OilGradeTest : public testing::TestWithParam<char> {
protected:
    TScopedRegionalSettings Regional{QChar::fromLatin1(GetParam())};
};

INSTANTIATE_TEST_SUITE_P(Separators, OilGradeTest, testing::Values('.', ','));

TEST_P(OilGradeTest, CommaAndPointValuesLoadAlike) {
    const OilGrade oil = OilGrade::Read("ISO_VG_46", FixtureDir);
    const OilGrade::Coefficients& c = oil.CoefficientValues();
    EXPECT_DOUBLE_EQ(c[OilGrade::Key::CoeffE], 0.005);
    EXPECT_DOUBLE_EQ(c[OilGrade::Key::CoeffF], -2.5);
    EXPECT_DOUBLE_EQ(oil.CoolingCorrection(), 0.97);
    // 0.005 T^2 - 2.5 T + 300 at 10 degC
    EXPECT_DOUBLE_EQ(oil.Viscosity(10), 275.5);
}

TEST_P(OilGradeTest, ZeroPolynomialGivesTheConstantCorrection) {
    const OilGrade oil({0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(oil.Viscosity(40), 0);
    EXPECT_DOUBLE_EQ(oil.ViscosityCorrection(40), 0.32739647);
}

// A viscosity of nothing is no oil: the file holding it is damaged, whatever the letter case of
// its names.
TEST_P(OilGradeTest, ZeroPolynomialIsADataFault) {
    try {
        OilGrade::Read("ISO_VG_ZERO", FixtureDir);
        FAIL() << "no error";
    } catch (const EDataRecordError& e) {
        const QChar separator = QChar::fromLatin1(GetParam());
        EXPECT_EQ(e.Message(), QStringLiteral("CoeffA to CoeffG give a viscosity of 0") +
                                   separator + QStringLiteral("00 mm²/s at -30") + separator +
                                   QStringLiteral("0 °C; it must be positive and falling from "
                                                  "-30 to 100 °C (IsoOils.ini [ISO_VG_ZERO])"));
    }
}

// The polynomial reads, and the missing cooling correction is still told.
TEST_P(OilGradeTest, MissingCoolCorrIsToldAfterThePolynomialReads) {
    try {
        OilGrade::Read("NO_COOLCORR", FixtureDir);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'' is not a valid floating point value for CoolCorr "
                               "(IsoOils.ini [NO_COOLCORR])");
    }
}

TEST_P(OilGradeTest, ValueThatIsNotANumberNamesItself) {
    try {
        OilGrade::Read("BAD_VALUE", FixtureDir);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1.5 mm2/s' is not a valid floating point value for CoeffB "
                               "(IsoOils.ini [BAD_VALUE])");
    }
}

TEST_P(OilGradeTest, MissingFileOrSectionStopsTheAction) {
    EXPECT_THROW(OilGrade::Read("ISO_VG_46", FixtureDir + "nowhere/"), EDataFileError);
    EXPECT_THROW(OilGrade::Read("ISO_VG_1000", FixtureDir), EConvertError);
}

// The shipped oil data must describe real mineral oils: a grade's nominal viscosity at
// 40 degC, thinning with temperature, and a cooling correction that falls gently with grade.
TEST(ShippedOilData, EveryGradeIsPlausible) {
    const struct {
        const char* Section;
        double At40;
    } grades[] = {{"ISO_VG_22", 22},   {"ISO_VG_32", 32},   {"ISO_VG_46", 46},
                  {"ISO_VG_68", 68},   {"ISO_VG_100", 100}, {"ISO_VG_150", 150},
                  {"ISO_VG_220", 220}, {"ISO_VG_320", 320}, {"ISO_VG_460", 460},
                  {"ISO_VG_680", 680}};
    double previousCorrection = 2;
    for (const auto& grade : grades) {
        SCOPED_TRACE(grade.Section);
        OilGrade oil;
        ASSERT_NO_THROW(oil = OilGrade::Read(grade.Section, ShippedDir));
        EXPECT_NEAR(oil.Viscosity(40), grade.At40, grade.At40 * 0.05);
        for (int t = 10; t < 100; t += 5)
            EXPECT_GT(oil.Viscosity(t), oil.Viscosity(t + 5)) << t;
        EXPECT_GT(oil.Viscosity(100), 0);
        const double correction = oil.CoolingCorrection();
        EXPECT_LT(correction, previousCorrection);
        EXPECT_GT(correction, 0.85);
        EXPECT_LE(correction, 1.02);
        previousCorrection = correction;
    }
}

TEST(ShippedOilData, Grade46MatchesAMineralOil) {
    const OilGrade oil = OilGrade::Read("ISO_VG_46", ShippedDir);
    EXPECT_NEAR(oil.Viscosity(100), 6.8, 6.8 * 0.05);
    EXPECT_NEAR(oil.Viscosity(50), 29.9, 29.9 * 0.05);
}

} // namespace
