#include "pages/selection/SelectionPageItems.h"

#include "units/UnitLabels.h"

const QStringList& OilGradeItems() {
    static const QStringList items{"ISO VG 22",  "ISO VG 32",  "ISO VG 46",  "ISO VG 68",
                                   "ISO VG 100", "ISO VG 150", "ISO VG 220", "ISO VG 320",
                                   "ISO VG 460", "ISO VG 680"};
    return items;
}

const QStringList& UnitItems(TSelectionEntry Entry) {
    switch (Entry) {
    case TSelectionEntry::OilFlow:
        return FlowUnitLabels();
    case TSelectionEntry::MaxTemp:
    case TSelectionEntry::AirTemp:
        return TempUnitLabels();
    case TSelectionEntry::Altitude:
        return LengthUnitLabels();
    case TSelectionEntry::HeatDiss:
        break;
    }
    return HeatDissiUnitLabels();
}
