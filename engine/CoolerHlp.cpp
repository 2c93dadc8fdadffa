#include "engine/CoolerHlp.h"

#include "core/EngineState.h"

#include <algorithm>
#include <cmath>

double TCoolerHlp::AirDensity(double Altitude) {
    const double h = Altitude;
    return ((((-1.0416667e-18 * h + 1.2291667e-14) * h - 4.9375e-11) * h + 8.5208333e-8) * h -
            0.00020708333) *
               h +
           1.3;
}

double TCoolerHlp::AltitudeFactor(double Altitude) {
    return 1 - (Altitude - ReferenceAltitude) * 6.875e-5;
}

void TCoolerHlp::GetNormHeatConductivity(double OilFlow, double CoolerCoefA, double CoolerCoefB,
                                         double CoolerCoefC, double CoolerCoefD) {
    const double q = OilFlow;
    NormHeatConductivity = ((CoolerCoefA * q + CoolerCoefB) * q + CoolerCoefC) * q + CoolerCoefD;
}

bool TCoolerHlp::ProcessPowerDissipation(double OilTempIn, double AirTempIn, double OilCorrCooler,
                                         double AirFlow) {
    const double altitude = EngineState().InAltitude;
    AirDensityValue = AirDensity(altitude);
    const double deltaT = OilTempIn - AirTempIn;
    const double k = NormHeatConductivity * OilCorrCooler * AltitudeFactor(altitude);

    // Without air, or outside the range where the closed solution holds (a denominator that is
    // not positive, an air density the altitude polynomial no longer gives sensibly), the
    // cooler removes nothing rather than producing an infinite or undefined heat.
    double heat = 0;
    if (AirFlow > 0 && AirDensityValue > 0) {
        const double airRise = (AirDensity500m / AirDensityValue) / (1.2 * AirFlow);
        const double denominator = 0.0015 * k * airRise * deltaT + 1;
        if (denominator > 0)
            heat = k * deltaT * (1.02 - 0.0015 * AirTempIn) / denominator;
        GetAirTempOutValue(AirTempIn, heat, AirFlow, AirDensityValue);
    } else {
        AirTempOutValue = AirTempIn;
    }

    GetSpecHeatDissiValue(OilCorrCooler, AirTempOutValue, altitude);
    EngineState().LastSpecHeat = static_cast<float>(SpecHeatDissiValue);
    GetActualDissipation(OilTempIn, AirTempIn, SpecHeatDissiValue);

    // Both ways of computing the heat must agree; a zero heat has no relative error to check.
    const bool agree = heat == 0 || !(std::fabs(heat - ActualDissipation) / heat > 1e-7);
    return agree && std::isfinite(heat) && std::isfinite(ActualDissipation) &&
           std::isfinite(AirTempOutValue);
}

void TCoolerHlp::GetAirTempOutValue(double AirTempIn, double HeatDissi, double AirFlow,
                                    double AirDensity) {
    AirTempOutValue = HeatDissi / (1.2 * AirFlow) * (AirDensity500m / AirDensity) + AirTempIn;
}

void TCoolerHlp::GetSpecHeatDissiValue(double OilCorrCooler, double /*AirTempOut*/,
                                       double Altitude) {
    SpecHeatDissiValue = NormHeatConductivity * OilCorrCooler * (1.02 - 0.0015 * AirTempOutValue) *
                         AltitudeFactor(Altitude);
}

void TCoolerHlp::GetActualDissipation(double OilTempIn, double AirTempIn, double SpHeatDissi) {
    ActualDissipation = (OilTempIn - AirTempIn) * SpHeatDissi;
}

bool TCoolerHlp::EvaluateChooseRec(const TCoolChooseRec& Model, double OilFlow,
                                   double OilCorrCooler) {
    const TEngineState& s = EngineState();
    GetNormHeatConductivity(OilFlow, Model.CoeffA, Model.CoeffB, Model.CoeffC, Model.CoeffD);
    OilTempInValue = s.InMaxOilTemp;
    return ProcessPowerDissipation(OilTempInValue, s.InAirTemp, OilCorrCooler, Model.AirFlow);
}

double TCoolerHlp::CalculatedInletTemp(const TCoolChooseRec& Model, double OilFlow,
                                       double OilCorrCooler) {
    const TEngineState& s = EngineState();
    double inlet = OilTempInValue;
    for (int run = 0; !s.FixedInletTempFLG && run < InletSolvingRuns && s.LastSpecHeat > 0; ++run) {
        inlet = s.InHeatDissi / s.LastSpecHeat + s.InAirTemp; // in single precision, as solved
        ProcessPowerDissipation(inlet, s.InAirTemp, OilCorrCooler, Model.AirFlow);
    }
    uint8_t warning = WR_NON;
    GetOilTempOutValue(warning, OilFlow, ActualDissipation, inlet, AirTempOutValue);
    return inlet;
}

bool TCoolerHlp::MeetsDutyAt(const TCoolChooseRec& Model, double OilFlow, double OilCorrCooler,
                             double MaxInletTemp) {
    const TEngineState& s = EngineState();
    GetNormHeatConductivity(OilFlow, Model.CoeffA, Model.CoeffB, Model.CoeffC, Model.CoeffD);
    OilTempInValue = MaxInletTemp;
    if (!ProcessPowerDissipation(OilTempInValue, s.InAirTemp, OilCorrCooler, Model.AirFlow) ||
        ActualDissipation < s.InHeatDissi)
        return false;
    return CalculatedInletTemp(Model, OilFlow, OilCorrCooler) <= MaxInletTemp;
}

void TCoolerHlp::GetOilTempOutValue(uint8_t& Error, double OilFlow, double HeatDissi,
                                    double& OilInTemp, double AirOutTemp) {
    // Heat capacity flow of the oil in kW/K: l/min -> l/h, 0.9 kg/l, 0.5 kcal/(kg K), kcal -> Wh.
    const double capacityFlow = OilFlow * 60 * 0.9 * 0.5 * 1.163 * 0.001;
    if (!(capacityFlow > 0)) {
        // No oil flows: no outlet temperature exists, so the model cannot be used.
        OilTempOutValue = OilInTemp;
        Error = WR_OUTOIL_AIR_TEMP_ERR;
        return;
    }
    const double drop = HeatDissi / capacityFlow;
    const double margin = EngineState().OutputOilAirDev;
    auto distance = [&] {
        return (std::floor(OilTempOutValue * 100) - std::floor(AirOutTemp * 100)) / 100;
    };

    OilTempOutValue = OilInTemp - drop;
    if (margin > distance()) {
        OilTempOutValue = AirOutTemp + margin;
        OilInTemp = OilTempOutValue + drop;
        if (margin > distance())
            Error = WR_OUTOIL_AIR_TEMP_ERR;
    }
}

void TCoolerHlp::GetPrDropFuncValue(double OilFlow, double CoolerCoefE, double CoolerCoefF,
                                    double CoolerCoefG, double CoolerCoefH) {
    // The roots of a flow that is not positive are taken as zero: no flow, no flow losses.
    const double q = std::max(OilFlow, 0.0);
    const double fourthRoot = q > 0 ? std::exp(0.25 * std::log(q)) : 0;
    const double squareRoot = q > 0 ? std::exp(0.5 * std::log(q)) : 0;
    PrDropFuncValue =
        CoolerCoefE * fourthRoot + CoolerCoefF * squareRoot + CoolerCoefG * q + CoolerCoefH;
}

void TCoolerHlp::GetPressureDrValue(double FuncValue, double ViscoCorr) {
    PressureDrValue = ViscoCorr * FuncValue * 100;
}

double TCoolerHlp::PressureDropAt(double OilFlow, double MeanTemp, double CoolerCoefE,
                                  double CoolerCoefF, double CoolerCoefG, double CoolerCoefH) {
    const double correction = ViscocityCorr(static_cast<float>(std::min(MeanTemp, 100.0)));
    GetPrDropFuncValue(OilFlow, CoolerCoefE, CoolerCoefF, CoolerCoefG, CoolerCoefH);
    GetPressureDrValue(PrDropFuncValue, correction);
    return PressureDrValue;
}

TLimitResultError TCoolerHlp::CheckInputLimits(float MaxTemp, float AirTemp, float Altitude,
                                               float HeatDissi) {
    if (MaxTemp < 10 || MaxTemp > MaxInletOilTemp)
        return LR_OIL_TEMP_ERR;
    if (AirTemp < -30 || AirTemp > 50)
        return LR_AIR_TEMP_ERR;
    if (Altitude < 0 || Altitude > 4000)
        return LR_ATITUDE_ERR;
    if (HeatDissi < 0 || HeatDissi > 800)
        return LR_HEAT_DISSI_ERR;
    if (AirTemp > MaxTemp)
        return LR_INOIL_AIR_TEMP_ERR;
    return LR_OK;
}
