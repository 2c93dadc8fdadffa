#pragma once

#include <cstdint>

// One model's coefficients as the walk over a series evaluates them: held in single precision,
// as the selection has always judged the models.
struct ChooseRecord {
    float CoeffA = 0;
    float CoeffB = 0;
    float CoeffC = 0;
    float CoeffD = 0;
    float CoeffE = 0;
    float MinFlow = 0;
    float MaxFlow = 0;
    float AirFlow = 0;
};

// Where a cooler works: the ambient air, the altitude, the oil's cooling correction and the
// least distance the outlet oil keeps from the outlet air.
struct CoolingConditions {
    float AirTemp = 0;          // degC
    float Altitude = 0;         // m
    double OilCorrection = 1;   // OilGrade::CoolingCorrection
    int OutletOilAirMargin = 3; // K
};

// The thermal model of one cooler at one operating point, in base units: oil flow l/min,
// temperatures degC, heat kW, altitude m, air flow m3/s, air density kg/m3.
//
// The catalogue gives each model's conductance as a cubic in the oil flow, measured at the
// reference altitude; the heat removed at an inlet temperature follows in closed form from the
// conductance, the air flow and the air's density at the site. An evaluation leaves its
// results in the fields below; the next one starts from them (the specific dissipation of the
// last evaluation is what the inlet temperature is solved with).
class ThermalModel {
public:
    static constexpr double ReferenceAltitude = 500; // m, where the catalogue data hold

    explicit ThermalModel(const CoolingConditions& Conditions) : Conditions(Conditions) {}

    // The density of the air in kg/m3 at `Altitude` m.
    static double AirDensity(double Altitude);

    double Conductance = 0;            // kW/K at the oil flow, before corrections
    double SpecificDissipation = 0;    // kW/K
    float LastSpecificDissipation = 0; // the same in single precision, as the solving takes it
    double AirTempOut = 0;             // degC
    double Dissipation = 0;            // kW at the inlet temperature evaluated
    double InletTemp = 0;              // degC; may be raised to keep the outlet margin
    double OilTempOut = 0;             // degC

    // The conductance of a model with the cubic's coefficients at `OilFlow`.
    void SetConductance(double OilFlow, double A, double B, double C, double D);

    // The heat removed at `InletOilTemp` with the air flow `AirFlow`, with the outlet air
    // temperature and the specific dissipation. False when the model cannot be evaluated here:
    // far outside the flows it was measured for its closed solution and the specific
    // dissipation no longer agree, or the numbers leave the finite range.
    bool Evaluate(double InletOilTemp, double AirFlow);

    // The conductance of the specific dissipation at the outlet air temperature held: zero
    // where the model has none at this flow.
    double SpecificDissipationAtLastAir() const;

    // A model of a choose table at the oil flow `OilFlow` with the oil entering at
    // `InletOilTemp` (InletTemp is set to it first).
    bool EvaluateAt(const ChooseRecord& Model, double OilFlow, double InletOilTemp);

    // The outlet oil temperature for `HeatRemoved` at `OilFlow`. When the oil would leave
    // closer than the margin to the outlet air, the inlet temperature `InletOilTemp` is raised
    // instead; false when even that does not keep the margin, or no oil flows.
    bool SetOutletOilTemp(double OilFlow, double HeatRemoved, double& InletOilTemp, double AirOut);

    // The runs that settle the inlet temperature at which a model removes exactly the
    // required cooling, when the cooling required is held.
    static constexpr int InletSolvingRuns = 4;

    // The inlet temperature a model of a choose table is calculated at, for the model just
    // evaluated at the maximum (EvaluateAt): with the cooling held, the one at which it
    // removes exactly `CoolingRequired`, otherwise the maximum; raised where the outlet margin
    // asks.
    double CalculatedInletTemp(const ChooseRecord& Model, double OilFlow, bool InletTempHeld,
                               float CoolingRequired);

    const CoolingConditions& Where() const { return Conditions; }

private:
    static double AltitudeFactor(double Altitude);
    void SetAirTempOut(double HeatRemoved, double AirFlow, double Density);
    void SetSpecificDissipation();

    CoolingConditions Conditions;
};
