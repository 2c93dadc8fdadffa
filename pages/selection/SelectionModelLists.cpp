#include "pages/selection/SelectionModelLists.h"

#include "engine/ModelLists.h"

void TBuiltInModelLists::FillComboBoxDim(TCoolerType Series, QStringList& cbTypeCoolerData,
                                         QStringList& cbShadow) const {
    FillSeriesModelList(Series, cbTypeCoolerData, cbShadow);
}

const TSelectionModelLists& BuiltInModelLists() {
    static const TBuiltInModelLists lists;
    return lists;
}
