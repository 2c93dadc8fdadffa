#include "pages/selection/SelectionCaptions.h"

#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"

namespace {

// How much of the texts that say no cooler was chosen, and of the word for rpm, the page takes.
constexpr qsizetype NoCoolerTextLength = 80;
constexpr qsizetype RpmWordLength = 10;

} // namespace

SelectionCaptions SelectionCaptions::Read(TLanguage& Language) {
    namespace Key = SelectionTextKey;
    SelectionCaptions captions;
    Language.NewPageText(MainGroup);
    captions.AlterationsNote = Language.GetTxt(Key::AlterationsNote);
    captions.RpmWord = Language.GetTxt(Key::RpmText).left(RpmWordLength);
    captions.ThousandsReadings = Language.GetTxt(Key::ThousandsReadings);
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler})
        captions.SeriesModels[series] = ModelListOf(series, captions.RpmWord);

    Language.NewPageText(Page_1);
    const auto text = [&](const char* key) { return Language.GetTxt(key); };
    for (int group = 0; group < static_cast<int>(captions.Groups.size()); ++group)
        captions.Groups[group] = text(GroupCaptionKey(static_cast<TSelectionGroup>(group)));
    captions.OilInletTemp = text(Key::OilInletTemp);
    captions.OilOutletTemp = text(Key::OilOutletTemp);
    captions.AirOutletTemp = text(Key::AirOutletTemp);
    captions.HeatAtHeldInlet = text(Key::HeatLoadAtFixedTemp);
    captions.SpecificDissipation = text(Key::SpecificHeatLoad);
    captions.OilPressure = text(Key::OilPressure);
    captions.AirFlow = text(Key::AirFlow);
    captions.MotorCapacity = text(Key::MotorCapacity);
    captions.FanPower = text(Key::PowerCapacity);
    captions.NoiseAt1m = text(Key::NoiseAt1m);
    captions.NoiseAt3ft = text(Key::NoiseAt3ft);
    captions.Protection = text(Key::ProtectionStd);
    captions.OutOfRange = text(Key::OutOfRange);
    captions.NoCooler = text(Key::NoCooler).left(NoCoolerTextLength);
    captions.NotRecommended = text(Key::NotRecommended).left(NoCoolerTextLength);
    captions.AirTooClose = text(Key::AirTooClose);
    return captions;
}

QString SelectionCaptions::ResultCaption(TResultLine Line, TCoolerType Series, bool AltitudeInFeet,
                                         bool InletTempHeld) const {
    switch (Line) {
    case TResultLine::OilInletTemp:
        return OilInletTemp;
    case TResultLine::OilOutletTemp:
        return OilOutletTemp;
    case TResultLine::AirOutletTemp:
        return AirOutletTemp;
    case TResultLine::HeatLoad:
        return InletTempHeld ? HeatAtHeldInlet : SpecificDissipation;
    case TResultLine::OilPressure:
        return OilPressure;
    case TResultLine::AirFlow:
        return AirFlow;
    case TResultLine::MotorCapacity:
        // Hydraulic-motor coolers have a fan driven by the system's own oil: its power is asked.
        return Series == Cooler_System ? FanPower : MotorCapacity;
    case TResultLine::NoiseLevel:
        return AltitudeInFeet ? NoiseAt3ft : NoiseAt1m;
    case TResultLine::ProtectionStd:
        return Series == Cooler_System ? QString() : Protection;
    }
    return QString();
}
