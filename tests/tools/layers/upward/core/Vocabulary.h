#include "engine/CoolerSeries.h"
