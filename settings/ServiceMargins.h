#pragma once

class TStoredValues;

// The two service temperature margins of the engine state (OutputOilAirDev, OilMaxOilDev),
// kept under "\Page1" of the settings store.

// Reads both into the engine state; a value that cannot be read gives its default (3 and 6).
void ReadServiceMargins(const TStoredValues& Store);

// Stores both, "OilMaxOilDev" first; true when both were written. Writes nothing when the store
// lacks "\Page1"; the margins then hold for the running program only.
bool StoreServiceMargins(TStoredValues& Store);
