// Catalogue and oil values are checked as they are read: a value that is missing, not a number
// or outside the range of its key is a data fault naming the value, the key, the file and the
// section, and so is a record whose values together describe no real cooler or oil; nothing is
// calculated from either.
#include "core/ConvertError.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/OilGrade.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A model and an oil grade whose every value lies well inside its range.
const QList<std::pair<QString, QString>> GoodModel{
    {"CoeffA", "0.0000003"}, {"CoeffB", "-0.00005"}, {"CoeffC", "0.0035"},
    {"CoeffD", "0.08"},      {"CoeffE", "0.02"},     {"MinFlow", "10"},
    {"MaxFlow", "80"},       {"CoeffF", "0.027"},    {"CoeffG", "0.0115"},
    {"CoeffH", "0"},         {"AirFlow", "0.394"},   {"MotorPower", "0.09"},
    {"NoiseLevel", "60"},    {"FanDia", "300"},      {"CoolArea", "0.117"},
    {"Weight", "17"},        {"OilVolume", "0.77"},  {"IP", "54"}};
// The shipped ISO VG 46.
const QList<std::pair<QString, QString>> GoodOil{
    {"CoeffA", "1.56581801468e-09"}, {"CoeffB", "-7.40040808219e-07"},
    {"CoeffC", "1.44923372603e-04"}, {"CoeffD", "-1.51772982007e-02"},
    {"CoeffE", "9.11410728703e-01"}, {"CoeffF", "-3.07476481341e+01"},
    {"CoeffG", "4.86975365581e+02"}, {"CoolCorr", "0.9785"}};

using TEdits = QList<std::pair<QString, QString>>;

// The section with each key of `edits` set to its value, or left out when the value is null.
QByteArray Section(const char* name, const QList<std::pair<QString, QString>>& values,
                   const TEdits& edits) {
    QByteArray text = QByteArray("[") + name + "]\r\n";
    for (const auto& [k, v] : values) {
        QString value = v;
        for (const auto& [key, edited] : edits) {
            if (key == k)
                value = edited;
        }
        if (!value.isNull())
            text += (k + QLatin1Char('=') + value + QStringLiteral("\r\n")).toUtf8();
    }
    return text;
}

QByteArray Section(const char* name, const QList<std::pair<QString, QString>>& values,
                   const QString& key, const QString& value) {
    return Section(name, values, TEdits{{key, value}});
}

struct TDataCase {
    const char* Name;
    const char* Key;
    QString Value; // null: the key is missing
    QString Message;
};

// A folder of its own for the data files a test writes.
class DataFiles : public testing::Test {
protected:
    void Write(const QString& fileName, const QByteArray& bytes) {
        QFile file(Dir.filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString Path() const { return Dir.path() + QLatin1Char('/'); }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    QTemporaryDir Dir;
};

class DataRange : public DataFiles, public testing::WithParamInterface<TDataCase> {};

QString FaultOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const EDataFault& fault) {
        return fault.Message();
    }
    return QString();
}

const QString Nul = QStringLiteral("1") + QChar(0) + QStringLiteral("2");

class CatalogueRange : public DataRange {};

TEST_P(CatalogueRange, AcceptsOnlyValuesWithinTheirRange) {
    const TDataCase& c = GetParam();
    Write("CnfDcEur.ini", Section("VDM_200", GoodModel, c.Key, c.Value));
    EXPECT_EQ(FaultOf([&] { ReadModelRecord("VDM_200", Path(), "CnfDcEur.ini"); }), c.Message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CatalogueRange,
    testing::Values(
        TDataCase{"HugeAirFlow", "AirFlow", "1e308",
                  "'1e308' is outside the range of AirFlow (CnfDcEur.ini [VDM_200])"},
        TDataCase{"FarTooMuchAirFlow", "AirFlow", "1e30",
                  "'1e30' is outside the range of AirFlow (CnfDcEur.ini [VDM_200])"},
        TDataCase{"NoAirFlow", "AirFlow", "0",
                  "'0' is outside the range of AirFlow (CnfDcEur.ini [VDM_200])"},
        TDataCase{"HugeCoefficient", "CoeffA", "1e308",
                  "'1e308' is outside the range of CoeffA (CnfDcEur.ini [VDM_200])"},
        TDataCase{"HugeNegativeCoefficient", "CoeffH", "-1e308",
                  "'-1e308' is outside the range of CoeffH (CnfDcEur.ini [VDM_200])"},
        TDataCase{"NegativeFlow", "MinFlow", "-5",
                  "'-5' is outside the range of MinFlow (CnfDcEur.ini [VDM_200])"},
        TDataCase{"NegativeMotorPower", "MotorPower", "-0,5",
                  "'-0,5' is outside the range of MotorPower (CnfDcEur.ini [VDM_200])"},
        TDataCase{"NegativeNoise", "NoiseLevel", "-60",
                  "'-60' is outside the range of NoiseLevel (CnfDcEur.ini [VDM_200])"},
        TDataCase{"ProtectionClassBeyondTwoDigits", "IP", "540",
                  "'540' is outside the range of IP (CnfDcEur.ini [VDM_200])"},
        TDataCase{"MissingKey", "Weight", QString(),
                  "'' is not a valid floating point value for Weight (CnfDcEur.ini [VDM_200])"},
        TDataCase{"NotANumber", "FanDia", "300 mm",
                  "'300 mm' is not a valid floating point value for FanDia (CnfDcEur.ini "
                  "[VDM_200])"},
        TDataCase{"NulByte", "CoolArea", Nul,
                  "'1\\x002' is not a valid floating point value for CoolArea (CnfDcEur.ini "
                  "[VDM_200])"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Values no real cooler has, although a looser reading would take them: each is far beyond the
// shipped catalogue, or of the wrong sign.
INSTANTIATE_TEST_SUITE_P(
    Unreal, CatalogueRange,
    testing::Values(TDataCase{"AirFlowOfAWindTunnel", "AirFlow", "100",
                              "'100' is outside the range of AirFlow (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"NoMotor", "MotorPower", "0",
                              "'0' is outside the range of MotorPower (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"JetEngineNoise", "NoiseLevel", "150",
                              "'150' is outside the range of NoiseLevel (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"HugeNegativeCoefficient", "CoeffB", "-100",
                              "'-100' is outside the range of CoeffB (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"NegativeWeight", "Weight", "-1",
                              "'-1' is outside the range of Weight (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"NoMaxFlow", "MaxFlow", "0",
                              "'0' is outside the range of MaxFlow (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"ConductanceOfTheWrongSign", "CoeffD", "-1",
                              "'-1' is outside the range of CoeffD (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"PressureDropOfTheWrongSign", "CoeffG", "-0.01",
                              "'-0.01' is outside the range of CoeffG (CnfDcEur.ini [VDM_200])"},
                    TDataCase{"ProtectionClassWithoutMeaning", "IP", "70",
                              "'70' is outside the range of IP (CnfDcEur.ini [VDM_200])"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A term left out of a curve is no fault by itself.
INSTANTIATE_TEST_SUITE_P(Limits, CatalogueRange,
                         testing::Values(TDataCase{"NoCubicTerm", "CoeffA", "0", QString()},
                                         TDataCase{"NoLinearDropTerm", "CoeffG", "0", QString()}),
                         [](const auto& info) { return std::string(info.param.Name); });

class OilRange : public DataRange {};

TEST_P(OilRange, AcceptsOnlyValuesWithinTheirRange) {
    const TDataCase& c = GetParam();
    Write("IsoOils.ini", Section("ISO_VG_46", GoodOil, c.Key, c.Value));
    EXPECT_EQ(FaultOf([&] { OilGrade::Read("ISO_VG_46", Path()); }), c.Message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, OilRange,
    testing::Values(TDataCase{"HugeCoolingCorrection", "CoolCorr", "1e5",
                              "'1e5' is outside the range of CoolCorr (IsoOils.ini [ISO_VG_46])"},
                    TDataCase{"NoCoolingCorrection", "CoolCorr", "0",
                              "'0' is outside the range of CoolCorr (IsoOils.ini [ISO_VG_46])"},
                    TDataCase{"HugeViscosityCoefficient", "CoeffA", "1e308",
                              "'1e308' is outside the range of CoeffA (IsoOils.ini [ISO_VG_46])"},
                    TDataCase{"HugeNegativeViscosity", "CoeffG", "-1e308",
                              "'-1e308' is outside the range of CoeffG (IsoOils.ini [ISO_VG_46])"},
                    TDataCase{"MissingKey", "CoeffD", QString(),
                              "'' is not a valid floating point value for CoeffD (IsoOils.ini "
                              "[ISO_VG_46])"}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    Unreal, OilRange,
    testing::Values(TDataCase{"NegativeSixthPower", "CoeffA", "-1e6",
                              "'-1e6' is outside the range of CoeffA (IsoOils.ini [ISO_VG_46])"},
                    TDataCase{"PositiveLinearTerm", "CoeffF", "1e6",
                              "'1e6' is outside the range of CoeffF (IsoOils.ini [ISO_VG_46])"},
                    TDataCase{"TarInsteadOfOil", "CoeffG", "1e6",
                              "'1e6' is outside the range of CoeffG (IsoOils.ini [ISO_VG_46])"}),
    [](const auto& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(Limits, OilRange,
                         testing::Values(TDataCase{"ThickestOil", "CoeffG", "15121", QString()},
                                         TDataCase{"WeakestCorrection", "CoolCorr", "0.5",
                                                   QString()}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DataPlace, AMissingFileOrSectionIsNamedToo) {
    const QString dir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
    EXPECT_EQ(FaultOf([&] { ReadModelRecord("FIX_S", dir, "Missing.ini"); }),
              "file not found: " + dir + "Missing.ini");
    EXPECT_EQ(FaultOf([&] { OilGrade::Read("ISO_VG_46", dir + "nowhere/"); }),
              "file not found: " + dir + "nowhere/IsoOils.ini");
    EXPECT_EQ(FaultOf([&] { OilGrade::Read("ISO_VG_1000", dir); }),
              "'' is not a valid floating point value for CoeffA (IsoOils.ini [ISO_VG_1000])");
}

// Each end of every key's range reads as a value of that key, and just beyond it does not.
struct TRangeEnd {
    std::string Name;
    bool Oil; // a key of the oil data, otherwise of the catalogue
    QString Key;
    double Value;
    bool Inside;
};

template <std::size_t N>
void AddRangeEnds(std::vector<TRangeEnd>& ends, bool oil, const std::array<QString, N>& keys,
                  const std::array<TValueRange, N>& ranges) {
    for (std::size_t i = 0; i < N; ++i) {
        const TValueRange range = ranges[i];
        const double below = range.Min == 0 ? -1e-9 : range.Min - std::abs(range.Min) * 1e-6;
        const double above = range.Max == 0 ? 1e-9 : range.Max + std::abs(range.Max) * 1e-6;
        const std::string name = (oil ? "Oil" : "Catalogue") + keys[i].toStdString();
        ends.push_back({name + "Min", oil, keys[i], range.Min, true});
        ends.push_back({name + "Max", oil, keys[i], range.Max, true});
        ends.push_back({name + "Below", oil, keys[i], below, false});
        ends.push_back({name + "Above", oil, keys[i], above, false});
    }
}

class RangeEnds : public DataFiles, public testing::WithParamInterface<TRangeEnd> {};

// Whether reading the record with the key at its value is a range fault; an end may still make
// the record as a whole unreal, which is a fault of another kind.
TEST_P(RangeEnds, ReadAsTheRangeSays) {
    const TRangeEnd& c = GetParam();
    const QString text = QString::number(c.Value, 'g', 17);
    bool rangeFault = false;
    try {
        if (c.Oil) {
            Write("IsoOils.ini", Section("ISO_VG_46", GoodOil, c.Key, text));
            OilGrade::Read("ISO_VG_46", Path());
        } else {
            Write("CnfDcEur.ini", Section("VDM_200", GoodModel, c.Key, text));
            ReadModelRecord("VDM_200", Path(), "CnfDcEur.ini");
        }
    } catch (const EDataRangeError&) {
        rangeFault = true;
    } catch (const EDataRecordError&) {
    }
    EXPECT_EQ(rangeFault, !c.Inside) << text.toStdString();
}

std::vector<TRangeEnd> AllRangeEnds() {
    std::vector<TRangeEnd> ends;
    AddRangeEnds(ends, false, Catalogue::CoolerKeyTable, Catalogue::CoolerKeyRanges);
    AddRangeEnds(ends, true, OilGrade::KeyTable, OilGrade::KeyRanges);
    return ends;
}

INSTANTIATE_TEST_SUITE_P(EveryKey, RangeEnds, testing::ValuesIn(AllRangeEnds()),
                         [](const auto& info) { return info.param.Name; });

// Records whose every value lies within its range but which describe no cooler.
struct TRecordCase {
    const char* Name;
    TEdits Edits;
    QString Message; // empty: the record is sound
};

class CatalogueRecord : public DataFiles, public testing::WithParamInterface<TRecordCase> {};

TEST_P(CatalogueRecord, IsJudgedAsAWhole) {
    const TRecordCase& c = GetParam();
    Write("CnfDcEur.ini", Section("VDM_200", GoodModel, c.Edits));
    EXPECT_EQ(FaultOf([&] { ReadModelRecord("VDM_200", Path(), "CnfDcEur.ini"); }), c.Message);
}

INSTANTIATE_TEST_SUITE_P(
    Records, CatalogueRecord,
    testing::Values(
        TRecordCase{"Sound", {}, QString()},
        // A cooling system runs at its pump's one flow.
        TRecordCase{"EqualFlowLimits", {{"MinFlow", "80"}}, QString()},
        TRecordCase{"FlowLimitsSwapped",
                    {{"MinFlow", "90"}},
                    "MinFlow '90' is above MaxFlow '80' (CnfDcEur.ini [VDM_200])"},
        TRecordCase{"DissipationFallingBelowZero",
                    {{"CoeffB", "-4e-4"}},
                    "CoeffA to CoeffD give a specific heat dissipation of -2.046 kW/K at 80.0 "
                    "l/min; it must be positive from MinFlow to MaxFlow (CnfDcEur.ini "
                    "[VDM_200])"},
        // Positive at both ends, below zero at its turning point between them.
        TRecordCase{"DissipationDippingBelowZero",
                    {{"CoeffA", "2e-6"}, {"CoeffB", "-4e-4"}, {"MaxFlow", "300"}},
                    "CoeffA to CoeffD give a specific heat dissipation of -1.832 kW/K at 128.8 "
                    "l/min; it must be positive from MinFlow to MaxFlow (CnfDcEur.ini "
                    "[VDM_200])"},
        TRecordCase{"NoDissipationAtAll",
                    {{"CoeffA", "0"}, {"CoeffB", "0"}, {"CoeffC", "0"}, {"CoeffD", "0"}},
                    "CoeffA to CoeffD give a specific heat dissipation of 0.000 kW/K at 10.0 "
                    "l/min; it must be positive from MinFlow to MaxFlow (CnfDcEur.ini "
                    "[VDM_200])"},
        TRecordCase{"PressureDropBelowZero",
                    {{"CoeffH", "-1"}},
                    "CoeffE to CoeffH give a pressure drop of -0.764 bar at 10.0 l/min; it must "
                    "not be negative from MinFlow to MaxFlow (CnfDcEur.ini [VDM_200])"}),
    [](const auto& info) { return std::string(info.param.Name); });

class OilRecord : public DataFiles, public testing::WithParamInterface<TRecordCase> {};

TEST_P(OilRecord, ViscosityIsPositiveAndFallingWhereverTheModelAsksForIt) {
    const TRecordCase& c = GetParam();
    Write("IsoOils.ini", Section("ISO_VG_46", GoodOil, c.Edits));
    EXPECT_EQ(FaultOf([&] { OilGrade::Read("ISO_VG_46", Path()); }), c.Message);
}

const TEdits Parabola{{"CoeffA", "0"}, {"CoeffB", "0"}, {"CoeffC", "0"}, {"CoeffD", "0"}};

INSTANTIATE_TEST_SUITE_P(
    Records, OilRecord,
    testing::Values(
        TRecordCase{"Sound", {}, QString()},
        // v = 0.005 T^2 - 0.4975 T + 100 turns upwards at 49.75 degC.
        TRecordCase{"RisingWhenWarm",
                    Parabola +
                        TEdits{{"CoeffE", "0.005"}, {"CoeffF", "-0.4975"}, {"CoeffG", "100"}},
                    "CoeffA to CoeffG give a viscosity of 87.62 mm²/s at 49.8 °C, rising; it must "
                    "be positive and falling from -30 to 100 °C (IsoOils.ini [ISO_VG_46])"},
        // v = 150.05 - 2 T is gone at 75.025 degC.
        TRecordCase{"GoneWhenHot",
                    Parabola + TEdits{{"CoeffE", "0"}, {"CoeffF", "-2"}, {"CoeffG", "150.05"}},
                    "CoeffA to CoeffG give a viscosity of -0.15 mm²/s at 75.1 °C; it must be "
                    "positive and falling from -30 to 100 °C (IsoOils.ini [ISO_VG_46])"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
