#pragma once

#include "core/CoolerTypes.h"
#include "core/EngineState.h"
#include "engine/CatalogueRecord.h"
#include "engine/IsoOil.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The calculator of one cooler model at one operating point, in base units: oil flow l/min,
// temperatures degC, heat kW, altitude m, air flow m3/s, air density kg/m3, pressure drop kPa.
// The operations take the model's coefficients as arguments; the operating point and the
// margin come from the engine state. Fields carry over between evaluations of one object.
class TCoolerHlp : public TIsoOil {
public:
    static constexpr double ReferenceAltitude = 500; // m, where the catalogue data hold

    // A calculator for coefficients given directly; no data file is read.
    TCoolerHlp() = default;
    // A calculator for the oil grade of section `OilSectionStr` (e.g. "ISO_VG_46"), loaded from
    // the oil data file in `PathStr`. Throws an EDataFault when the grade's data are unusable.
    TCoolerHlp(const QString& OilSectionStr, const QString& PathStr);

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
    // heat dissipation and LastSpecHeat of the engine state. False when the model cannot be
    // evaluated at this point: far outside the flows it was measured for, its closed solution
    // and the specific heat dissipation no longer agree, or the numbers leave the finite range.
    bool ProcessPowerDissipation(double OilTempIn, double AirTempIn, double OilCorrCooler,
                                 double AirFlow);
    void GetAirTempOutValue(double AirTempIn, double HeatDissi, double AirFlow, double AirDensity);
    // Takes the outlet air temperature from AirTempOutValue; the argument is not used.
    void GetSpecHeatDissiValue(double OilCorrCooler, double AirTempOut, double Altitude);
    void GetActualDissipation(double OilTempIn, double AirTempIn, double SpHeatDissi);

    // A model of a choose table as the walk over a series judges it: at the oil flow `OilFlow`
    // (l/min), the maximum inlet oil temperature and the ambient air of the operating point and
    // the oil correction `OilCorrCooler`. Sets OilTempInValue, ActualDissipation,
    // SpecHeatDissiValue and AirTempOutValue, and LastSpecHeat of the engine state. False where
    // the thermal model has no answer (as ProcessPowerDissipation).
    bool EvaluateChooseRec(const TCoolChooseRec& Model, double OilFlow, double OilCorrCooler);

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

    // The highest maximum inlet oil temperature the input check accepts, degC.
    static constexpr float MaxInletOilTemp = 120;
    static TLimitResultError CheckInputLimits(float MaxTemp, float AirTemp, float Altitude,
                                              float HeatDissi);

    // Reads section `SectionStr` of the catalogue file `PathStr` + `FileName` into `ValueArr`,
    // key by key; throws EConvertError at the first missing or non-numeric value and
    // EDataRangeError at the first value outside its key's physical range (both naming the key,
    // file and section), the values before it keeping their new contents.
    static void ReadCoolerIniFile(TTableValue& ValueArr, const QString& SectionStr,
                                  const QString& PathStr, const QString& FileName);

    // Result texts in the display units; the unit texts do not change with the language.
    static QString TemperatureToStr(float Temperature, int Index);
    static QString SpecHeatToStr(double SpecHeat, int UnitIndex);
    static QString PowerToStr(double Power, int UnitIndex);
    QString PressureDropToStr(double MeanTemp, int PrUnit, double OilFlow,
                              const TTableValue& TableValue);
    // The text of a pressure drop in kPa in the pressure unit `PrUnit`, limits included.
    static QString PressureDropText(double DropkPa, int PrUnit);
    static QString AirFlowToStr(int OilFlowUnit, float AirFlow);
    static QString MotorCapacityToStr(float CoeffMotor, int EnergyUnit);
    static QString WeightToStr(float CoeffWeight);
    static QString CoolerAreaToStr(float CoeffArea);
    static QString OilVolumeToStr(float CoeffOilVolume);
    static QString NoiseLevelToStr(float CoeffNoise);

    // The operating limits as whole numbers in the unit chosen for the quantity.
    static QString GetMinOilTemp(int UnitIndex);
    static QString GetMaxOilTemp(int UnitIndex);
    static QString GetMinAirTemp(int UnitIndex);
    static QString GetMaxAirTemp(int UnitIndex);
    static QString GetMinAltetude(int UnitIndex);
    static QString GetMaxAltetude(int UnitIndex);
    static QString GetMinHeatDissi(int UnitIndex);
    static QString GetMaxHeatDissi(int UnitIndex);
    static QString GetMinOilFlow(int UnitIndex, float OilFlow);
    static QString GetMaxOilFlow(int UnitIndex, float OilFlow);

    // The message of a failed check, worded with the captured captions and units.
    static QString CheckLimitResult(TLimitResultError LimitResult, float CoeffMinFlow,
                                    float CoeffMaxFlow);

    // The full calculation of one model at the operating point of the engine state. On
    // LR_OK the result texts, colours, LastActualDissipation and LastOilTempIn of the engine
    // state are written; otherwise, when messages are shown, `Message` holds the reason. The
    // model is evaluated at the inlet temperature `InletTemp` when one is given (a solved one,
    // a result that is never limit-checked), otherwise at the maximum inlet temperature; the
    // user's inputs are checked either way and never changed.
    TLimitResultError CalcCoolerResults(const TTableValue& TableValue, int EnergyUnit, int MaxLen,
                                        QString& Message, uint8_t& Warning,
                                        std::optional<double> InletTemp = std::nullopt);

    // The runs that settle the inlet temperature at which a model removes exactly the required
    // cooling, in the fixed required cooling mode.
    static constexpr int InletSolvingRuns = 4;

    // The inlet oil temperature the full calculation of a model of a choose table shows, for
    // the model just evaluated at the maximum (EvaluateChooseRec): in the fixed required
    // cooling mode the one at which it removes exactly the required cooling, solved as the
    // selection page solves it, otherwise the maximum; raised where the outlet margin asks.
    double CalculatedInletTemp(const TCoolChooseRec& Model, double OilFlow, double OilCorrCooler);

    // Whether the model meets the duty with the maximum inlet oil temperature at `MaxInletTemp`:
    // it removes the required cooling at the oil flow `OilFlow`, and the inlet temperature it
    // is calculated at stays within that maximum.
    bool MeetsDutyAt(const TCoolChooseRec& Model, double OilFlow, double OilCorrCooler,
                     double MaxInletTemp);

    // After a walk over a series: reloads and recalculates the chosen model at `Index` of the
    // internal names `cbCooler`, turning `FoundResult` into FR_NON when that fails, and tells
    // the user when no cooler can be selected.
    void ConfirmChosenCooler(TFoundResult& FoundResult, uint8_t& Warnings,
                             const QStringList& cbCooler, TTableValue& TableValue,
                             TCoolerType CoolerType, const QString& PathStr, int Index);

protected:
    // ConfirmChosenCooler with the choice of telling the user when the model fails: a walk
    // confirms every candidate it meets, but only its final answer may say that no cooler
    // can be selected.
    void ConfirmCooler(TFoundResult& FoundResult, uint8_t& Warnings, const QStringList& cbCooler,
                       TTableValue& TableValue, TCoolerType CoolerType, const QString& PathStr,
                       int Index, bool TellFailure);

private:
    static double AltitudeFactor(double Altitude);
};
