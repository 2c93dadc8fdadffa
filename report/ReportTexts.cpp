#include "report/ReportTexts.h"

#include "report/ReportTextKeys.h"
#include "texts/Language.h"

TReportTexts ReadReportTexts(TLanguage& Store) {
    using namespace ReportTextKey;
    TReportTexts texts;
    Store.NewPageText(MainGroup);
    texts.Date = Store.GetTxt(Date);
    texts.YourRef = Store.GetTxt(YourRef);
    texts.OurRef = Store.GetTxt(OurRef);
    texts.Information = Store.GetTxt(Information);
    texts.CatalogueNote = Store.GetTxt(CatalogueNote);
    texts.AlterationsNote = Store.GetTxt(AlterationsNote);
    texts.InputData = Store.GetTxt(InputData);
    texts.HydraulicOil = Store.GetTxt(HydraulicOil);
    texts.HeatLoadTooLowNote = Store.GetTxt(HeatLoadTooLowNote);
    texts.InletTempTooHighNote = Store.GetTxt(InletTempTooHighNote);

    Store.NewPageText(Page_1);
    texts.OilFlow = Store.GetTxt(OilFlow);
    texts.MaxInletTemp = Store.GetTxt(MaxInletTemp);
    texts.AirTemp = Store.GetTxt(AirTemp);
    texts.Altitude = Store.GetTxt(Altitude);
    texts.CoolingRequired = Store.GetTxt(CoolingRequired);
    texts.CalculatedData = Store.GetTxt(CalculatedData) + QLatin1Char(':');
    texts.InletOilTemp = Store.GetTxt(InletOilTemp);
    texts.OutletOilTemp = Store.GetTxt(OutletOilTemp);
    texts.OutletAirTemp = Store.GetTxt(OutletAirTemp);
    texts.HeatDissiAtFixedTemp = Store.GetTxt(HeatDissiAtFixedTemp);
    texts.SpecificHeatDissi = Store.GetTxt(SpecificHeatDissi);
    texts.OilPressure = Store.GetTxt(OilPressure);
    texts.AirFlow = Store.GetTxt(AirFlow);
    texts.MotorCapacity = Store.GetTxt(MotorCapacity);
    texts.FanPower = Store.GetTxt(FanPower);
    texts.NoiseLevel = Store.GetTxt(NoiseLevel);
    texts.Protection = Store.GetTxt(Protection);

    Store.NewPageText(Page_3);
    texts.Weight = Store.GetTxt(Weight);
    return texts;
}
