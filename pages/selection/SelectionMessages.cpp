#include "pages/selection/SelectionMessages.h"

#include "pages/selection/SelectionLimits.h"

namespace {

constexpr int MaxMessageLength = 255;

QString Range(const QString& Min, const QString& Max) {
    return QStringLiteral(" (") + Min + QStringLiteral(" - ") + Max + QLatin1Char(')');
}

} // namespace

QString RefusalMessage(TLimitResultError Code, double MinFlow, double MaxFlow,
                       const SelectionCaptions& Captions, const DisplayUnits& Units,
                       bool InletTempHeld) {
    const auto caption = [&](TSelectionGroup group) { return Captions.Group(group); };
    const QString afterCaption = QLatin1Char(' ') + Captions.OutOfRange;
    QString message;
    switch (Code) {
    case LR_FLOW_ERR:
        message = caption(TSelectionGroup::OilFlow) + afterCaption +
                  Range(FlowLimitText(static_cast<float>(MinFlow), Units.Flow),
                        FlowLimitText(static_cast<float>(MaxFlow), Units.Flow));
        break;
    case LR_OIL_TEMP_ERR:
        message = caption(TSelectionGroup::MaxTemp) + afterCaption +
                  Range(MinInletOilTempText(Units.OilTemp), MaxInletOilTempText(Units.OilTemp));
        break;
    case LR_AIR_TEMP_ERR:
        message = caption(TSelectionGroup::AirTemp) + afterCaption +
                  Range(MinAirTempText(Units.AirTemp), MaxAirTempText(Units.AirTemp));
        break;
    case LR_ATITUDE_ERR:
        message = caption(TSelectionGroup::Altitude) + afterCaption +
                  Range(MinAltitudeText(Units.Altitude), MaxAltitudeText(Units.Altitude));
        break;
    case LR_HEAT_DISSI_ERR:
        message = caption(TSelectionGroup::HeatDiss) + QStringLiteral(": ") + Captions.OutOfRange +
                  Range(MinCoolingRequiredText(Units.Heat), MaxCoolingRequiredText(Units.Heat));
        break;
    case LR_INOIL_AIR_TEMP_ERR:
        message = caption(TSelectionGroup::MaxTemp) + QStringLiteral(" - ") +
                  caption(TSelectionGroup::AirTemp) + afterCaption;
        break;
    case LR_SPEC_HEAT_DISSI_ERR:
        message = (InletTempHeld ? Captions.HeatAtHeldInlet : Captions.SpecificDissipation) +
                  afterCaption;
        break;
    case LR_OK:
    case LR_UNKNOWN_ERR:
        break;
    }
    return message.left(MaxMessageLength);
}

TShownMessage NothingChosenMessage(const SizingResult& Result, const SelectionCaptions& Captions,
                                   const DisplayUnits& Units, bool InletTempHeld,
                                   const QString& FlowText) {
    switch (Result.Outcome) {
    case SizingOutcome::NoOilFlow:
        return {TMessageKind::Information, Captions.NotRecommended + QLatin1Char('\n') +
                                               Captions.Group(TSelectionGroup::OilFlow) +
                                               QStringLiteral(": ") + FlowText};
    case SizingOutcome::AirTooClose:
        // Without the words for it, the user hears that no cooler can be selected.
        if (Captions.AirTooClose.contains(u"%1"))
            return {TMessageKind::Error, Captions.AirTooClose.arg(TemperatureDifferenceText(
                                             Result.NeededDifference, Units.OilTemp))};
        break;
    case SizingOutcome::InputRefused:
        return {TMessageKind::Error,
                RefusalMessage(Result.InputRefusal, 0, 0, Captions, Units, InletTempHeld)};
    case SizingOutcome::NoCooler:
    case SizingOutcome::Chosen:
        break;
    }
    return {TMessageKind::Error, Captions.NoCooler};
}
