#include "engine/CoolerSeries.h"
#include "pages/selection/SelectionView.h"
