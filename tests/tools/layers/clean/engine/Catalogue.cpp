#include "core/EngineState.h"
#include "units/UnitConv.h"
#include <QString>
