#include "heatload/CoolCalc.h"

#include <algorithm>
#include <limits>

TCoolCalcResult TCoolCalc::IndataOk(float Volume, float Density, float HeatCapa, float StartTemp,
                                    float EndTemp, float TimeInterval) {
    Vol = Volume;
    Dens = Density;
    HeatC = HeatCapa;
    StartT = StartTemp;
    EndT = EndTemp;
    TimeI = TimeInterval;

    // Each value is compared as held, in single precision, with the decimal limit: a stored
    // 2,1 (just below 2.1 in single precision) passes, a stored 1,8 (just below 1.8) does not.
    const auto held = [](float value) { return static_cast<double>(value); };
    TCoolCalcResult verdict = CoolInDataOk;
    if (held(Volume) <= 0 || held(Volume) > 3000)
        verdict = CoolVolumeErr;
    if (held(Density) <= 0 || held(Density) > 2)
        verdict = CoolDensityErr;
    if (held(HeatCapa) <= 1.8 || held(HeatCapa) >= 2.1)
        verdict = CoolHeatCapaErr;
    if (held(StartTemp) < -30 || held(StartTemp) > 100)
        verdict = CoolStartTempErr;
    if (held(EndTemp) > 100)
        verdict = CoolEndtempErr;
    if (held(EndTemp) <= held(StartTemp))
        verdict = CoolStartEndTempErr;
    if (held(TimeInterval) <= 0)
        verdict = CoolTimeIntervalErr;
    IndataOkFLG = verdict == CoolInDataOk;
    return verdict;
}

void TCoolCalc::CoolCalculate(float& Value) const {
    if (!IndataOkFLG) {
        Value = -1;
        return;
    }
    // litre x kg/dm³ x kJ/(kg·K) x K is kJ; per second of the minutes measured, kW.
    const long double heat = static_cast<long double>(Vol) * Dens * HeatC *
                             (static_cast<long double>(EndT) - StartT) /
                             (static_cast<long double>(TimeI) * 60);
    // A time of a fraction of a microsecond passes the check; its cooling is held as the
    // largest single-precision value rather than as an infinity.
    constexpr long double largest = std::numeric_limits<float>::max();
    Value = static_cast<float>(std::min(heat, largest));
}
