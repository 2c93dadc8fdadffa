#pragma once

// The unit lists of every quantity. Each ordinal is the position of the unit in the page's
// drop-down list and is what the settings store keeps, so the order is fixed.

enum TTemp { C = 0, F = 1 };
enum TFlow { m3_h = 0, l_min = 1, kg_sec = 2, ft3_hr = 3, USgal_min = 4, lb_hr = 5 };
enum THeatDissi { W = 0, kW = 1, kcal_hr = 2, BTU_hr = 3, HP = 4 };
enum THeatCapacitivity { KJ_Kg_K = 0, BTU_lb_K = 1 };
enum TLength { m = 0, ft = 1 };
enum TVolume { liter = 0, m3 = 1, quarts = 2, in3 = 3, gallon = 4 };
enum TDensity { kg_dm3 = 0, lb_ft3 = 1, lb_in3 = 2 };
enum TPressure { bar = 0, kPa = 1, psi = 2 };
enum TWeight { kg = 0, lb = 1 };
