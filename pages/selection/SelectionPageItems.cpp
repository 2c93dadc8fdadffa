#include "pages/selection/SelectionPageItems.h"

#include "units/UnitLabels.h"

const QStringList& OilGradeItems() {
    static const QStringList items{QStringLiteral("ISO VG 22"),  QStringLiteral("ISO VG 32"),
                                   QStringLiteral("ISO VG 46"),  QStringLiteral("ISO VG 68"),
                                   QStringLiteral("ISO VG 100"), QStringLiteral("ISO VG 150"),
                                   QStringLiteral("ISO VG 220"), QStringLiteral("ISO VG 320"),
                                   QStringLiteral("ISO VG 460"), QStringLiteral("ISO VG 680")};
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
