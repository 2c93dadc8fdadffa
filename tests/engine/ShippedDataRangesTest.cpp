// The shipped catalogue and oil data, which both editions read, pass every check of their
// readers with room to spare: each value could be halved or doubled (a noise level moved by
// 10 dB) and still be read, and the curves stay sound well beyond where the program asks for
// them. A range drawn too tight for the shipped data, or a regenerated catalogue that drifts
// towards a limit, fails here first.
#include "core/ProfileFile.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"
#include "engine/ThermalModel.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString IniDir = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

QStringList SectionsOf(const QString& fileName) {
    QFile file(IniDir + fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    QStringList names;
    for (const TProfileSection& section :
         TProfileFile::ParseSections(TProfileFile::DecodeBytes(file.readAll())))
        names.append(section.Name);
    return names;
}

bool Inside(double value, TValueRange range) {
    return value >= range.Min && value <= range.Max;
}

// The margin a shipped value keeps from the ends of its key's range.
bool WithMargin(const QString& key, double value, TValueRange range) {
    if (key == QLatin1String("NoiseLevel"))
        return Inside(value - 10, range) && Inside(value + 10, range);
    if (key == QLatin1String("IP")) // a class number is valid or not
        return Inside(value, range);
    return Inside(value / 2, range) && Inside(value * 2, range);
}

class ShippedCatalogueRanges : public testing::TestWithParam<const char*> {
protected:
    TScopedRegionalSettings Point{QLatin1Char('.')};
};

TEST_P(ShippedCatalogueRanges, EveryRecordReadsWithRoomToSpare) {
    const QString fileName = QString::fromLatin1(GetParam());
    const QStringList sections = SectionsOf(fileName);
    ASSERT_GE(sections.size(), 8);
    ThermalModel cooler({});
    for (const QString& section : sections) {
        SCOPED_TRACE(section.toStdString());
        ModelRecord record{};
        ASSERT_NO_THROW(record = ReadModelRecord(section, IniDir, fileName));
        for (std::size_t key = 0; key < record.size(); ++key)
            EXPECT_TRUE(WithMargin(Catalogue::CoolerKeyTable[key], record[key],
                                   Catalogue::CoolerKeyRanges[key]))
                << Catalogue::CoolerKeyTable[key].toStdString() << " " << record[key];

        // Dissipation and pressure drop stay positive from half the smallest flow to half as
        // much again as the largest.
        const double low = record[Catalogue::MinFlow] / 2;
        const double high = record[Catalogue::MaxFlow] * 1.5;
        for (int step = 0; step <= 100; ++step) {
            const double flow = low + (high - low) * step / 100;
            cooler.SetConductance(flow, record[Catalogue::CoeffA], record[Catalogue::CoeffB],
                                  record[Catalogue::CoeffC], record[Catalogue::CoeffD]);
            EXPECT_GT(cooler.Conductance, 0.02) << flow;
            // With a viscosity of 0 the oil's correction is a positive constant: the drop has
            // the sign of the flow part.
            EXPECT_GT(PressureDropOf(record, OilGrade(), flow, 50), 0) << flow;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Series, ShippedCatalogueRanges,
                         testing::Values("CnfAcEur.ini", "CnfDcEur.ini", "CnfCsEur.ini",
                                         "CnfVcEur.ini"),
                         [](const auto& info) { return std::string(info.param).substr(3, 2); });

TEST(ShippedOilRanges, EveryGradeReadsWithRoomToSpare) {
    const TScopedRegionalSettings point(QLatin1Char('.'));
    const QStringList grades = SectionsOf(QStringLiteral("IsoOils.ini"));
    ASSERT_EQ(grades.size(), 10);
    for (const QString& grade : grades) {
        SCOPED_TRACE(grade.toStdString());
        OilGrade oil;
        ASSERT_NO_THROW(oil = OilGrade::Read(grade, IniDir));
        const OilGrade::Coefficients& coefficients = oil.CoefficientValues();
        for (std::size_t key = 0; key < coefficients.size(); ++key) {
            // The cooling correction is a factor near 1, of a range of its own.
            const double margin = OilGrade::KeyTable[key] == QLatin1String("CoolCorr") ? 1.4 : 2;
            EXPECT_TRUE(Inside(coefficients[key] / margin, OilGrade::KeyRanges[key]) &&
                        Inside(coefficients[key] * margin, OilGrade::KeyRanges[key]))
                << OilGrade::KeyTable[key].toStdString() << " " << coefficients[key];
        }
        // Positive and falling from 10 K below the coldest temperature the model asks for to
        // 5 K above the hottest.
        for (double t = OilGrade::ColdestViscosityTemp - 10; t < OilGrade::HottestViscosityTemp + 5;
             t += 0.5) {
            EXPECT_GT(OilGrade::ViscosityOf(coefficients, t + 0.5), 1) << t;
            EXPECT_LT(OilGrade::ViscosityOf(coefficients, t + 0.5),
                      OilGrade::ViscosityOf(coefficients, t))
                << t;
        }
    }
}

} // namespace
