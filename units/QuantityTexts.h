#pragma once

#include <QString>

// The texts of the results and model data the pages, the report and the command-line tool
// show: a number in the unit given by its ordinal (units/Units.h), then the unit's text. The
// unit texts do not change with the language; the decimal separator is the regional one.
// Ordinals beyond a unit list are written like its last unit, as they convert.

// "55 °C", "132 °F": a temperature in degC in the temperature unit `TempUnit`.
QString TemperatureText(float Temperature, int TempUnit);
// " 0.46 kW/°C", " 866 BTU/hr/°F": a specific heat dissipation in kW/K, per degree of the
// temperature scale that goes with the heat unit `HeatUnit`; the leading blank is the text's.
QString SpecificDissipationText(double SpecificDissipation, int HeatUnit);
// " 12.3 kW": a heat flow in kW in the heat unit `HeatUnit`; the leading blank is the text's.
QString HeatText(double Heat, int HeatUnit);
// "0.62 bar": an oil pressure drop in kPa in the pressure unit `PressureUnit`; beyond what the
// catalogue's curves hold ("> 14 bar", "< 0.05 bar") only the limit is written.
QString PressureDropText(double DropkPa, int PressureUnit);
// "2.50 m³/s", or "5297 ft³/min" beside the flow unit US gpm: an air flow in m3/s.
QString AirFlowText(float AirFlow, int FlowUnit);
// "0.75 kW": a motor power in kW in the heat unit `HeatUnit` (the US catalogue asks for HP).
QString MotorPowerText(float Power, int HeatUnit);
// "25 kg" or "55 lb": a weight in kg in the weight unit `WeightUnit`.
QString WeightText(float Weight, int WeightUnit);
// "1.50 m²": a cooling area in m2.
QString CoolingAreaText(float Area);
// "2.25 liter": an oil volume in litres.
QString OilVolumeText(float Volume);
// "72 dB(A)": a sound pressure level.
QString NoiseLevelText(float NoiseLevel);
