// The user's wait on "Calculate New Cooler", data files read included, and the choice of a
// cooling system on its own.
#include "core/MessageService.h"
#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"
#include "engine/VerDep.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionTexts.h"
#include "texts/Language.h"
#include "units/NumericText.h"

#include <benchmark/benchmark.h>

namespace {

const QString IniFilePath = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

struct TOperatingPoint {
    float Flow, MaxOilTemp, AirTemp, Altitude, Heat; // l/min, degC, degC, m, kW
};

// One duty per series that chooses a model in the middle of its list.
const TOperatingPoint Points[] = {
    {100, 60, 30, 0, 20},    // VAM
    {40, 55, 25, 300, 3.5f}, // VDM
    {150, 70, 35, 500, 40},  // VHM
    {60, 65, 35, 0, 30},     // VCS
};

void TypeInto(THeadlessSelectionView& view, TSelectionController& controller, TSelectionEntry entry,
              float value) {
    view.SetEntryText(entry, FormatFixed(value, 10, 1));
    controller.EntryChange(entry);
    controller.EntryExit(entry);
}

void CalculateNewCooler(benchmark::State& state) {
    const auto series = static_cast<TCoolerType>(state.range(0));
    TRecordingMessages messages;
    TLanguage language;
    THeadlessSelectionView view;
    view.CatalogueDirectory = IniFilePath;
    view.Language = &language;
    TMemoryStoredValues settings;
    TSelectionController controller(view, settings, messages);
    ApplySelectionTexts(view);
    controller.InitialisePage();
    view.SetSelectedSeries(series);
    controller.SeriesClick(series);
    const TOperatingPoint& point = Points[series];
    TypeInto(view, controller, TSelectionEntry::OilFlow, point.Flow);
    TypeInto(view, controller, TSelectionEntry::MaxTemp, point.MaxOilTemp);
    TypeInto(view, controller, TSelectionEntry::AirTemp, point.AirTemp);
    TypeInto(view, controller, TSelectionEntry::Altitude, point.Altitude);
    TypeInto(view, controller, TSelectionEntry::HeatDiss, point.Heat);

    for (auto _ : state) {
        controller.btCalcNewCoolerClick();
        benchmark::DoNotOptimize(view.GridRows);
    }
    if (!view.GridShown || !messages.Shown.isEmpty())
        state.SkipWithError("no cooler was chosen");
}
BENCHMARK(CalculateNewCooler)
    ->ArgName("series")
    ->DenseRange(AC_Cooler, VCS_Cooler)
    ->Unit(benchmark::kMillisecond);

void ChooseCoolingSystem(benchmark::State& state) {
    OperatingPoint point;
    point.Series = VCS_Cooler;
    point.OilFlow = 60;
    point.MaxInletOilTemp = 65;
    point.AirTemp = 35;
    point.CoolingRequired = 30;
    QStringList names;
    QStringList sections;
    TDimensionVCS().FillComboBoxDim(QString(), names, sections);
    const TVerDep files;
    const OilGrade oil = OilGrade::Read(QStringLiteral("ISO_VG_46"), IniFilePath);

    for (auto _ : state) {
        QList<ModelRecord> models;
        for (const QString& section : sections)
            models.append(ReadModelRecord(files.ChangeToSectionName(section, VCS_Cooler),
                                          IniFilePath,
                                          files.ChangeToCoolerIniFilename(VCS_Cooler)));
        benchmark::DoNotOptimize(Size(point, models, oil));
    }
}
BENCHMARK(ChooseCoolingSystem)->Unit(benchmark::kMillisecond);

} // namespace
