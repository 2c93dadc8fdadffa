#include "pages/selection/ResultPresentation.h"

#include "texts/TextHelpers.h"
#include "units/NumericText.h"
#include "units/QuantityTexts.h"
#include "units/UnitLabels.h"

#include <cmath>

namespace {

constexpr int USGpm = 4; // flow unit beside which pressures are given in psi
constexpr int Bar = 0;
constexpr int Psi = 2;
constexpr int HP = 4;

void Set(PresentedResult& Shown, TResultLine Line, const QString& Text,
         TColor Background = clWhite) {
    Shown.Values[static_cast<int>(Line)] = Text;
    Shown.Backgrounds[static_cast<int>(Line)] = Background;
}

} // namespace

TColor ReadableOn(TColor Background) {
    return Background == clWhite ? clBlack : clWhite;
}

QString ProtectionText(TCoolerType Series, const ModelRecord& Model) {
    // Hydraulic-motor coolers have no electric motor, so no motor protection class.
    if (Series == Cooler_System)
        return QString();
    return QStringLiteral("IP ") + FormatFixed(std::floor(Model[Catalogue::IP]), 10, 0);
}

PresentedResult PresentRating(const Rating& Result, const ModelRecord& Model, TCoolerType Series,
                              const PresentationStyle& Style) {
    using enum TResultLine;
    const DisplayUnits& units = Style.Units;
    PresentedResult shown;
    Set(shown, ProtectionStd, ProtectionText(Series, Model));
    if (!Result.Rated())
        return shown;

    const bool shortfall = Result.RemovesTooLittle;
    const TColor heatColor = shortfall && Style.InletTempHeld ? clRed : clWhite;
    const TColor temperatureColor =
        (shortfall && !Style.InletTempHeld) || Result.InletAboveMaximum ? clRed : clWhite;
    const TColor outletColor = Result.OutletMarginKept ? clWhite : clRed;

    Set(shown, OilInletTemp,
        TemperatureText(static_cast<float>(Result.InletOilTemp), units.OilTemp), temperatureColor);
    Set(shown, OilOutletTemp,
        TemperatureText(static_cast<float>(Result.OutletOilTemp), units.OilTemp), outletColor);
    Set(shown, AirOutletTemp,
        TemperatureText(static_cast<float>(Result.OutletAirTemp), units.AirTemp), outletColor);
    Set(shown, HeatLoad,
        Style.InletTempHeld ? HeatText(Result.Dissipation, units.Heat)
                            : SpecificDissipationText(Result.SpecificDissipation, units.Heat),
        heatColor);
    Set(shown, OilPressure, PressureDropText(Result.PressureDrop, units.Flow == USGpm ? Psi : Bar));
    Set(shown, AirFlow, AirFlowText(static_cast<float>(Model[Catalogue::AirFlow]), units.Flow));
    Set(shown, MotorCapacity,
        MotorPowerText(static_cast<float>(Model[Catalogue::MotorPower]),
                       Style.USEdition ? HP : units.Heat));
    Set(shown, NoiseLevel, NoiseLevelText(static_cast<float>(Model[Catalogue::NoiseLevel])));
    shown.HeatEntryBackground = heatColor;
    shown.MaxTempEntryBackground = temperatureColor;
    return shown;
}

QString TemperatureDifferenceText(double DifferenceK, int TempUnit) {
    const double shown = TempUnit == 1 ? DifferenceK * 1.8 : DifferenceK;
    return FormatFixed(std::ceil(shown - 1e-6), 10, 0) + QLatin1Char(' ') +
           TemperatureDifferenceUnitStr(TempUnit);
}

TSampleRow CandidateRow(const QString& ModelName, const PresentedResult& Shown, bool Undersized) {
    using enum TResultLine;
    return {{ModelName, TextAfterFirstBlank(Shown.Value(HeatLoad)), Shown.Value(OilInletTemp),
             Shown.Value(NoiseLevel), Shown.Value(OilPressure)},
            Undersized};
}

void CopyResultsInto(TSelectionReportData& Data, const PresentedResult& Shown) {
    using enum TResultLine;
    Data.OilInletTemp = Shown.Value(OilInletTemp);
    Data.OilOutletTemp = Shown.Value(OilOutletTemp);
    Data.AirOutletTemp = Shown.Value(AirOutletTemp);
    Data.HeatLoad = Shown.Value(HeatLoad);
    Data.OilPressure = Shown.Value(OilPressure);
    Data.AirFlow = Shown.Value(AirFlow);
    Data.MotorCapacity = Shown.Value(MotorCapacity);
    Data.NoiseLevel = Shown.Value(NoiseLevel);
    Data.Protection = Shown.Value(ProtectionStd);
    Data.HeatLoadHighlighted = Shown.Highlighted(HeatLoad);
    Data.OilInletTempHighlighted = Shown.Highlighted(OilInletTemp);
}
