#pragma once

// The unit lists of every quantity. Each ordinal is the position of the unit in the page's
// drop-down list and is what the settings store keeps, so the order is fixed. Conversions take
// the position as a plain int, because a list with nothing selected reports -1.

enum class TTemp : int { C = 0, F = 1 };
enum class TFlow : int { m3_h = 0, l_min = 1, kg_sec = 2, ft3_hr = 3, USgal_min = 4, lb_hr = 5 };
enum class THeatDissi : int { W = 0, kW = 1, kcal_hr = 2, BTU_hr = 3, HP = 4 };
enum class THeatCapacitivity : int { KJ_Kg_K = 0, BTU_lb_K = 1 };
enum class TLength : int { m = 0, ft = 1 };
enum class TVolume : int { liter = 0, m3 = 1, quarts = 2, in3 = 3, gallon = 4 };
enum class TDensity : int { kg_dm3 = 0, lb_ft3 = 1, lb_in3 = 2 };
enum class TPressure : int { bar = 0, kPa = 1, psi = 2 };
enum class TWeight : int { kg = 0, lb = 1 };

constexpr int Ord(auto unit) {
    return static_cast<int>(unit);
}
