// The data-file reader with the catalogue and oil models on top: the input is the oil data
// file and every series' catalogue file at once (their sections have different names, so one
// file can hold both), and each series sizes a cooler from it at one operating point.
#include "FuzzDataFiles.h"

#include "core/DataFault.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"
#include "engine/VerDep.h"
#include "pages/selection/ResultPresentation.h"
#include "pages/selection/SelectionLimits.h"
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

// The results at l/min, °C and kW, as the page shows them.
const PresentationStyle Style{{1, 0, 0, 0, 1}, false, false};

void CheckShown(const Rating& Result, const ModelRecord& Model, TCoolerType Series) {
    if (const std::optional<RatingRefusal> refusal =
            Result.Refusal ? Result.Refusal : Result.SolvingRefusal) {
        // A flow range is part of the message.
        const QString range =
            FlowLimitText(static_cast<float>(refusal->MinFlow), Style.Units.Flow) +
            FlowLimitText(static_cast<float>(refusal->MaxFlow), Style.Units.Flow);
        Require(ShowsOnlyNumbers(range), "a refused flow range shows numbers", range);
        return;
    }
    const PresentedResult shown = PresentRating(Result, Model, Series, Style);
    for (const QString& text : shown.Values)
        Require(ShowsOnlyNumbers(text), "a result text shows a number", text);
}

void SizeCooler(const TOperatingPoint& point) {
    QStringList models;
    QStringList sections;
    BuiltInModelLists().FillComboBoxDim(point.Series, QStringLiteral("rpm"), models, sections);
    const TVerDep names;
    try {
        const OilGrade oil = OilGrade::Read(QString::fromLatin1(point.OilSection), FuzzDataDir());
        QList<ModelRecord> records;
        for (const QString& section : sections)
            records.append(ReadModelRecord(names.ChangeToSectionName(section, point.Series),
                                           FuzzDataDir(),
                                           names.ChangeToCoolerIniFilename(point.Series)));
        OperatingPoint sized;
        sized.Series = point.Series;
        sized.OilFlow = point.Flow;
        sized.MaxInletOilTemp = point.MaxOilTemp;
        sized.AirTemp = point.AirTemp;
        sized.Altitude = point.Altitude;
        sized.CoolingRequired = point.Heat;
        const SizingResult result = Size(sized, records, oil);
        for (const Candidate& candidate : result.Candidates)
            CheckShown(candidate.Result, records[candidate.Position], point.Series);
        if (result.Outcome == SizingOutcome::AirTooClose) {
            const QString needed = TemperatureDifferenceText(result.NeededDifference, 0);
            Require(ShowsOnlyNumbers(needed), "the oil-air difference needed is a number", needed);
        }
        CheckShown(Rate(sized, records.value(0), oil), records.value(0), point.Series);
        Require(ShowsOnlyNumbers(ProtectionText(point.Series, records.value(0))),
                "the protection class is a number");
    } catch (const EDataFault& fault) {
        Require(!fault.Message().isEmpty() && ShowsNoControlCharacter(fault.Message()),
                "a data fault is told readably", fault.Message());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    WriteAsEveryDataFile(data, size);
    for (const TOperatingPoint& point : Points)
        SizeCooler(point);
    return 0;
}
