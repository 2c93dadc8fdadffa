#include "core/CoolerTypes.h"
#include "units/UnitConv.h"
#include <QString>
