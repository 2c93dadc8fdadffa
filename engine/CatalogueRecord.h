#pragma once

#include "engine/DataValue.h"

#include <QString>

#include <array>

// One model's catalogue record: the 18 values of its section, in the order of the key table.
using TTableValue = std::array<double, 18>;
// A model of a series as the sizing sees it: its catalogue record.
using ModelRecord = TTableValue;

namespace Catalogue {
// Positions in a record. Units: conductance polynomial in kW/K per powers of l/min; flows in
// l/min; air flow m3/s; motor power kW; noise dB(A); fan diameter mm; cooling area m2; weight
// kg; oil volume litres; IP the protection class number.
enum Key : int {
    CoeffA,
    CoeffB,
    CoeffC,
    CoeffD,
    CoeffE,
    MinFlow,
    MaxFlow,
    CoeffF,
    CoeffG,
    CoeffH,
    AirFlow,
    MotorPower,
    NoiseLevel,
    FanDia,
    CoolArea,
    Weight,
    OilVolume,
    IP,
};

extern const std::array<QString, 18> CoolerKeyTable;
// What each key of a real cooler can be, in key-table order (engine/CoolerCatalogue.cpp says
// how each range was found).
extern const std::array<TValueRange, 18> CoolerKeyRanges;
constexpr int MaxNameLength = 15; // keys and section names of the data files
} // namespace Catalogue
