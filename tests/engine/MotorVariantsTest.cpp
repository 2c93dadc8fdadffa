#include "engine/MotorVariants.h"

#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/VerDep.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Sections(std::initializer_list<int> numbers) {
    QByteArray bytes;
    for (int number : numbers)
        bytes += "[" + QByteArray::number(number) + "]\r\nCoolerType=M" +
                 QByteArray::number(number) + "\r\n";
    return bytes;
}

const QString FileName = QStringLiteral("/data/VDM_MD.INI");

// Reading stops at the first missing number; the variants after it are not lost silently.
TEST(MotorVariants, ReadingStopsAtTheFirstMissingNumberAndSaysSo) {
    const TMotorVariants read = ParseMotorVariants(Sections({1, 2, 4}), FileName);
    ASSERT_EQ(read.Variants.size(), 2);
    EXPECT_EQ(read.Variants[1][0], "M2");
    EXPECT_EQ(read.Fault,
              "section [3] is missing in /data/VDM_MD.INI: the variants from [4] on are not read");
}

TEST(MotorVariants, NoSectionAfterTheLastReadableOneIsRead) {
    QByteArray bytes;
    for (int number = 1; number <= 130; ++number)
        bytes += Sections({number});
    const TMotorVariants read = ParseMotorVariants(bytes, FileName);
    ASSERT_EQ(read.Variants.size(), MaxMotorVariants);
    EXPECT_EQ(read.Variants.last()[0], "M126");
    EXPECT_EQ(read.Fault, "");
}

TEST(MotorVariants, ValuesStandAsWrittenAndMissingKeysAreEmpty) {
    const TMotorVariants read = ParseMotorVariants("; a comment\n"
                                                   "[1]\n"
                                                   "coolertype = KVHM 400-1200\n"
                                                   "FLOW=1,5\n"
                                                   "Flow=99\n"
                                                   "Connection=G 1/2\"\n"
                                                   "[2]\n"
                                                   "Speed=\n",
                                                   FileName);
    ASSERT_EQ(read.Variants.size(), 2);
    const TMotorDataCells expected{"KVHM 400-1200", "", "", "", "", "1,5", "G 1/2\"", ""};
    EXPECT_EQ(read.Variants[0], expected);
    EXPECT_EQ(read.Variants[1], TMotorDataCells{});
    EXPECT_EQ(read.Fault, "");
}

// Damaged files give what they hold and say what is wrong, naming the file.
struct TDamagedCase {
    const char* Name;
    QByteArray Bytes;
    qsizetype Variants;
    const char* Fault;
};

class DamagedMotorData : public testing::TestWithParam<TDamagedCase> {};

TEST_P(DamagedMotorData, GivesWhatItHoldsAndSaysWhatIsWrong) {
    const TMotorVariants read = ParseMotorVariants(GetParam().Bytes, FileName);
    EXPECT_EQ(read.Variants.size(), GetParam().Variants);
    EXPECT_EQ(read.Fault, GetParam().Fault);
}

const char* const NoVariants = "no section [1] in /data/VDM_MD.INI: it holds no motor variants";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedMotorData,
    testing::Values(
        TDamagedCase{"Empty", "", 0, NoVariants},
        TDamagedCase{"Binary", QByteArray::fromHex("00ff5b31005d0a803d9f"), 0, NoVariants},
        TDamagedCase{"FirstNumberMissing", Sections({2, 3}), 0, NoVariants},
        TDamagedCase{"UnclosedHeading", "[1\nSpeed=1500\n", 1, ""},
        TDamagedCase{"NoLineEnds", "[1]Speed=1500[2]", 1,
                     "section [1] of /data/VDM_MD.INI holds none of the keys CoolerType, Speed, "
                     "FanPower, MotorSize, Pressure, Flow, Connection, DrainCon"},
        TDamagedCase{"SectionWithoutKeys", "[ 1 ]\nSpeed=1\n[2]\nspeed 1500\n[3]\nSpeed=2\n", 3,
                     "section [2] of /data/VDM_MD.INI holds none of the keys CoolerType, Speed, "
                     "FanPower, MotorSize, Pressure, Flow, Connection, DrainCon"},
        TDamagedCase{"GapBeforeTheLastReadable", Sections({1, 126}), 1,
                     "section [2] is missing in /data/VDM_MD.INI: the variants from [126] on are "
                     "not read"},
        TDamagedCase{"HugeNumber", "[99999999999999999999]\n", 0, NoVariants}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MotorVariants, AFileThatCannotBeReadHasNoneAndSaysWhy) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("VDM_MD.INI");
    EXPECT_EQ(ReadMotorVariants(missing).Fault, "file not found: " + missing);
    EXPECT_EQ(ReadMotorVariants(dir.path()).Fault, "file cannot be read: " + dir.path());
    QFile empty(missing);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const TMotorVariants read = ReadMotorVariants(missing);
    EXPECT_TRUE(read.Variants.isEmpty());
    EXPECT_EQ(read.Fault, "file is empty: " + missing);
}

struct TWidthCase {
    int Width;
    std::array<int, MotorDataColumnCount> Widths;
};

class MotorDataColumnWidthsTest : public testing::TestWithParam<TWidthCase> {};

TEST_P(MotorDataColumnWidthsTest, SharesRoundHalvesToEven) {
    EXPECT_EQ(MotorDataColumnWidths(GetParam().Width), GetParam().Widths);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, MotorDataColumnWidthsTest,
    testing::Values(TWidthCase{733, {103, 73, 88, 81, 88, 88, 95, 51}},
                    // 3.5 goes up to 4, 2.5 down to 2, and 22.75 of 91 % rounds to 23.
                    TWidthCase{25, {4, 2, 3, 3, 3, 3, 3, 2}}, TWidthCase{0, {}}),
    [](const auto& info) { return std::to_string(info.param.Width); });

// The shipped variants of each edition belong to the shipped hydraulic-motor catalogue.
struct TShippedCase {
    const char* Edition;
    const char* File;
    double PowerPerKw;      // the file's power unit per kW
    double PressurePerBar;  // its pressure unit per bar
    double FlowPerLiterMin; // its flow unit per l/min
};

class ShippedMotorData : public testing::TestWithParam<TShippedCase> {
protected:
};

double Number(const QString& text) {
    return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

TEST_P(ShippedMotorData, EveryVariantFitsItsModel) {
    const TShippedCase& c = GetParam();
    const TMotorVariants read =
        ReadMotorVariants(QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/motordata/") + c.File);
    EXPECT_EQ(read.Fault, "");
    const QList<TMotorDataCells>& variants = read.Variants;
    ASSERT_FALSE(variants.isEmpty());
    ASSERT_LE(variants.size(), MaxMotorVariants);

    QStringList names;
    QStringList sections;
    TDimensionVHM().FillComboBoxDim(QString(), names, sections);
    QSet<QString> modelsWithVariants;
    const QString iniDir = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");
    for (const TMotorDataCells& v : variants) {
        SCOPED_TRACE(v[0].toStdString() + " " + v[3].toStdString());
        const qsizetype model = names.indexOf(v[0] + QLatin1Char(' '));
        ASSERT_GE(model, 0) << "no such model";
        modelsWithVariants.insert(v[0]);
        const ModelRecord catalogue = ReadModelRecord(
            TVerDep().ChangeToSectionName(sections[model], Cooler_System), iniDir, "CnfCsEur.ini");
        const double speed = Number(v[1]);
        EXPECT_EQ(QString::number(speed), v[0].section(QLatin1Char('-'), 1));
        EXPECT_NEAR(Number(v[2]), catalogue[Catalogue::MotorPower] * c.PowerPerKw, 0.006);
        const double size = Number(v[3]);
        EXPECT_NEAR(Number(v[5]), size * speed / 1000.0 * c.FlowPerLiterMin, 0.06);
        // The pressure turns the fan: torque from power and speed, at 85 % efficiency.
        const double torque = catalogue[Catalogue::MotorPower] * 1000 * 60 / (2 * M_PI * speed);
        EXPECT_NEAR(Number(v[4]), 20 * M_PI * torque / (size * 0.85) * c.PressurePerBar,
                    0.5 * c.PressurePerBar + 0.5);
        EXPECT_LE(Number(v[4]), 210 * c.PressurePerBar);
        EXPECT_TRUE(QRegularExpression(R"(G \d( \d)?(/\d)?")").match(v[6]).hasMatch())
            << v[6].toStdString();
        EXPECT_TRUE(QRegularExpression(R"(G \d/\d")").match(v[7]).hasMatch()) << v[7].toStdString();
    }
    EXPECT_EQ(modelsWithVariants.size(), names.size());
}

INSTANTIATE_TEST_SUITE_P(Editions, ShippedMotorData,
                         testing::Values(TShippedCase{"European", "VDM_MD-EU.INI", 1, 1, 1},
                                         TShippedCase{"US", "VDM_MD-US.INI", 1 / 0.745699872,
                                                      14.5037738, 1 / 3.785411784}),
                         [](const auto& info) { return std::string(info.param.Edition); });

} // namespace
