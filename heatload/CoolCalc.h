#pragma once

#include <cstdint>

// The verdict of a heat-load measurement's check: the input at fault, or none.
enum TCoolCalcResult : uint8_t {
    CoolInDataOk = 0,
    CoolVolumeErr = 1,
    CoolDensityErr = 2,
    CoolHeatCapaErr = 3,
    CoolStartTempErr = 4,
    CoolEndtempErr = 5,
    CoolStartEndTempErr = 6, // the final temperature is not above the initial one
    CoolTimeIntervalErr = 7,
};

// The cooling a hydraulic system needs, from the temperature rise of its oil measured without
// a cooler: the heat that warmed the oil divided by the time it took. Check the measurement
// with IndataOk, then CoolCalculate answers for exactly the values checked.
class TCoolCalc {
public:
    // Keeps the values (base units: litre, kg/dm³, kJ/(kg·K), °C, °C, minutes) and checks
    // them. When several are out of range, the last check that fails names the verdict.
    TCoolCalcResult IndataOk(float Volume, float Density, float HeatCapa, float StartTemp,
                             float EndTemp, float TimeInterval);

    // The required cooling in kW of the values last checked; -1 unless they passed.
    void CoolCalculate(float& Value) const;

private:
    float Vol = 0;
    float Dens = 0;
    float HeatC = 0;
    float StartT = 0;
    float EndT = 0;
    float TimeI = 0;
    // Kept per calculator: a calculator whose own values were never checked must not compute.
    bool IndataOkFLG = false;
};
