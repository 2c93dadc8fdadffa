#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/Sizing.h"
#include "engine/VerDep.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// The shipped catalogue must be one a hydraulics engineer believes, and the choice of a cooler
// must be able to land on every model of every series.
namespace {

const QString IniDir = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");
const QString Oil = QStringLiteral("ISO_VG_46");

struct TSeries {
    const char* Name;
    TCoolerType Type;
    std::function<void(QStringList&, QStringList&)> Fill;
};

const TSeries AllSeries[] = {
    {"VAM", AC_Cooler,
     [](QStringList& n, QStringList& s) { TDimensionVAM().FillComboBoxDim(QString(), n, s); }},
    {"VDM", DC_Cooler,
     [](QStringList& n, QStringList& s) { TDimensionVDM().FillComboBoxDim(QString(), n, s); }},
    {"VHM", Cooler_System,
     [](QStringList& n, QStringList& s) { TDimensionVHM().FillComboBoxDim(QString(), n, s); }},
    {"VCS", VCS_Cooler,
     [](QStringList& n, QStringList& s) { TDimensionVCS().FillComboBoxDim(QString(), n, s); }},
};

// The conductance (kW/K) of a model at `Flow` l/min.
double ConductanceOf(const TTableValue& Record, double Flow) {
    ThermalModel model({});
    model.SetConductance(Flow, Record[Catalogue::CoeffA], Record[Catalogue::CoeffB],
                         Record[Catalogue::CoeffC], Record[Catalogue::CoeffD]);
    return model.Conductance;
}

// The series at oil of at most 60 degC in air of 20 degC at sea level, with the cooling
// required held.
class ShippedCatalogue : public testing::TestWithParam<TSeries> {
protected:
    void SetUp() override {
        Point.Series = GetParam().Type;
        Point.MaxInletOilTemp = 60;
        Point.AirTemp = 20;
        Point.Altitude = 0;
        GetParam().Fill(Names, Sections);
        for (const QString& section : Sections)
            Records.push_back(ReadModelRecord(TVerDep().ChangeToSectionName(section, Point.Series),
                                              IniDir,
                                              TVerDep().ChangeToCoolerIniFilename(Point.Series)));
    }

    // Heat removed by model i at flow q, evaluated the way the choice evaluates it.
    double Capacity(int i, double q) const {
        ThermalModel model(ConditionsOf(Point, Grade));
        model.EvaluateAt(ChooseRecordOf(Records[i]), q, Point.MaxInletOilTemp);
        return model.Dissipation;
    }

    bool IsPump() const { return GetParam().Type == VCS_Cooler; }

    TScopedRegionalSettings Separator{QLatin1Char('.')};
    OperatingPoint Point;
    const OilGrade Grade = OilGrade::Read(Oil, IniDir);
    QStringList Names, Sections;
    std::vector<TTableValue> Records;
};

INSTANTIATE_TEST_SUITE_P(Series, ShippedCatalogue, testing::ValuesIn(AllSeries),
                         [](const testing::TestParamInfo<TSeries>& info) {
                             return std::string(info.param.Name);
                         });

TEST_P(ShippedCatalogue, EveryModelIsChosenForSomeOperatingPoint) {
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        std::vector<double> flows;
        if (IsPump()) {
            flows = {20, 40, 55, 60, 80, 100, 125, 160, 200, 250};
        } else {
            for (int k = 0; k <= 10; ++k)
                flows.push_back(r[Catalogue::MinFlow] +
                                (r[Catalogue::MaxFlow] - r[Catalogue::MinFlow]) * k / 10);
        }
        bool chosen = false;
        for (double q : flows) {
            Point.OilFlow = static_cast<float>(q);
            Point.CoolingRequired = static_cast<float>(Capacity(i, q) * (1 - 1e-6));
            const SizingResult result = Size(Point, Records, Grade);
            if (result.Outcome == SizingOutcome::Chosen && result.Chosen() == i) {
                chosen = true;
                break;
            }
        }
        EXPECT_TRUE(chosen) << Names[i].toStdString() << " is never chosen";
    }
}

TEST_P(ShippedCatalogue, SpecificDissipationRisesThroughTheList) {
    double previous = 0;
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        const double middle = (r[Catalogue::MinFlow] + r[Catalogue::MaxFlow]) / 2;
        const double conductance = ConductanceOf(r, middle);
        EXPECT_GT(conductance, previous) << Names[i].toStdString();
        previous = conductance;
    }
}

TEST_P(ShippedCatalogue, ConductanceRisesWithFlowAndFlattens) {
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        SCOPED_TRACE(Names[i].toStdString());
        // Cooling systems are evaluated at whatever flow is entered, so their whole pump range.
        const double low = IsPump() ? 20 : r[Catalogue::MinFlow];
        const double high = IsPump() ? 250 : r[Catalogue::MaxFlow];
        const auto at = [&](double q) { return ConductanceOf(r, q); };
        double previous = 0;
        for (int k = 0; k <= 20; ++k) {
            const double g = at(low + (high - low) * k / 20);
            EXPECT_GT(g, previous) << "at step " << k;
            previous = g;
        }
        const double span = high - low;
        const double firstRise = at(low + span / 5) - at(low);
        const double lastRise = at(high) - at(high - span / 5);
        EXPECT_LT(lastRise, firstRise);
    }
}

TEST_P(ShippedCatalogue, FlowRangesOverlapAndGrow) {
    if (IsPump()) {
        for (int i = 0; i < Sections.size(); ++i) {
            const TTableValue& a = Records[i];
            EXPECT_EQ(a[Catalogue::MinFlow], a[Catalogue::MaxFlow]) << Names[i].toStdString();
            if (i + 1 < Sections.size()) {
                EXPECT_LE(a[Catalogue::MaxFlow], Records[i + 1][Catalogue::MinFlow])
                    << Names[i].toStdString();
            }
        }
        return;
    }
    for (int i = 0; i + 1 < Sections.size(); ++i) {
        const TTableValue& a = Records[i];
        const TTableValue& b = Records[i + 1];
        EXPECT_LT(a[Catalogue::MinFlow], a[Catalogue::MaxFlow]);
        EXPECT_LE(b[Catalogue::MinFlow], a[Catalogue::MaxFlow]) << Names[i].toStdString();
        EXPECT_GE(b[Catalogue::MaxFlow], a[Catalogue::MaxFlow]) << Names[i].toStdString();
    }
}

TEST_P(ShippedCatalogue, PressureDropOfGrade46At50DegreesAtFullFlow) {
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        const double bar = PressureDropOf(r, Grade, r[Catalogue::MaxFlow], 50) / 100;
        EXPECT_GE(bar, 0.5) << Names[i].toStdString();
        EXPECT_LE(bar, 1.5) << Names[i].toStdString();
    }
}

TEST_P(ShippedCatalogue, TechnicalDataArePlausible) {
    const bool hydraulic = GetParam().Type == Cooler_System;
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        SCOPED_TRACE(Names[i].toStdString());
        EXPECT_GE(r[Catalogue::NoiseLevel], 58);
        EXPECT_LE(r[Catalogue::NoiseLevel], 92);
        EXPECT_GT(r[Catalogue::AirFlow], 0);
        EXPECT_GT(r[Catalogue::MotorPower], 0);
        if (!hydraulic) {
            EXPECT_TRUE(r[Catalogue::IP] == 54 || r[Catalogue::IP] == 55);
        }
        if (i > 0) {
            const TTableValue& p = Records[i - 1];
            for (int key : {int(Catalogue::FanDia), int(Catalogue::CoolArea),
                            int(Catalogue::Weight), int(Catalogue::OilVolume)})
                EXPECT_GE(r[key], p[key]) << Catalogue::CoolerKeyTable[key].toStdString();
        }
    }
}

TEST(ShippedCatalogueRange, RequiredCoolingsFromOneTo250kWFindAModel) {
    // At 40 K between oil and air the smallest D.C. cooler takes about 2 kW and the largest
    // A.C. cooler about 250 kW.
    TScopedRegionalSettings point(QLatin1Char('.'));
    QStringList names, sections;
    TDimensionVDM().FillComboBoxDim(QString(), names, sections);
    const ModelRecord smallest = ReadModelRecord(sections.first(), IniDir, "CnfDcEur.ini");
    TDimensionVAM().FillComboBoxDim(QString(), names, sections);
    const ModelRecord largest = ReadModelRecord(sections.last(), IniDir, "CnfAcEur.ini");
    EXPECT_LT(ConductanceOf(smallest, smallest[Catalogue::MinFlow]) * 40, 2.5);
    EXPECT_GT(ConductanceOf(largest, largest[Catalogue::MaxFlow]) * 40, 240);
}

} // namespace
