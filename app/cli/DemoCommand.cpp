#include "DemoCommand.h"

#include "ConvertCommand.h"
#include "CoolerHlp.h"
#include "EngineState.h"
#include "NumericText.h"

namespace {

void ShowConversion(QTextStream& out, const QStringList& arguments) {
    out << "  " << arguments[1] << ' ' << arguments[2] << " = ";
    QTextStream err(stderr);
    RunConvertCommand(arguments, out, err);
}

} // namespace

int RunDemoCommand(QTextStream& out) {
    out << "Air Oil Cooler Software 2.03: engine demonstration\n\nUnit conversion:\n";
    ShowConversion(out, {"flow", "10", "US gpm", "l/min"});
    ShowConversion(out, {"temperature", "60", "°C", "°F"});
    ShowConversion(out, {"heat", "20", "kW", "Btu/hr"});
    ShowConversion(out, {"length", "4000", "m", "ft"});

    // An example cooler: conductance at 200 l/min with 1.5 m3/s of air, oil correction 0.97.
    TEngineState& state = EngineState();
    state.InAltitude = 0;
    TCoolerHlp cooler;
    cooler.AirDensity500m = TCoolerHlp::AirDensity(TCoolerHlp::ReferenceAltitude);
    out << "\nThermal model of an example cooler (200 l/min, 1.5 m³/s of air, sea level):\n";
    for (double oilTemp : {50.0, 60.0, 70.0}) {
        cooler.GetNormHeatConductivity(200, 0, -0.00004, 0.014, 0.2);
        cooler.ProcessPowerDissipation(oilTemp, 30, 0.97, 1.5);
        uint8_t warning = WR_NON;
        double inlet = oilTemp;
        cooler.GetOilTempOutValue(warning, 200, cooler.ActualDissipation, inlet,
                                  cooler.AirTempOutValue);
        out << "  oil in " << FormatFixed(inlet, 10, 1)
            << " °C, air in 30 °C: " << FormatFixed(cooler.ActualDissipation, 10, 1)
            << " kW removed, oil out " << FormatFixed(cooler.OilTempOutValue, 10, 1)
            << " °C, air out " << FormatFixed(cooler.AirTempOutValue, 10, 1) << " °C\n";
    }
    return 0;
}
