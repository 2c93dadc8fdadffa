#include "pages/selection/SelectionModelLists.h"

#include "engine/ModelLists.h"

void TBuiltInModelLists::FillComboBoxDim(TCoolerType Series, QStringList& cbTypeCoolerData,
                                         QStringList& cbShadow) const {
    switch (Series) {
    case AC_Cooler:
        TDimensionVAM().FillComboBoxDim(cbTypeCoolerData, cbShadow);
        break;
    case DC_Cooler:
        TDimensionVDM().FillComboBoxDim(cbTypeCoolerData, cbShadow);
        break;
    case Cooler_System:
        TDimensionVHM().FillComboBoxDim(cbTypeCoolerData, cbShadow);
        break;
    default:
        TDimensionVCS().FillComboBoxDim(cbTypeCoolerData, cbShadow);
        break;
    }
}

const TSelectionModelLists& BuiltInModelLists() {
    static const TBuiltInModelLists lists;
    return lists;
}
