#include "engine/CoolerSeries.h"

#include "core/MessageService.h"
#include "engine/VerDep.h"
#include "units/NumericText.h"
#include "units/UnitLabels.h"

#include <algorithm>
#include <cmath>

const TSeriesTraits SeriesVAM{AC_Cooler, &TEngineState::NoOfCoolersVAM,
                              &TEngineState::CoolChooseTblVAM, false, true};
const TSeriesTraits SeriesVDM{DC_Cooler, &TEngineState::NoOfCoolersVDM,
                              &TEngineState::CoolChooseTblVDM, false, true};
const TSeriesTraits SeriesVHM{Cooler_System, &TEngineState::NoOfCoolersVHM,
                              &TEngineState::CoolChooseTblVHM, false, false};
const TSeriesTraits SeriesVCS{VCS_Cooler, &TEngineState::NoOfCoolersVCS,
                              &TEngineState::CoolChooseTblVCS, true, true};

const TSeriesTraits& SeriesTraitsOf(TCoolerType CoolerType) {
    switch (CoolerType) {
    case AC_Cooler:
        return SeriesVAM;
    case DC_Cooler:
        return SeriesVDM;
    case Cooler_System:
        return SeriesVHM;
    default:
        return SeriesVCS;
    }
}

TCoolerSeries::TCoolerSeries(const TSeriesTraits& Traits, const QString& CoolerSectionStr,
                             const QString& PathStr, const QString& OilSectionStr)
    : TCoolerHlp(OilSectionStr, PathStr), SeriesTraits(Traits) {
    AirDensity500m = AirDensity(ReferenceAltitude);
    ReadCoolerIniFile(TableValue, CoolerSectionStr, PathStr,
                      TVerDep().ChangeToCoolerIniFilename(Traits.CoolerType));
}

int TCoolerSeries::ModelCount(const QStringList& cbCooler) const {
    // The stored count is the length of the model list; the names handed in and the table
    // size bound it too, so a list out of step with the count can never index past either.
    const int32_t count = EngineState().*SeriesTraits.ModelCount;
    return std::clamp<int>(std::min<qsizetype>(count, cbCooler.size()), 0, CoolChooseTblSize);
}

void TCoolerSeries::PrepCoolChooseTbl(const QString& PathStr, const QStringList& cbCooler) {
    const TVerDep names;
    const QString fileName = names.ChangeToCoolerIniFilename(SeriesTraits.CoolerType);
    TCoolChooseTbl& table = EngineState().*SeriesTraits.ChooseTable;
    const int count = ModelCount(cbCooler);
    for (int i = 0; i < count; ++i) {
        ReadCoolerIniFile(TableValue, names.ChangeToSectionName(cbCooler[i]), PathStr, fileName);
        table[i] = {static_cast<float>(TableValue[Catalogue::CoeffA]),
                    static_cast<float>(TableValue[Catalogue::CoeffB]),
                    static_cast<float>(TableValue[Catalogue::CoeffC]),
                    static_cast<float>(TableValue[Catalogue::CoeffD]),
                    static_cast<float>(TableValue[Catalogue::CoeffE]),
                    static_cast<float>(TableValue[Catalogue::MinFlow]),
                    static_cast<float>(TableValue[Catalogue::MaxFlow]),
                    static_cast<float>(TableValue[Catalogue::AirFlow])};
    }
}

void TCoolerSeries::RoundPumpFlow() const {
    float& flow = EngineState().InOilFlow;
    flow = static_cast<float>(std::floor(flow + 0.5));
}

float TCoolerSeries::PumpFlowOf(const TCoolChooseRec& Model) {
    return static_cast<float>(std::floor(Model.MaxFlow + 0.5));
}

TFoundResult TCoolerSeries::ChooseCooler(int32_t& NewCoolerNo, uint8_t& Warnings,
                                         const QString& Path, const QStringList& cbCooler) {
    TEngineState& s = EngineState();
    TFoundResult result = FR_NON;
    int lastVisited = 0;
    if (SeriesTraits.PumpFlow)
        RoundPumpFlow();
    else
        Warnings = WR_NON;
    const bool showMessages = s.ShowMessagesFLG;
    s.ShowMessagesFLG = false; // no range message while candidates are evaluated
    // A model that removes the cooling within its flow range, but only with its inlet oil
    // raised above the maximum to keep the outlet margin: the air is too close to the maximum.
    bool inletRaisedAboveMaximum = false;

    if (!SeriesTraits.PumpFlow && s.InOilFlow < 0.01f) {
        result = FR_OILFLOW_ZERO;
    } else {
        const TCoolChooseTbl& table = s.*SeriesTraits.ChooseTable;
        const int count = ModelCount(cbCooler);
        const double oilCorrection = CoolCorrFactor();
        const float enteredFlow = s.InOilFlow;
        for (int i = 0; i < count && result != FR_FOUND; ++i) {
            lastVisited = i;
            const TCoolChooseRec& model = table[i];
            const float flow = SeriesTraits.PumpFlow ? PumpFlowOf(model) : enteredFlow;
            const bool evaluated = EvaluateChooseRec(model, flow, oilCorrection);
            GetOilTempOutValue(Warnings, flow, ActualDissipation, OilTempInValue, AirTempOutValue);
            if (!evaluated || ActualDissipation < s.InHeatDissi)
                continue; // unsuitable at this point, or too small
            const bool flowAdmitted =
                SeriesTraits.PumpFlow || (model.MinFlow <= flow && flow <= model.MaxFlow);
            if (!flowAdmitted)
                continue;
            if (CalculatedInletTemp(model, flow, oilCorrection) > s.InMaxOilTemp) {
                inletRaisedAboveMaximum = true;
                continue;
            }
            s.InOilFlow = flow; // the full calculation runs at the flow the model was judged at
            result = FR_FOUND;
            ConfirmCooler(result, Warnings, cbCooler, TableValue, SeriesTraits.CoolerType, Path, i,
                          false);
            if (Warnings != WR_NON)
                result = FR_NON;
            else
                NewCoolerNo = i;
        }
        if (result != FR_FOUND)
            s.InOilFlow = enteredFlow;
    }

    // The final answer may tell the user why nothing was chosen, as the page asked.
    s.ShowMessagesFLG = showMessages;
    // Without the words for it, the user hears that no cooler can be selected.
    const std::optional<double> neededDifference =
        result == FR_NON && inletRaisedAboveMaximum && s.AirTooCloseStr.contains(u"%1")
            ? NeededOilAirDifference(cbCooler)
            : std::nullopt;
    ConfirmCooler(result, Warnings, cbCooler, TableValue, SeriesTraits.CoolerType, Path,
                  lastVisited, !neededDifference);
    if (neededDifference)
        Messages().Error(
            s.AirTooCloseStr.arg(TemperatureDifferenceText(*neededDifference, s.OilTempUnitIdx)));
    return result;
}

std::optional<double> TCoolerSeries::NeededOilAirDifference(const QStringList& cbCooler) {
    const TEngineState& s = EngineState();
    const TCoolChooseTbl& table = s.*SeriesTraits.ChooseTable;
    const double oilCorrection = CoolCorrFactor();
    const double highest = MaxInletOilTemp - s.InAirTemp;
    std::optional<double> needed;
    for (int i = 0; i < ModelCount(cbCooler); ++i) {
        const TCoolChooseRec& model = table[i];
        const double flow = SeriesTraits.PumpFlow ? PumpFlowOf(model) : s.InOilFlow;
        const bool flowAdmitted =
            SeriesTraits.PumpFlow || (model.MinFlow <= flow && flow <= model.MaxFlow);
        if (!flowAdmitted || !MeetsDutyAt(model, flow, oilCorrection, s.InAirTemp + highest))
            continue;
        // The duty is met from some difference on: the smallest is found by halving.
        double fails = s.InMaxOilTemp - s.InAirTemp;
        double meets = highest;
        while (meets - fails > 0.01) {
            const double middle = (fails + meets) / 2;
            (MeetsDutyAt(model, flow, oilCorrection, s.InAirTemp + middle) ? meets : fails) =
                middle;
        }
        needed = std::min(needed.value_or(meets), meets);
    }
    return needed;
}

QString TCoolerSeries::TemperatureDifferenceText(double DifferenceK, int TempUnitIndex) {
    // Rounded up: the difference named must suffice.
    const double shown = TempUnitIndex == 1 ? DifferenceK * 1.8 : DifferenceK;
    return FormatFixed(std::ceil(shown - 1e-6), 10, 0) + QLatin1Char(' ') +
           TemperatureDifferenceUnitStr(TempUnitIndex);
}

TLimitResultError TCoolerSeries::CalcSelectedCooler(QString& Message, int MaxLen, int EnergyUnit,
                                                    uint8_t& Warnings,
                                                    std::optional<double> InletTemp) {
    if (SeriesTraits.PumpFlow)
        RoundPumpFlow();
    return CalcCoolerResults(TableValue, EnergyUnit, MaxLen, Message, Warnings, InletTemp);
}

QString TCoolerSeries::ProtectionText() const {
    if (!SeriesTraits.HasMotorProtection)
        return QString();
    return QStringLiteral("IP ") + FormatFixed(std::floor(TableValue[Catalogue::IP]), 10, 0);
}
