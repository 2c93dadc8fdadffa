#include "pages/selection/SelectionTexts.h"

#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"

void ApplySelectionTexts(THeadlessSelectionView& View) {
    using namespace SelectionTextKey;
    TLanguage& language = *View.Language;
    language.NewPageText(MainGroup);
    View.KeptCaptions.AlterationsNote = language.GetTxt(AlterationsNote);
    View.KeptCaptions.RpmText = language.GetTxt(RpmText).left(RpmTextLength);
    View.KeptCaptions.ThousandsReadings = language.GetTxt(ThousandsReadings);

    language.NewPageText(Page_1);
    const auto text = [&](const char* key) { return language.GetTxt(key); };
    for (const TSelectionGroup group :
         {TSelectionGroup::CoolerData, TSelectionGroup::OilType, TSelectionGroup::OilFlow,
          TSelectionGroup::MaxTemp, TSelectionGroup::AirTemp, TSelectionGroup::Altitude,
          TSelectionGroup::HeatDiss, TSelectionGroup::Output})
        View.SetGroupCaption(group, text(GroupCaptionKey(group)));

    View.SetResultCaption(TResultLine::OilInletTemp, text(OilInletTemp));
    View.SetResultCaption(TResultLine::OilOutletTemp, text(OilOutletTemp));
    View.SetResultCaption(TResultLine::AirOutletTemp, text(AirOutletTemp));
    View.SetResultCaption(TResultLine::HeatLoad, text(HeatLoadCaptionKey(View.FixedTempSelected)));
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
