// Catalogue and oil values are checked as they are read: a value that is missing, not a number
// or outside the physical range of its key is a data fault naming the value, the key, the file
// and the section, and nothing is calculated from it.
#include "core/ConvertError.h"
#include "core/EngineState.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerHlp.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

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
const QList<std::pair<QString, QString>> GoodOil{
    {"CoeffA", "1.5e-09"}, {"CoeffB", "-7.4e-07"}, {"CoeffC", "1.4e-04"}, {"CoeffD", "-1.5e-02"},
    {"CoeffE", "0.91"},    {"CoeffF", "-30.7"},    {"CoeffG", "487"},     {"CoolCorr", "0.9785"}};

// The section with `key` set to `value`, or left out when `value` is null.
QByteArray Section(const char* name, const QList<std::pair<QString, QString>>& values,
                   const QString& key, const QString& value) {
    QByteArray text = QByteArray("[") + name + "]\r\n";
    for (const auto& [k, v] : values) {
        if (k != key)
            text += (k + QLatin1Char('=') + v + QStringLiteral("\r\n")).toUtf8();
        else if (!value.isNull())
            text += (k + QLatin1Char('=') + value + QStringLiteral("\r\n")).toUtf8();
    }
    return text;
}

struct TDataCase {
    const char* Name;
    const char* Key;
    QString Value; // null: the key is missing
    QString Message;
};

class DataRange : public testing::TestWithParam<TDataCase> {
protected:
    void SetUp() override { ResetEngineState(); }

    void Write(const QString& fileName, const QByteArray& bytes) {
        QFile file(Dir.filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString Path() const { return Dir.path() + QLatin1Char('/'); }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    QTemporaryDir Dir;
};

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
    TTableValue record{};
    EXPECT_EQ(
        FaultOf([&] { TCoolerHlp::ReadCoolerIniFile(record, "VDM_200", Path(), "CnfDcEur.ini"); }),
        c.Message);
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

INSTANTIATE_TEST_SUITE_P(Limits, CatalogueRange,
                         testing::Values(TDataCase{"MostAirFlow", "AirFlow", "100", QString()},
                                         TDataCase{"NoMotor", "MotorPower", "0", QString()},
                                         TDataCase{"LoudestFan", "NoiseLevel", "150", QString()},
                                         TDataCase{"NegativeCoefficient", "CoeffB", "-100",
                                                   QString()}),
                         [](const auto& info) { return std::string(info.param.Name); });

class OilRange : public DataRange {};

TEST_P(OilRange, AcceptsOnlyValuesWithinTheirRange) {
    const TDataCase& c = GetParam();
    Write("IsoOils.ini", Section("ISO_VG_46", GoodOil, c.Key, c.Value));
    EXPECT_EQ(FaultOf([&] { TIsoOil().ReadOilIniFile("ISO_VG_46", Path()); }), c.Message);
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

INSTANTIATE_TEST_SUITE_P(Limits, OilRange,
                         testing::Values(TDataCase{"ThickestOil", "CoeffG", "15121", QString()},
                                         TDataCase{"WeakestCorrection", "CoolCorr", "0.5",
                                                   QString()}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DataPlace, AMissingFileOrSectionIsNamedToo) {
    ResetEngineState();
    const QString dir = QStringLiteral(AIRCOOLER_TEST_DATA_DIR "/");
    TTableValue record{};
    EXPECT_EQ(FaultOf([&] { TCoolerHlp::ReadCoolerIniFile(record, "FIX_S", dir, "Missing.ini"); }),
              "'' is not a valid floating point value for CoeffA (Missing.ini [FIX_S])");
    EXPECT_EQ(FaultOf([&] { TIsoOil().ReadOilIniFile("ISO_VG_1000", dir); }),
              "'' is not a valid floating point value for CoeffA (IsoOils.ini [ISO_VG_1000])");
}

} // namespace
