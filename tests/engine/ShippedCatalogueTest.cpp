#include "core/EngineState.h"
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerSeries.h"
#include "engine/ModelLists.h"
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
     [](QStringList& n, QStringList& s) { TDimensionVAM().FillComboBoxDim(n, s); }},
    {"VDM", DC_Cooler,
     [](QStringList& n, QStringList& s) { TDimensionVDM().FillComboBoxDim(n, s); }},
    {"VHM", Cooler_System,
     [](QStringList& n, QStringList& s) { TDimensionVHM().FillComboBoxDim(n, s); }},
    {"VCS", VCS_Cooler,
     [](QStringList& n, QStringList& s) { TDimensionVCS().FillComboBoxDim(n, s); }},
};

class ShippedCatalogue : public testing::TestWithParam<TSeries> {
protected:
    void SetUp() override {
        ResetEngineState();
        TEngineState& s = EngineState();
        s.CurrentCoolerType = GetParam().Type;
        s.NoCoolerStr = QStringLiteral("No cooler can be selected!");
        s.InMaxOilTemp = 60;
        s.InAirTemp = 20;
        s.InAltitude = 0;
        s.HeatUnitIdx = 1;
        s.FlowUnitIdx = 1;
        GetParam().Fill(Names, Sections);
        for (const QString& section : Sections) {
            TTableValue record{};
            TCoolerHlp::ReadCoolerIniFile(record, TVerDep().ChangeToSectionName(section), IniDir,
                                          TVerDep().ChangeToCoolerIniFilename(GetParam().Type));
            Records.push_back(record);
        }
    }

    std::unique_ptr<TCoolerSeries> Series() const {
        return std::make_unique<TCoolerSeries>(SeriesTraitsOf(GetParam().Type), Sections[0], IniDir,
                                               Oil);
    }

    // Heat removed by model i at flow q, evaluated the way the choice evaluates it.
    double Capacity(TCoolerSeries& series, int i, double q) const {
        const TTableValue& r = Records[i];
        EngineState().InOilFlow = static_cast<float>(q);
        series.GetNormHeatConductivity(q, float(r[Catalogue::CoeffA]), float(r[Catalogue::CoeffB]),
                                       float(r[Catalogue::CoeffC]), float(r[Catalogue::CoeffD]));
        series.ProcessPowerDissipation(60, 20, TCoolerHlp::CoolCorrFactor(),
                                       float(r[Catalogue::AirFlow]));
        return series.ActualDissipation;
    }

    bool IsPump() const { return GetParam().Type == VCS_Cooler; }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    TRecordingMessages Shown;
    TScopedMessageService Capture{Shown};
    QStringList Names, Sections;
    std::vector<TTableValue> Records;
};

INSTANTIATE_TEST_SUITE_P(Series, ShippedCatalogue, testing::ValuesIn(AllSeries),
                         [](const testing::TestParamInfo<TSeries>& info) {
                             return std::string(info.param.Name);
                         });

TEST_P(ShippedCatalogue, EveryModelIsChosenForSomeOperatingPoint) {
    auto series = Series();
    series->PrepCoolChooseTbl(IniDir, Sections);
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
            const double heat = Capacity(*series, i, q) * (1 - 1e-6);
            EngineState().InOilFlow = static_cast<float>(q);
            EngineState().InHeatDissi = static_cast<float>(heat);
            int32_t position = -1;
            uint8_t warnings = WR_NON;
            if (series->ChooseCooler(position, warnings, IniDir, Sections) == FR_FOUND &&
                position == i) {
                chosen = true;
                break;
            }
        }
        EXPECT_TRUE(chosen) << Names[i].toStdString() << " is never chosen";
    }
    EXPECT_FALSE(Shown.Texts().contains("Error computing power"));
}

TEST_P(ShippedCatalogue, SpecificDissipationRisesThroughTheList) {
    auto series = Series();
    double previous = 0;
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        const double middle = (r[Catalogue::MinFlow] + r[Catalogue::MaxFlow]) / 2;
        series->GetNormHeatConductivity(middle, r[Catalogue::CoeffA], r[Catalogue::CoeffB],
                                        r[Catalogue::CoeffC], r[Catalogue::CoeffD]);
        const double conductance = series->NormHeatConductivity;
        EXPECT_GT(conductance, previous) << Names[i].toStdString();
        previous = conductance;
    }
}

TEST_P(ShippedCatalogue, ConductanceRisesWithFlowAndFlattens) {
    auto series = Series();
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        SCOPED_TRACE(Names[i].toStdString());
        // Cooling systems are evaluated at whatever flow is entered, so their whole pump range.
        const double low = IsPump() ? 20 : r[Catalogue::MinFlow];
        const double high = IsPump() ? 250 : r[Catalogue::MaxFlow];
        const auto at = [&](double q) {
            series->GetNormHeatConductivity(q, r[Catalogue::CoeffA], r[Catalogue::CoeffB],
                                            r[Catalogue::CoeffC], r[Catalogue::CoeffD]);
            return series->NormHeatConductivity;
        };
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

// A cooling system runs at its pump's flow, one flow per record, growing with the size; the
// flow ranges of the other series overlap, so every flow between has a model.
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
    auto series = Series();
    for (int i = 0; i < Sections.size(); ++i) {
        const TTableValue& r = Records[i];
        const double bar = series->PressureDropAt(r[Catalogue::MaxFlow], 50, r[Catalogue::CoeffE],
                                                  r[Catalogue::CoeffF], r[Catalogue::CoeffG],
                                                  r[Catalogue::CoeffH]) /
                           100;
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
    ResetEngineState();
    TScopedRegionalSettings point(QLatin1Char('.'));
    QStringList names, sections;
    TDimensionVDM().FillComboBoxDim(names, sections);
    TCoolerVDM smallest(sections.first(), IniDir, Oil);
    TDimensionVAM().FillComboBoxDim(names, sections);
    TCoolerVAM largest(sections.last(), IniDir, Oil);
    const auto conductance = [](TCoolerHlp& c, const TTableValue& r, double q) {
        c.GetNormHeatConductivity(q, r[Catalogue::CoeffA], r[Catalogue::CoeffB],
                                  r[Catalogue::CoeffC], r[Catalogue::CoeffD]);
        return c.NormHeatConductivity;
    };
    EXPECT_LT(conductance(smallest, smallest.TableValue, smallest.TableValue[Catalogue::MinFlow]) *
                  40,
              2.5);
    EXPECT_GT(conductance(largest, largest.TableValue, largest.TableValue[Catalogue::MaxFlow]) * 40,
              240);
}

} // namespace
