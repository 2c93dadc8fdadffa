#include "pages/selection/SelectionTexts.h"

#include "core/EngineState.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"

void ApplySelectionTexts(THeadlessSelectionView& View) {
    using namespace SelectionTextKey;
    TLanguage& language = *View.Language;
    TEngineState& s = EngineState();
    language.NewPageText(MainGroup);
    View.KeptCaptions.AlterationsNote = language.GetTxt(AlterationsNote);
    s.RpmTextStr = language.GetTxt(RpmText).left(RpmTextLength);
    s.ThousandsReadingsStr = language.GetTxt(ThousandsReadings);

    language.NewPageText(Page_1);
    const auto text = [&](const char* key) { return language.GetTxt(key); };
    for (const TSelectionGroup group :
         {TSelectionGroup::CoolerData, TSelectionGroup::OilType, TSelectionGroup::OilFlow,
          TSelectionGroup::MaxTemp, TSelectionGroup::AirTemp, TSelectionGroup::Altitude,
          TSelectionGroup::HeatDiss, TSelectionGroup::Output})
        View.SetGroupCaption(group, text(GroupCaptionKey(group)));
    s.OutOfRangeStr = text(OutOfRange);

    View.SetResultCaption(TResultLine::OilInletTemp, text(OilInletTemp));
    View.SetResultCaption(TResultLine::OilOutletTemp, text(OilOutletTemp));
    View.SetResultCaption(TResultLine::AirOutletTemp, text(AirOutletTemp));
    View.SetResultCaption(TResultLine::HeatLoad, text(HeatLoadCaptionKey(s.FixedInletTempFLG)));
    View.SetResultCaption(TResultLine::OilPressure, text(OilPressure));
    View.SetResultCaption(TResultLine::AirFlow, text(AirFlow));
    View.KeptCaptions.MotorCapacity = text(MotorCapacity);
    View.KeptCaptions.PowerCapacity = text(PowerCapacity);
    View.SetResultCaption(TResultLine::MotorCapacity, View.SelectedSeries() == Cooler_System
                                                          ? View.PowerCapacityCoolerTextStr()
                                                          : View.MotorCapacityCoolerTextStr());
    const bool feet = View.ListIndex(TSelectionList::AltitudeUnit) != 0;
    View.SetResultCaption(TResultLine::NoiseLevel, text(NoiseCaptionKey(feet)));
    View.KeptCaptions.ProtectionStd = text(ProtectionStd);
}
