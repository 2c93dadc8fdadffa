#include "pages/selection/SelectionTextKeys.h"

const char* GroupCaptionKey(TSelectionGroup Group) {
    using namespace SelectionTextKey;
    switch (Group) {
    case TSelectionGroup::CoolerData:
        return CoolerData;
    case TSelectionGroup::OilType:
        return OilType;
    case TSelectionGroup::OilFlow:
        return OilFlow;
    case TSelectionGroup::MaxTemp:
        return MaxTemp;
    case TSelectionGroup::AirTemp:
        return AirTemp;
    case TSelectionGroup::Altitude:
        return Altitude;
    case TSelectionGroup::HeatDiss:
        return HeatDiss;
    case TSelectionGroup::Output:
        break;
    }
    return Output;
}

const char* HeatLoadCaptionKey(bool FixedInletTemp) {
    return FixedInletTemp ? SelectionTextKey::HeatLoadAtFixedTemp
                          : SelectionTextKey::SpecificHeatLoad;
}

const char* NoiseCaptionKey(bool AltitudeInFeet) {
    return AltitudeInFeet ? SelectionTextKey::NoiseAt3ft : SelectionTextKey::NoiseAt1m;
}
