#pragma once

#include <cstdint>

class TStoredValues;

// The two service temperature margins, kept under "\Page1" of the settings store as
// "OutputOilAirDev" and "OilMaxOilDev".
struct TServiceMargins {
    int32_t OutputOilAirDev = 3; // K between outlet oil and outlet air at least
    int32_t OilMaxOilDev = 6;    // K; stored and edited, read by no calculation
    bool operator==(const TServiceMargins&) const = default;
};

// Both as stored; a value that cannot be read gives its default.
TServiceMargins ReadServiceMargins(const TStoredValues& Store);

// Stores both, "OilMaxOilDev" first; true when both were written. Writes nothing when the store
// lacks "\Page1"; the margins then hold for the running program only.
bool StoreServiceMargins(TStoredValues& Store, const TServiceMargins& Margins);
