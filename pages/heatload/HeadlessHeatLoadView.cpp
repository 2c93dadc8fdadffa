#include "pages/heatload/HeadlessHeatLoadView.h"

#include "pages/heatload/HeatLoadPageItems.h"

THeadlessHeatLoadView::THeadlessHeatLoadView() {
    for (THeatLoadEntry entry : HeatLoadEntries)
        Lists[entry] = 0;
}

void THeadlessHeatLoadView::SetListIndex(THeatLoadEntry entry, int index) {
    Lists[entry] = index >= 0 && index < UnitListItems(entry).size() ? index : -1;
}
