// The data-file reader with the catalogue and oil models on top: the input is the oil data
// file and every series' catalogue file at once (their sections have different names, so one
// file can hold both), and each series sizes a cooler from it at one operating point.
#include "FuzzDataFiles.h"

#include "core/DataFault.h"
#include "core/EngineState.h"
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerSeries.h"
#include "engine/VerDep.h"
#include "pages/selection/SelectionModelLists.h"

#include <cstddef>
#include <cstdint>

namespace {

struct TOperatingPoint {
    TCoolerType Series;
    const char* OilSection;
    float Flow, MaxOilTemp, AirTemp, Altitude, Heat; // l/min, degC, degC, m, kW
};

// Each series at a duty that chooses a model in the middle of the shipped lists.
constexpr TOperatingPoint Points[] = {
    {AC_Cooler, "ISO_VG_46", 100, 60, 30, 0, 20},
    {DC_Cooler, "ISO_VG_32", 40, 55, 25, 300, 3.5f},
    {Cooler_System, "ISO_VG_68", 150, 70, 35, 500, 40},
    {VCS_Cooler, "ISO_VG_46", 60, 65, 35, 0, 30},
};

void CheckShown(const TEngineState& s) {
    for (const QString* text :
         {&s.OilTempOutStr, &s.OilTempInStr, &s.AirTempOutStr, &s.HeatLoadStr, &s.PressureDropStr,
          &s.AirFlowStr, &s.MotorCapacityStr, &s.NoiseLevelStr})
        Require(ShowsOnlyNumbers(*text), "a result text shows a number", *text);
}

void SizeCooler(const TOperatingPoint& point) {
    ResetEngineState();
    TEngineState& s = EngineState();
    s.NoCoolerStr = QStringLiteral("No cooler can be selected!");
    s.OutOfRangeStr = QStringLiteral("Outside the range!");
    s.ShowMessagesFLG = true;
    s.FlowUnitIdx = 1;
    s.HeatUnitIdx = 1;
    s.CurrentCoolerType = point.Series;
    s.InOilFlow = point.Flow;
    s.InMaxOilTemp = point.MaxOilTemp;
    s.InAirTemp = point.AirTemp;
    s.InAltitude = point.Altitude;
    s.InHeatDissi = point.Heat;

    QStringList models;
    QStringList sections;
    BuiltInModelLists().FillComboBoxDim(point.Series, models, sections);
    TRecordingMessages messages;
    const TScopedMessageService record(messages);
    try {
        TCoolerSeries series(SeriesTraitsOf(point.Series),
                             TVerDep().ChangeToSectionName(sections.value(0)), FuzzDataDir(),
                             QString::fromLatin1(point.OilSection));
        series.PrepCoolChooseTbl(FuzzDataDir(), sections);
        int32_t chosen = 0;
        uint8_t warnings = WR_NON;
        if (series.ChooseCooler(chosen, warnings, FuzzDataDir(), sections) == FR_FOUND)
            CheckShown(s);
        QString message;
        if (series.CalcSelectedCooler(message, 255, 1, warnings) == LR_OK)
            CheckShown(s);
        Require(ShowsOnlyNumbers(series.ProtectionText()), "the protection class is a number");
    } catch (const EDataFault& fault) {
        Require(!fault.Message().isEmpty() && ShowsNoControlCharacter(fault.Message()),
                "a data fault is told readably", fault.Message());
    }
    for (const QString& text : messages.Texts())
        Require(ShowsOnlyNumbers(text) && ShowsNoControlCharacter(text),
                "a message shows numbers and no control character", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    WriteAsEveryDataFile(data, size);
    for (const TOperatingPoint& point : Points)
        SizeCooler(point);
    return 0;
}
