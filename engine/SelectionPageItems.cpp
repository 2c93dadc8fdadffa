#include "SelectionPageItems.h"

const QStringList& OilGradeItems() {
    static const QStringList items{"ISO VG 22",  "ISO VG 32",  "ISO VG 46",  "ISO VG 68",
                                   "ISO VG 100", "ISO VG 150", "ISO VG 220", "ISO VG 320",
                                   "ISO VG 460", "ISO VG 680"};
    return items;
}

const QStringList& UnitItems(TSelectionEntry Entry) {
    static const QStringList flow{"m³/h", "l/min", "kg/s", "ft³/h", "US gpm", "lb/h"};
    static const QStringList temperature{"°C", "°F"};
    static const QStringList altitude{"m", "ft"};
    // The heat-load page spells three of these differently; these are the selection page's.
    static const QStringList heat{"W", "kW", "kcal/hr", "Btu/hr", "HP"};
    switch (Entry) {
    case TSelectionEntry::OilFlow:
        return flow;
    case TSelectionEntry::MaxTemp:
    case TSelectionEntry::AirTemp:
        return temperature;
    case TSelectionEntry::Altitude:
        return altitude;
    case TSelectionEntry::HeatDiss:
        break;
    }
    return heat;
}
