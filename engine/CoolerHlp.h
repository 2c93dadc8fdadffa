#pragma once

#include "CoolerTypes.h"
#include "IsoOil.h"

#include <cstdint>

// The calculator of one cooler model at one operating point, in base units: oil flow l/min,
// temperatures degC, heat kW, altitude m, air flow m3/s, air density kg/m3, pressure drop kPa.
// The operations take the model's coefficients as arguments; the operating point and the
// margin come from the engine state. Fields carry over between evaluations of one object.
class TCoolerHlp : public TIsoOil {
public:
    static constexpr double ReferenceAltitude = 500; // m, where the catalogue data hold

    double SpecHeatDissiValue = 0;   // kW/K
    double NormHeatConductivity = 0; // kW/K at the current oil flow
    double PressureDrValue = 0;      // kPa
    double PrDropFuncValue = 0;      // flow part of the pressure drop
    double AirTempOutValue = 0;      // degC
    double OilTempOutValue = 0;      // degC
    double AirDensityValue = 0;      // kg/m3 at the site
    double AirDensity500m = 0;       // kg/m3 at the reference altitude
    double OilTempInValue = 0;       // degC; may be raised by the outlet margin
    double ActualDissipation = 0;    // kW

    static double AirDensity(double Altitude);

    void GetNormHeatConductivity(double OilFlow, double CoolerCoefA, double CoolerCoefB,
                                 double CoolerCoefC, double CoolerCoefD);

    // Heat removed at the inlet temperature, with the outlet air temperature, the specific
    // heat dissipation and LastSpecHeat of the engine state.
    void ProcessPowerDissipation(double OilTempIn, double AirTempIn, double OilCorrCooler,
                                 double AirFlow);
    void GetAirTempOutValue(double AirTempIn, double HeatDissi, double AirFlow, double AirDensity);
    // Takes the outlet air temperature from AirTempOutValue; the argument is not used.
    void GetSpecHeatDissiValue(double OilCorrCooler, double AirTempOut, double Altitude);
    void GetActualDissipation(double OilTempIn, double AirTempIn, double SpHeatDissi);

    // Outlet oil temperature. When the oil would leave closer than the margin to the outlet
    // air, the inlet temperature `OilInTemp` is raised instead; `Error` becomes
    // WR_OUTOIL_AIR_TEMP_ERR when even that fails. `Error` is never reset here.
    void GetOilTempOutValue(uint8_t& Error, double OilFlow, double HeatDissi, double& OilInTemp,
                            double AirOutTemp);

    void GetPrDropFuncValue(double OilFlow, double CoolerCoefE, double CoolerCoefF,
                            double CoolerCoefG, double CoolerCoefH);
    void GetPressureDrValue(double FuncValue, double ViscoCorr);
    // Oil pressure drop in kPa at the mean oil temperature, evaluated at 100 degC at most.
    double PressureDropAt(double OilFlow, double MeanTemp, double CoolerCoefE, double CoolerCoefF,
                          double CoolerCoefG, double CoolerCoefH);

    static TLimitResultError CheckInputLimits(float MaxTemp, float AirTemp, float Altitude,
                                              float HeatDissi);

private:
    static double AltitudeFactor(double Altitude);
};
