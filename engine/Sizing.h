#pragma once

#include "core/CoolerTypes.h"
#include "engine/CatalogueRecord.h"
#include "engine/OilGrade.h"
#include "engine/OperatingPoint.h"
#include "engine/ThermalModel.h"

#include <QList>

#include <optional>
#include <span>

// Why a model cannot be rated at an operating point: an input outside the range the catalogue
// covers, an oil flow outside the model's permitted range (given with it, l/min), or a model
// the thermal model has no answer for here.
struct RatingRefusal {
    TLimitResultError Code = LR_UNKNOWN_ERR;
    double MinFlow = 0;
    double MaxFlow = 0;
};

// One model rated at an operating point, in base units: temperatures degC, heat kW, specific
// dissipation kW/K, pressure drop kPa, flow l/min.
struct Rating {
    // Empty when the model is rated; otherwise the values below are not set.
    std::optional<RatingRefusal> Refusal;
    // With the cooling required held, the inlet temperature is solved in a few runs; a run
    // that failed (why is given here) leaves the values of the last run that succeeded.
    std::optional<RatingRefusal> SolvingRefusal;

    float OilFlow = 0;       // the flow rated: a cooling system's is its pump's
    double InletOilTemp = 0; // the maximum, the solved one, raised for the outlet margin
    double OutletOilTemp = 0;
    double OutletAirTemp = 0;
    double Dissipation = 0;        // removed at InletOilTemp
    float SpecificDissipation = 0; // of the last run
    double PressureDrop = 0;       // at the mean oil temperature
    // The outlet oil keeps its margin from the outlet air.
    bool OutletMarginKept = true;
    // The model removes less than the cooling required at the maximum inlet temperature.
    bool RemovesTooLittle = false;
    // The model needs its inlet oil above the maximum: it does not meet the duty.
    bool InletAboveMaximum = false;

    bool Rated() const { return !Refusal; }
    bool Fits() const { return Rated() && !RemovesTooLittle && !InletAboveMaximum; }
};

// A listed candidate: the model's position in the series' list and its rating.
struct Candidate {
    int Position = 0;
    Rating Result;
    // Falls short of the operating point (removes too little, or needs its inlet oil above
    // the maximum); only a smaller neighbour is ever listed so.
    bool Undersized = false;
};

enum class SizingOutcome {
    Chosen,       // Candidates[0] is the model the results belong to
    InputRefused, // an input outside the catalogue's range: InputRefusal says which
    NoOilFlow,    // no oil flows: nothing can be chosen
    NoCooler,     // no model of the series meets the duty
    AirTooClose,  // some models meet the duty with more oil-air difference: NeededDifference
};

struct SizingResult {
    SizingOutcome Outcome = SizingOutcome::NoCooler;
    TLimitResultError InputRefusal = LR_OK;
    // With AirTooClose: the oil-air difference (K) from which some model meets the duty.
    double NeededDifference = 0;
    // The smallest model that meets the duty, then its larger and its smaller neighbour where
    // they can be rated (the larger only when it suffices too), at most four.
    QList<Candidate> Candidates;
    int Chosen() const { return Candidates.isEmpty() ? -1 : Candidates.first().Position; }
};

// The ranges the catalogue covers, both ends included: the maximum inlet oil temperature and
// the air temperature in degC, the altitude in m, the cooling required in kW.
constexpr float MinInletOilTemp = 10;
constexpr float MaxInletOilTemp = 120;
constexpr float MinAirTemp = -30;
constexpr float MaxAirTemp = 50;
constexpr float MinAltitude = 0;
constexpr float MaxAltitude = 4000;
constexpr float MinCoolingRequired = 0;
constexpr float MaxCoolingRequired = 800;

// The checks of the operating point that come before any model: its inputs within the ranges
// the catalogue covers, and air no warmer than the oil may be.
TLimitResultError CheckOperatingPoint(const OperatingPoint& Point);

// "Calculate Selected Cooler": the model `Model` of the point's series at `Point` with the oil
// `Oil`; with the cooling held, at the inlet temperature solved for it. A cooling system is
// rated at the point's flow rounded to whole l/min (its pump's flow, as the page fills it in).
Rating Rate(const OperatingPoint& Point, const ModelRecord& Model, const OilGrade& Oil);

// "Calculate New Cooler": the smallest of `Models` (the series' list, smallest first) that
// removes the cooling required within its permitted flow and keeps the inlet oil within the
// maximum, listed with its neighbours.
SizingResult Size(const OperatingPoint& Point, std::span<const ModelRecord> Models,
                  const OilGrade& Oil);

// The walk's view of a model.
ChooseRecord ChooseRecordOf(const ModelRecord& Model);

// The flow a cooling system runs at: its pump's, in whole l/min.
float PumpFlowOf(const ChooseRecord& Model);

// The oil pressure drop (kPa) of `Model` at `OilFlow` and the mean oil temperature `MeanTemp`,
// evaluated at 100 degC at most.
double PressureDropOf(const ModelRecord& Model, const OilGrade& Oil, double OilFlow,
                      double MeanTemp);

// The cooling systems run at their own pump's flow: whole l/min, any model with enough
// capacity qualifies, and there is no separate test for a missing flow.
bool RunsAtPumpFlow(TCoolerType Series);

// The conditions of the point for the thermal model.
CoolingConditions ConditionsOf(const OperatingPoint& Point, const OilGrade& Oil);
