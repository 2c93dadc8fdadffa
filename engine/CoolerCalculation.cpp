#include "engine/CoolerHlp.h"

#include "core/EngineState.h"
#include "core/MessageService.h"
#include "engine/VerDep.h"
#include "units/NumericText.h"
#include "units/UnitConv.h"

#include <cmath>

namespace {

constexpr int Precision = 10;
constexpr int MaxText = 255;

using Conversion = float (TUnitConv::*)(int&, float, int) const;

// Lower limits round half up and upper limits down, so that a limit shown in another unit is
// never outside the range the calculation accepts.
QString LowerLimit(Conversion fromBase, float base, int unitIndex) {
    int decimals = 0;
    const float value = (TUnitConv().*fromBase)(decimals, base, unitIndex);
    return FormatFixed(std::floor(value + 0.5), Precision, 0);
}

QString UpperLimit(Conversion fromBase, float base, int unitIndex) {
    int decimals = 0;
    const float value = (TUnitConv().*fromBase)(decimals, base, unitIndex);
    return FormatFixed(std::floor(value), Precision, 0);
}

QString FlowLimit(int unitIndex, float flow) {
    int decimals = 0;
    const float value = TUnitConv().FlowFromLiterPerMin(decimals, flow, unitIndex);
    return FormatFixed(value, Precision, decimals);
}

QString Range(const QString& min, const QString& max) {
    return QStringLiteral(" (") + min + QStringLiteral(" - ") + max + QLatin1Char(')');
}

} // namespace

QString TCoolerHlp::GetMinOilTemp(int UnitIndex) {
    return LowerLimit(&TUnitConv::TempFromC, 10, UnitIndex);
}
QString TCoolerHlp::GetMaxOilTemp(int UnitIndex) {
    return UpperLimit(&TUnitConv::TempFromC, MaxInletOilTemp, UnitIndex);
}
QString TCoolerHlp::GetMinAirTemp(int UnitIndex) {
    return LowerLimit(&TUnitConv::TempFromC, -30, UnitIndex);
}
QString TCoolerHlp::GetMaxAirTemp(int UnitIndex) {
    return UpperLimit(&TUnitConv::TempFromC, 50, UnitIndex);
}
QString TCoolerHlp::GetMinAltetude(int UnitIndex) {
    return LowerLimit(&TUnitConv::LengthFromm, 0, UnitIndex);
}
QString TCoolerHlp::GetMaxAltetude(int UnitIndex) {
    return UpperLimit(&TUnitConv::LengthFromm, 4000, UnitIndex);
}
QString TCoolerHlp::GetMinHeatDissi(int UnitIndex) {
    return LowerLimit(&TUnitConv::HeatDissiFromkW, 0, UnitIndex);
}
QString TCoolerHlp::GetMaxHeatDissi(int UnitIndex) {
    return UpperLimit(&TUnitConv::HeatDissiFromkW, 800, UnitIndex);
}
QString TCoolerHlp::GetMinOilFlow(int UnitIndex, float OilFlow) {
    return FlowLimit(UnitIndex, OilFlow);
}
QString TCoolerHlp::GetMaxOilFlow(int UnitIndex, float OilFlow) {
    return FlowLimit(UnitIndex, OilFlow);
}

QString TCoolerHlp::CheckLimitResult(TLimitResultError LimitResult, float CoeffMinFlow,
                                     float CoeffMaxFlow) {
    const TEngineState& s = EngineState();
    const QString outOfRange = QLatin1Char(' ') + s.OutOfRangeStr;
    QString message;
    switch (LimitResult) {
    case LR_FLOW_ERR:
        message = s.OilFlowCaptionStr.str() + outOfRange +
                  Range(GetMinOilFlow(s.FlowUnitIdx, CoeffMinFlow),
                        GetMaxOilFlow(s.FlowUnitIdx, CoeffMaxFlow));
        break;
    case LR_OIL_TEMP_ERR:
        message = s.MaxTempCaptionStr.str() + outOfRange +
                  Range(GetMinOilTemp(s.OilTempUnitIdx), GetMaxOilTemp(s.OilTempUnitIdx));
        break;
    case LR_AIR_TEMP_ERR:
        message = s.AirTempCaptionStr.str() + outOfRange +
                  Range(GetMinAirTemp(s.AirTempUnitIdx), GetMaxAirTemp(s.AirTempUnitIdx));
        break;
    case LR_ATITUDE_ERR:
        message = s.AltitudeCaptionStr.str() + outOfRange +
                  Range(GetMinAltetude(s.AltitudeUnitIdx), GetMaxAltetude(s.AltitudeUnitIdx));
        break;
    case LR_HEAT_DISSI_ERR:
        message = s.HeatDissiCaptionStr.str() + QStringLiteral(": ") + s.OutOfRangeStr +
                  Range(GetMinHeatDissi(s.HeatUnitIdx), GetMaxHeatDissi(s.HeatUnitIdx));
        break;
    case LR_INOIL_AIR_TEMP_ERR:
        message = s.MaxTempCaptionStr.str() + QStringLiteral(" - ") + s.AirTempCaptionStr.str() +
                  outOfRange;
        break;
    case LR_SPEC_HEAT_DISSI_ERR:
        message = s.HeatLoadCaptionStr.str() + outOfRange;
        break;
    case LR_OK:
    case LR_UNKNOWN_ERR:
        break;
    }
    return message.left(MaxText);
}

TLimitResultError TCoolerHlp::CalcCoolerResults(const TTableValue& TableValue, int EnergyUnit,
                                                int MaxLen, QString& Message, uint8_t& Warning,
                                                std::optional<double> InletTemp) {
    TEngineState& s = EngineState();
    const double oilCorrection = CoolCorrFactor();
    const auto refuse = [&](TLimitResultError result) {
        if (s.ShowMessagesFLG)
            Message = CheckLimitResult(result, static_cast<float>(TableValue[Catalogue::MinFlow]),
                                       static_cast<float>(TableValue[Catalogue::MaxFlow]))
                          .left(MaxLen);
        return result;
    };

    TLimitResultError result =
        CheckInputLimits(s.InMaxOilTemp, s.InAirTemp, s.InAltitude, s.InHeatDissi);
    // Equal flow limits (both zero, or a pump's fixed flow) switch the flow check off; a flow
    // whose conversion overflowed lies outside every range.
    if (result == LR_OK && (!std::isfinite(s.InOilFlow) ||
                            (TableValue[Catalogue::MinFlow] != TableValue[Catalogue::MaxFlow] &&
                             (s.InOilFlow < TableValue[Catalogue::MinFlow] ||
                              s.InOilFlow > TableValue[Catalogue::MaxFlow]))))
        result = LR_FLOW_ERR;
    if (result == LR_OK) {
        GetNormHeatConductivity(s.InOilFlow, TableValue[Catalogue::CoeffA],
                                TableValue[Catalogue::CoeffB], TableValue[Catalogue::CoeffC],
                                TableValue[Catalogue::CoeffD]);
        GetSpecHeatDissiValue(oilCorrection, AirTempOutValue, s.InAltitude);
        if (SpecHeatDissiValue == 0)
            result = LR_SPEC_HEAT_DISSI_ERR;
    }
    if (result != LR_OK)
        return refuse(result);

    OilTempInValue = InletTemp.value_or(s.InMaxOilTemp);
    // A model that cannot be evaluated here has no heat dissipation to show.
    if (!ProcessPowerDissipation(OilTempInValue, s.InAirTemp, oilCorrection,
                                 TableValue[Catalogue::AirFlow]))
        return refuse(LR_SPEC_HEAT_DISSI_ERR);
    GetOilTempOutValue(Warning, s.InOilFlow, ActualDissipation, OilTempInValue, AirTempOutValue);

    s.OilTempOutStr = TemperatureToStr(static_cast<float>(OilTempOutValue), s.OilTempUnitIdx);
    const TColor outletColor = Warning == WR_OUTOIL_AIR_TEMP_ERR ? clRed : clWhite;
    s.AirOutletTempColor = outletColor;
    s.OilOutletTempColor = outletColor;
    s.OilTempInStr = TemperatureToStr(static_cast<float>(OilTempInValue), s.OilTempUnitIdx);
    s.AirTempOutStr = TemperatureToStr(static_cast<float>(AirTempOutValue), s.AirTempUnitIdx);
    s.LastActualDissipation = ActualDissipation;
    s.LastOilTempIn = OilTempInValue;
    s.HeatLoadStr = s.FixedInletTempFLG ? PowerToStr(s.LastActualDissipation, s.HeatUnitIdx)
                                        : SpecHeatToStr(s.LastSpecHeat, s.HeatUnitIdx);
    const int pressureUnit = s.FlowUnitIdx == 4 ? 2 : 0; // psi beside US gpm, otherwise bar
    s.PressureDropStr = PressureDropToStr((OilTempInValue + OilTempOutValue) / 2, pressureUnit,
                                          s.InOilFlow, TableValue);
    s.AirFlowStr = AirFlowToStr(s.FlowUnitIdx, static_cast<float>(TableValue[Catalogue::AirFlow]));
    s.MotorCapacityStr = MotorCapacityToStr(static_cast<float>(TableValue[Catalogue::MotorPower]),
                                            s.USVersionFLG ? 4 : EnergyUnit);
    s.NoiseLevelStr = NoiseLevelToStr(static_cast<float>(TableValue[Catalogue::NoiseLevel]));
    return LR_OK;
}

void TCoolerHlp::ConfirmChosenCooler(TFoundResult& FoundResult, uint8_t& Warnings,
                                     const QStringList& cbCooler, TTableValue& TableValue,
                                     TCoolerType CoolerType, const QString& PathStr, int Index) {
    ConfirmCooler(FoundResult, Warnings, cbCooler, TableValue, CoolerType, PathStr, Index, true);
}

void TCoolerHlp::ConfirmCooler(TFoundResult& FoundResult, uint8_t& Warnings,
                               const QStringList& cbCooler, TTableValue& TableValue,
                               TCoolerType CoolerType, const QString& PathStr, int Index,
                               bool TellFailure) {
    const TEngineState& s = EngineState();
    Warnings = WR_NON;
    if (FoundResult == FR_FOUND) {
        const TVerDep names;
        const QString section = Index >= 0 && Index < cbCooler.size()
                                    ? names.ChangeToSectionName(cbCooler[Index])
                                    : QString();
        ReadCoolerIniFile(TableValue, section, PathStr,
                          names.ChangeToCoolerIniFilename(CoolerType));
        QString message;
        if (CalcCoolerResults(TableValue, 1, MaxText, message, Warnings) != LR_OK)
            FoundResult = FR_NON;
    }
    if (FoundResult == FR_NON) {
        if (TellFailure)
            Messages().Error(s.NoCoolerStr);
    } else if (FoundResult != FR_FOUND && s.ShowMessagesFLG) {
        QString text = s.NotRecommendedStr + QLatin1Char('\n');
        const auto line = [](const TPrnStr& caption, const TPrnStr& input) {
            return caption.str() + QStringLiteral(": ") + input.str();
        };
        if (FoundResult == FR_OILFLOW_ZERO) {
            text += line(s.OilFlowCaptionStr, s.OilFlowInputStr);
        } else {
            text += QStringList{line(s.OilFlowCaptionStr, s.OilFlowInputStr),
                                line(s.MaxTempCaptionStr, s.MaxTempInputStr),
                                line(s.AirTempCaptionStr, s.AirTempInputStr),
                                line(s.HeatDissiCaptionStr, s.HeatDissiInputStr)}
                        .join(QLatin1Char('\n'));
        }
        Messages().Information(text);
    }
}
