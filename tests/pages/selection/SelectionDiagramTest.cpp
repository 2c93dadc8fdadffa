#include "tests/pages/selection/SelectionTestPage.h"

#include "units/UnitConv.h"

#include <cmath>

namespace {

using E = TSelectionEntry;

// The diagram as the page last showed it.
class SelectionDiagram : public SelectionPage {
protected:
    const TSelectionDiagram& Shown() const {
        EXPECT_TRUE(View.Diagram.has_value());
        static const TSelectionDiagram none;
        return View.Diagram ? *View.Diagram : none;
    }

    const TDiagramCurve* CurveOf(const QString& model) const {
        for (const TDiagramCurve& curve : Shown().Curves) {
            if (curve.Model == model)
                return &curve;
        }
        ADD_FAILURE() << "no curve for " << model.toStdString();
        return nullptr;
    }

    // The curve's specific dissipation at exactly the flow, if the curve reaches it.
    static std::optional<double> At(const TDiagramCurve& curve, double flow) {
        for (const TDiagramPoint& point : curve.Points) {
            if (point.Flow == flow)
                return point.SpecificDissipation;
        }
        return std::nullopt;
    }

    QStringList ChosenModels() const {
        QStringList chosen;
        for (const TDiagramCurve& curve : Shown().Curves) {
            if (curve.Chosen)
                chosen.append(curve.Model);
        }
        return chosen;
    }

    QString ResultModel() const {
        return View.ListItems(TSelectionList::Model).value(View.ListIndex(TSelectionList::Model));
    }
};

TEST_F(SelectionDiagram, OperatingPointSitsWhereTheSelectionSays) {
    // The fixture's coolers remove about 19, 37 and 72 kW, admitting 5-60, 20-150, 50-300 l/min.
    const struct {
        const char* Name;
        float Flow, MaxOilTemp, AirTemp, Altitude, Heat;
        const char* Undersized; // the smaller neighbour, listed although it falls short
    } cases[] = {
        {"Middle", 60, 60, 20, 500, 25, "KFIX S"},
        {"Smallest", 40, 60, 20, 500, 10, nullptr},
        {"Largest", 60, 60, 20, 500, 50, "KFIX M"},
        {"HotHighSite", 50, 90, 45, 3000, 20, "KFIX S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TypeOperatingPoint(c.Flow, c.MaxOilTemp, c.AirTemp, c.Altitude, c.Heat);
        Controller.btCalcNewCoolerClick();
        ASSERT_TRUE(View.GridShown);
        const TSelectionDiagram& diagram = Shown();

        ASSERT_TRUE(diagram.OperatingPoint);
        EXPECT_EQ(diagram.OperatingPoint->Flow, c.Flow);
        const OperatingPoint& point = Controller.EnteredPoint();
        EXPECT_DOUBLE_EQ(diagram.OperatingPoint->SpecificDissipation,
                         point.CoolingRequired /
                             (static_cast<double>(point.MaxInletOilTemp) - point.AirTemp));
        EXPECT_NEAR(diagram.OperatingPoint->SpecificDissipation,
                    c.Heat / (c.MaxOilTemp - c.AirTemp), 1e-6);

        // One curve per candidate, smallest model first; the results' model is the chosen one.
        QStringList models;
        for (const TDiagramCurve& curve : diagram.Curves)
            models.append(curve.Model);
        QStringList candidates;
        for (const QString& model : View.ListItems(TSelectionList::Model)) {
            if (GridModels().contains(model))
                candidates.append(model);
        }
        EXPECT_EQ(models, candidates);
        EXPECT_EQ(ChosenModels(), QStringList{ResultModel()});

        const TDiagramCurve* chosen = CurveOf(ResultModel());
        ASSERT_NE(chosen, nullptr);
        const std::optional<double> chosenAtFlow = At(*chosen, c.Flow);
        ASSERT_TRUE(chosenAtFlow);
        EXPECT_GE(*chosenAtFlow, diagram.OperatingPoint->SpecificDissipation);
        if (c.Undersized) {
            const TDiagramCurve* smaller = CurveOf(c.Undersized);
            ASSERT_NE(smaller, nullptr);
            const std::optional<double> smallerAtFlow = At(*smaller, c.Flow);
            ASSERT_TRUE(smallerAtFlow);
            EXPECT_LT(*smallerAtFlow, diagram.OperatingPoint->SpecificDissipation);
        }
        Type(E::HeatDiss, "0"); // a fresh start for the next case
    }
}

TEST_F(SelectionDiagram, CurvesSpanEachModelsPermittedFlow) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    const QList<Candidate> candidates = Controller.Candidates();
    const QStringList models = View.ListItems(TSelectionList::Model);
    ASSERT_EQ(candidates.size(), 3);
    for (const Candidate& candidate : candidates) {
        const int position = candidate.Position;
        const ChooseRecord model = ChooseRecordOf(FixtureRecord(AC_Cooler, position));
        const TDiagramCurve* curve = CurveOf(models[position]);
        ASSERT_NE(curve, nullptr);
        ASSERT_GE(curve->Points.size(), DiagramCurvePoints);
        EXPECT_EQ(curve->Points.first().Flow, model.MinFlow);
        EXPECT_EQ(curve->Points.last().Flow, model.MaxFlow);
        for (qsizetype i = 0; i < curve->Points.size(); ++i) {
            const TDiagramPoint& point = curve->Points[i];
            EXPECT_TRUE(std::isfinite(point.SpecificDissipation));
            EXPECT_GT(point.SpecificDissipation, 0);
            if (i > 0) {
                EXPECT_GT(point.Flow, curve->Points[i - 1].Flow);
            }
        }
    }
}

TEST_F(SelectionDiagram, FollowsCandidatePicksAndIsClearedWithTheResults) {
    TypeOperatingPoint(60, 60, 20, 500, 25);
    Controller.btCalcNewCoolerClick();
    const TSelectionDiagram first = Shown();
    ASSERT_EQ(ChosenModels(), QStringList{"KFIX M"});

    ASSERT_TRUE(Controller.sgCoolerSamplesSelectCell(0, 3));
    EXPECT_EQ(ChosenModels(), QStringList{"KFIX S"});
    EXPECT_EQ(Shown().OperatingPoint, first.OperatingPoint);
    for (qsizetype i = 0; i < first.Curves.size(); ++i)
        EXPECT_EQ(Shown().Curves[i].Points, first.Curves[i].Points);
    // The header row picks nothing and changes nothing.
    EXPECT_FALSE(Controller.sgCoolerSamplesSelectCell(0, 0));
    EXPECT_EQ(ChosenModels(), QStringList{"KFIX S"});

    Type(E::AirTemp, "21");
    EXPECT_FALSE(View.Diagram.has_value());

    // Nothing suffices: no results, no diagram.
    Type(E::AirTemp, "20");
    Type(E::HeatDiss, "500");
    Controller.btCalcNewCoolerClick();
    EXPECT_FALSE(View.Diagram.has_value());
}

TEST_F(SelectionDiagram, UnitsFollowTheLists) {
    // The operating point typed in each flow unit: flows are shown in that unit, the specific
    // dissipation stays in kW/K, with the heat unit telling the unit the results show.
    const struct {
        const char* Name;
        int FlowUnit;
        const char* Flow; // 60 l/min
        int HeatUnit;
        const char* Heat; // 25 kW
    } cases[] = {
        {"CubicMetresAndWatts", Ord(TFlow::m3_h), "3.6", Ord(THeatDissi::W), "25000"},
        {"GallonsAndBtu", Ord(TFlow::USgal_min), "15.8520476", Ord(THeatDissi::BTU_hr), "85300"},
        {"LitresAndHorsepower", Ord(TFlow::l_min), "60", Ord(THeatDissi::HP), "33.525"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        PickUnit(E::OilFlow, c.FlowUnit);
        PickUnit(E::HeatDiss, c.HeatUnit);
        TypeOperatingPoint(0, 60, 20, 500, 0);
        Type(E::OilFlow, c.Flow);
        Type(E::HeatDiss, c.Heat);
        Controller.btCalcNewCoolerClick();
        const TSelectionDiagram& diagram = Shown();
        EXPECT_EQ(diagram.FlowUnit, c.FlowUnit);
        EXPECT_EQ(diagram.HeatUnit, c.HeatUnit);
        ASSERT_TRUE(diagram.OperatingPoint);
        EXPECT_FLOAT_EQ(diagram.OperatingPoint->Flow, QString(c.Flow).toFloat());
        EXPECT_NEAR(diagram.OperatingPoint->SpecificDissipation, 25.0 / 40, 0.001);
        const TDiagramCurve* chosen = CurveOf("KFIX M");
        ASSERT_NE(chosen, nullptr);
        int decimals = 0;
        EXPECT_FLOAT_EQ(chosen->Points.first().Flow,
                        TUnitConv::FlowFromLiterPerMin(decimals, 20, c.FlowUnit));
        EXPECT_EQ(diagram.FlowCaption, "Oil flow");
        EXPECT_EQ(diagram.DissipationCaption, "Sp. heat dissipation");
    }
}

TEST_F(SelectionDiagram, CoolingSystemsArePointsAtTheirOwnPumpFlow) {
    PickSeries(VCS_Cooler);
    TypeOperatingPoint(60, 60, 20, 500, 45);
    Controller.btCalcNewCoolerClick();
    ASSERT_EQ(GridModels(), (QStringList{"KVCS C", "KVCS B"}));
    for (const TDiagramCurve& curve : Shown().Curves) {
        SCOPED_TRACE(curve.Model.toStdString());
        const int position = View.ListItems(TSelectionList::Model).indexOf(curve.Model);
        ASSERT_EQ(curve.Points.size(), 1);
        EXPECT_EQ(curve.Points[0].Flow,
                  PumpFlowOf(ChooseRecordOf(FixtureRecord(VCS_Cooler, position))));
    }
    // The operating point is where the chosen system runs, and moves with the pick.
    EXPECT_EQ(Shown().OperatingPoint->Flow, 80);
    EXPECT_GE(CurveOf("KVCS C")->Points[0].SpecificDissipation,
              Shown().OperatingPoint->SpecificDissipation);
    EXPECT_LT(CurveOf("KVCS B")->Points[0].SpecificDissipation,
              Shown().OperatingPoint->SpecificDissipation);
    ASSERT_TRUE(Controller.sgCoolerSamplesSelectCell(0, 2));
    EXPECT_EQ(Shown().OperatingPoint->Flow, 40);
    EXPECT_EQ(ChosenModels(), QStringList{"KVCS B"});

    // A system's flow entry is the program's: another flow unit keeps the results, and the
    // diagram follows it.
    PickUnit(E::OilFlow, Ord(TFlow::m3_h));
    ASSERT_TRUE(View.GridShown);
    EXPECT_EQ(Shown().FlowUnit, Ord(TFlow::m3_h));
    EXPECT_FLOAT_EQ(Shown().OperatingPoint->Flow, 2.4f);
}

TEST(SelectionDiagramComputation, APointNoWarmerThanTheAirHasNoSpecificDissipation) {
    OperatingPoint point;
    point.OilFlow = 50;
    point.MaxInletOilTemp = 60;
    point.AirTemp = 60;
    point.CoolingRequired = 10;
    OilGrade::Coefficients oil{};
    oil[OilGrade::Key::CoolCorr] = 1;
    const ChooseRecord model{0, 0, 0.001f, 0.5f, 0, 10, 100, 1.5f};
    const TSelectionDiagram diagram =
        ComputeSelectionDiagram(point, OilGrade(oil), {{"A", model, true}}, Ord(TFlow::l_min), 1);
    EXPECT_FALSE(diagram.OperatingPoint);
    ASSERT_EQ(diagram.Curves.size(), 1);
    EXPECT_EQ(diagram.Curves[0].Points.size(), DiagramCurvePoints + 1); // 50 l/min besides
}

} // namespace
