#pragma once

#include "core/EngineState.h"
#include "engine/CoolerHlp.h"

// What distinguishes the four series; the choice itself is one implementation.
struct TSeriesTraits {
    TCoolerType CoolerType;
    int32_t TEngineState::*ModelCount;
    TCoolChooseTbl TEngineState::*ChooseTable;
    // The cooling systems run at their own pump's flow: whole l/min, any model with enough
    // capacity qualifies, and there is no separate test for a missing flow.
    bool PumpFlow;
    // Hydraulic-motor coolers have no electric motor, so no motor protection class.
    bool HasMotorProtection;
};

// A cooler series: chooses the smallest model that removes the required cooling within its
// permitted oil flow, and calculates a model in full. Created for one user action.
class TCoolerSeries : public TCoolerHlp {
public:
    // Loads the oil grade `OilSectionStr` and the model of section `CoolerSectionStr` (already
    // a section name) from the series' catalogue file in `PathStr`.
    TCoolerSeries(const TSeriesTraits& Traits, const QString& CoolerSectionStr,
                  const QString& PathStr, const QString& OilSectionStr);

    // Reads every model of the internal names `cbCooler` into the series' choose table.
    void PrepCoolChooseTbl(const QString& PathStr, const QStringList& cbCooler);

    // Walks the choose table from the smallest model; on FR_FOUND the chosen position is in
    // `NewCoolerNo` and the record and result texts hold the chosen model. A cooling system is
    // judged at its own pump's flow, whatever flow was entered, and is confirmed at that flow,
    // which `InOilFlow` then holds.
    TFoundResult ChooseCooler(int32_t& NewCoolerNo, uint8_t& Warnings, const QString& Path,
                              const QStringList& cbCooler);

    // Calculates the model named at construction at the current operating point.
    // `InletTemp` as in CalcCoolerResults.
    TLimitResultError CalcSelectedCooler(QString& Message, int MaxLen, int EnergyUnit,
                                         uint8_t& Warnings,
                                         std::optional<double> InletTemp = std::nullopt);

    // The flow a cooling system runs at: its pump's, in whole l/min.
    static float PumpFlowOf(const TCoolChooseRec& Model);

    // "IP " and the protection class, or empty for a series without an electric motor.
    QString ProtectionText() const;

    const TSeriesTraits& Traits() const { return SeriesTraits; }

    TTableValue TableValue{};

    // The oil-air difference (maximum inlet oil temperature minus air temperature, K) from which
    // some model of the series meets the duty at this operating point, within the input limits;
    // none when no difference up to them helps.
    std::optional<double> NeededOilAirDifference(const QStringList& cbCooler);
    // A temperature difference in the temperature unit at `TempUnitIndex`: "9 K", "17 °F".
    static QString TemperatureDifferenceText(double DifferenceK, int TempUnitIndex);

private:
    void RoundPumpFlow() const;
    int ModelCount(const QStringList& cbCooler) const;

    const TSeriesTraits& SeriesTraits;
};

extern const TSeriesTraits SeriesVAM;
extern const TSeriesTraits SeriesVDM;
extern const TSeriesTraits SeriesVHM;
extern const TSeriesTraits SeriesVCS;

// The traits of a series by its ordinal; ordinals above the last count as cooling systems,
// as the catalogue file naming does.
const TSeriesTraits& SeriesTraitsOf(TCoolerType CoolerType);

class TCoolerVAM : public TCoolerSeries {
public:
    TCoolerVAM(const QString& CoolerSectionStr, const QString& PathStr,
               const QString& OilSectionStr)
        : TCoolerSeries(SeriesVAM, CoolerSectionStr, PathStr, OilSectionStr) {}
    TTableValue& TableACValue = TableValue;
    QString SetIPTypeToVAM() const { return ProtectionText(); }
};

class TCoolerVDM : public TCoolerSeries {
public:
    TCoolerVDM(const QString& CoolerSectionStr, const QString& PathStr,
               const QString& OilSectionStr)
        : TCoolerSeries(SeriesVDM, CoolerSectionStr, PathStr, OilSectionStr) {}
    TTableValue& TableDCValue = TableValue;
    QString SetIPTypeToVDM() const { return ProtectionText(); }
};

class TCoolerVHM : public TCoolerSeries {
public:
    TCoolerVHM(const QString& CoolerSectionStr, const QString& PathStr,
               const QString& OilSectionStr)
        : TCoolerSeries(SeriesVHM, CoolerSectionStr, PathStr, OilSectionStr) {}
    TTableValue& TableVHMValue = TableValue;
    QString SetIPTypeToVHM() const { return ProtectionText(); }
};

class TCoolerVCS : public TCoolerSeries {
public:
    TCoolerVCS(const QString& CoolerSectionStr, const QString& PathStr,
               const QString& OilSectionStr)
        : TCoolerSeries(SeriesVCS, CoolerSectionStr, PathStr, OilSectionStr) {}
    TTableValue& TableVCSValue = TableValue;
    QString SetIPTypeToVCS() const { return ProtectionText(); }
    float GetMaxOilFlowFloat() const { return static_cast<float>(TableValue[Catalogue::MaxFlow]); }
};
