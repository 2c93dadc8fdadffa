#include "pages/heatload/HeatLoadPageItems.h"

#include "units/UnitLabels.h"

const QStringList& UnitListItems(THeatLoadEntry Entry) {
    switch (Entry) {
    case THeatLoadEntry::OilVolume:
        return VolumeUnitLabels();
    case THeatLoadEntry::Density:
        return DensityUnitLabels();
    case THeatLoadEntry::HeatCapa:
        return HeatCapacityUnitLabels();
    case THeatLoadEntry::StartTemp:
    case THeatLoadEntry::EndTemp:
        return TempUnitLabels();
    case THeatLoadEntry::TimeInterval:
        return TimeUnitLabels();
    case THeatLoadEntry::Result:
        break;
    }
    return HeatLoadUnitLabels();
}
