#include "pages/heatload/HeatLoadTextKeys.h"

const char* HeatLoadGroupKey(THeatLoadEntry Entry) {
    using namespace HeatLoadTextKey;
    switch (Entry) {
    case THeatLoadEntry::OilVolume:
        return OilVolume;
    case THeatLoadEntry::Density:
        return Density;
    case THeatLoadEntry::HeatCapa:
        return HeatCapa;
    case THeatLoadEntry::StartTemp:
        return StartTemp;
    case THeatLoadEntry::EndTemp:
        return EndTemp;
    case THeatLoadEntry::TimeInterval:
        return TimeInterval;
    case THeatLoadEntry::Result:
        break;
    }
    return Result;
}
