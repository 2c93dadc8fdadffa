#include "engine/ThermalModel.h"

#include <cmath>

namespace {

// The air density at the reference altitude, where the catalogue's air flows were measured.
const double ReferenceAirDensity = ThermalModel::AirDensity(ThermalModel::ReferenceAltitude);

} // namespace

double ThermalModel::AirDensity(double Altitude) {
    const double h = Altitude;
    return ((((-1.0416667e-18 * h + 1.2291667e-14) * h - 4.9375e-11) * h + 8.5208333e-8) * h -
            0.00020708333) *
               h +
           1.3;
}

double ThermalModel::AltitudeFactor(double Altitude) {
    return 1 - (Altitude - ReferenceAltitude) * 6.875e-5;
}

void ThermalModel::SetConductance(double OilFlow, double A, double B, double C, double D) {
    const double q = OilFlow;
    Conductance = ((A * q + B) * q + C) * q + D;
}

bool ThermalModel::Evaluate(double InletOilTemp, double AirFlow) {
    const double altitude = Conditions.Altitude;
    const double airTemp = Conditions.AirTemp;
    const double density = AirDensity(altitude);
    const double deltaT = InletOilTemp - airTemp;
    const double k = Conductance * Conditions.OilCorrection * AltitudeFactor(altitude);

    // Without air, or outside the range where the closed solution holds (a denominator that is
    // not positive, an air density the altitude polynomial no longer gives sensibly), the
    // cooler removes nothing rather than producing an infinite or undefined heat.
    double heat = 0;
    if (AirFlow > 0 && density > 0) {
        const double airRise = (ReferenceAirDensity / density) / (1.2 * AirFlow);
        const double denominator = 0.0015 * k * airRise * deltaT + 1;
        if (denominator > 0)
            heat = k * deltaT * (1.02 - 0.0015 * airTemp) / denominator;
        SetAirTempOut(heat, AirFlow, density);
    } else {
        AirTempOut = airTemp;
    }

    SetSpecificDissipation();
    LastSpecificDissipation = static_cast<float>(SpecificDissipation);
    Dissipation = (InletOilTemp - airTemp) * SpecificDissipation;

    // Both ways of computing the heat must agree; a zero heat has no relative error to check.
    const bool agree = heat == 0 || !(std::fabs(heat - Dissipation) / heat > 1e-7);
    return agree && std::isfinite(heat) && std::isfinite(Dissipation) && std::isfinite(AirTempOut);
}

void ThermalModel::SetAirTempOut(double HeatRemoved, double AirFlow, double Density) {
    AirTempOut =
        HeatRemoved / (1.2 * AirFlow) * (ReferenceAirDensity / Density) + Conditions.AirTemp;
}

void ThermalModel::SetSpecificDissipation() {
    SpecificDissipation = SpecificDissipationAtLastAir();
}

double ThermalModel::SpecificDissipationAtLastAir() const {
    return Conductance * Conditions.OilCorrection * (1.02 - 0.0015 * AirTempOut) *
           AltitudeFactor(Conditions.Altitude);
}

bool ThermalModel::EvaluateAt(const ChooseRecord& Model, double OilFlow, double InletOilTemp) {
    SetConductance(OilFlow, Model.CoeffA, Model.CoeffB, Model.CoeffC, Model.CoeffD);
    InletTemp = InletOilTemp;
    return Evaluate(InletTemp, Model.AirFlow);
}

double ThermalModel::CalculatedInletTemp(const ChooseRecord& Model, double OilFlow,
                                         bool InletTempHeld, float CoolingRequired) {
    double inlet = InletTemp;
    for (int run = 0; !InletTempHeld && run < InletSolvingRuns && LastSpecificDissipation > 0;
         ++run) {
        // In single precision, as the page solves it.
        inlet = CoolingRequired / LastSpecificDissipation + Conditions.AirTemp;
        Evaluate(inlet, Model.AirFlow);
    }
    SetOutletOilTemp(OilFlow, Dissipation, inlet, AirTempOut);
    return inlet;
}

bool ThermalModel::SetOutletOilTemp(double OilFlow, double HeatRemoved, double& InletOilTemp,
                                    double AirOut) {
    // Heat capacity flow of the oil in kW/K: l/min -> l/h, 0.9 kg/l, 0.5 kcal/(kg K), kcal -> Wh.
    const double capacityFlow = OilFlow * 60 * 0.9 * 0.5 * 1.163 * 0.001;
    if (!(capacityFlow > 0)) {
        // No oil flows: no outlet temperature exists, so the model cannot be used.
        OilTempOut = InletOilTemp;
        return false;
    }
    const double drop = HeatRemoved / capacityFlow;
    const double margin = Conditions.OutletOilAirMargin;
    auto distance = [&] { return (std::floor(OilTempOut * 100) - std::floor(AirOut * 100)) / 100; };

    OilTempOut = InletOilTemp - drop;
    if (margin > distance()) {
        OilTempOut = AirOut + margin;
        InletOilTemp = OilTempOut + drop;
        if (margin > distance())
            return false;
    }
    return true;
}
