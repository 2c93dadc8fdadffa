#include "report/ReportTexts.h"

#include "core/EngineState.h"
#include "report/ReportTextKeys.h"
#include "texts/Language.h"

void SetMainGroupReportTexts(const TLanguage& Store) {
    using namespace ReportTextKey;
    TEngineState& s = EngineState();
    s.DateTextStr = Store.GetTxt(Date);
    s.InputDataTextStr = Store.GetTxt(InputData);
    s.InformationTextStr = Store.GetTxt(Information);
    s.HydraulicOilTextStr = Store.GetTxt(HydraulicOil);
    s.CatalogueNoteStr = Store.GetTxt(CatalogueNote);
    s.AlterationsNoteStr = Store.GetTxt(AlterationsNote);
    s.YourRefTextStr = Store.GetTxt(YourRef);
    s.OurRefTextStr = Store.GetTxt(OurRef);
}

void LoadReportTexts(TLanguage& Store) {
    using namespace ReportTextKey;
    TEngineState& s = EngineState();
    Store.NewPageText(MainGroup);
    SetMainGroupReportTexts(Store);

    Store.NewPageText(Page_1);
    s.OilFlowTextStr = Store.GetTxt(OilFlow);
    s.MaxInletTempTextStr = Store.GetTxt(MaxInletTemp);
    s.AirTempTextStr = Store.GetTxt(AirTemp);
    s.AltitudeTextStr = Store.GetTxt(Altitude);
    s.CoolingRequiredTextStr = Store.GetTxt(CoolingRequired);
    s.CalculatedDataTextStr = Store.GetTxt(CalculatedData) + QLatin1Char(':');
    s.InletOilTempTextStr = Store.GetTxt(InletOilTemp);
    s.OutletOilTempTextStr = Store.GetTxt(OutletOilTemp);
    s.OutletAirTempTextStr = Store.GetTxt(OutletAirTemp);
    s.HeatDissiTextStr =
        Store.GetTxt(s.FixedInletTempFLG ? HeatDissiAtFixedTemp : SpecificHeatDissi);
    s.OilPressureTextStr = Store.GetTxt(OilPressure);
    s.AirFlowTextStr = Store.GetTxt(AirFlow);
    s.MotorCapacityTextStr =
        Store.GetTxt(s.CurrentCoolerType == Cooler_System ? FanPower : MotorCapacity);
    s.NoiseLevelTextStr = Store.GetTxt(NoiseLevel);
    s.ProtectionTextStr = Store.GetTxt(Protection);

    Store.NewPageText(Page_3);
    s.WeightTextStr = Store.GetTxt(Weight);
}
