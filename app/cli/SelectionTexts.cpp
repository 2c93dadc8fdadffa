#include "SelectionTexts.h"

#include "EngineState.h"
#include "HeadlessSelectionView.h"
#include "Language.h"

void ApplySelectionTexts(THeadlessSelectionView& View) {
    TLanguage& language = *View.Language;
    TEngineState& s = EngineState();
    language.NewPageText(MainGroup);
    s.AlterationsNoteStr = language.GetTxt("18");
    s.RpmTextStr = language.GetTxt("25").left(RpmTextLength);

    language.NewPageText(Page_1);
    const auto text = [&](const char* key) { return language.GetTxt(key); };
    View.SetGroupCaption(TSelectionGroup::CoolerData, text("1"));
    View.SetGroupCaption(TSelectionGroup::OilType, text("24"));
    View.SetGroupCaption(TSelectionGroup::OilFlow, text("5"));
    View.SetGroupCaption(TSelectionGroup::MaxTemp, text("6"));
    View.SetGroupCaption(TSelectionGroup::AirTemp, text("7"));
    View.SetGroupCaption(TSelectionGroup::Altitude, text("8"));
    View.SetGroupCaption(TSelectionGroup::HeatDiss, text("9"));
    View.SetGroupCaption(TSelectionGroup::Output, text("10"));
    s.OutOfRangeStr = text("25");
    s.NoCoolerStr = text("22").left(NoCoolerTextLength);
    s.NotRecommendedStr = text("23").left(NoCoolerTextLength);

    View.SetResultCaption(TResultLine::OilInletTemp, text("11"));
    View.SetResultCaption(TResultLine::OilOutletTemp, text("12"));
    View.SetResultCaption(TResultLine::AirOutletTemp, text("13"));
    View.SetResultCaption(TResultLine::HeatLoad, text(s.FixedInletTempFLG ? "14" : "29"));
    View.SetResultCaption(TResultLine::OilPressure, text("15"));
    View.SetResultCaption(TResultLine::AirFlow, text("16"));
    View.KeptCaptions.MotorCapacity = text("17");
    View.KeptCaptions.PowerCapacity = text("27");
    View.SetResultCaption(TResultLine::MotorCapacity, s.CurrentCoolerType == Cooler_System
                                                          ? View.PowerCapacityCoolerTextStr()
                                                          : View.MotorCapacityCoolerTextStr());
    const bool feet = View.ListIndex(TSelectionList::AltitudeUnit) != 0;
    View.SetResultCaption(TResultLine::NoiseLevel, text(feet ? "28" : "18"));
    View.KeptCaptions.ProtectionStd = text("19");
}
