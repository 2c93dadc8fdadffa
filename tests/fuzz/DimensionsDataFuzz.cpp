// The technical data lines of the dimensions page: the input is the oil data file and every
// series' catalogue file at once, as for the selection (their sections have different names, so
// one file can hold both). Models of every series are shown as the page shows them, and each
// line is a number or the page says what is wrong with the data.
#include "FuzzDataFiles.h"

#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/dimensions/DimensionsController.h"
#include "pages/dimensions/DimensionsSettings.h"
#include "pages/dimensions/HeadlessDimensionsView.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr TCoolerType AllSeries[] = {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler};
constexpr int HeatUnitCount = 5;

void CheckShown(const THeadlessDimensionsView& view, const TRecordingMessages& messages) {
    bool anyLine = false;
    for (const QString& line : view.Lines) {
        Require(ShowsOnlyNumbers(line) && ShowsNoControlCharacter(line),
                "a data line shows a number", line);
        anyLine = anyLine || !line.isEmpty();
    }
    Require(anyLine || !messages.Shown.isEmpty(), "data that cannot be shown are told");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    WriteAsEveryDataFile(data, size);

    THeadlessDimensionsView view;
    view.CatalogueDirectory = FuzzDataDir();
    TMemoryDimensionsSettings settings;
    TRecordingMessages messages;
    TDimensionsController controller(view, settings, messages);
    // Each series' first model, as the page shows it on entering, and one more picked by the
    // input, in an energy unit picked by it too: reading the files once per model would leave
    // the fuzzer a few runs a second.
    for (const TCoolerType series : AllSeries) {
        messages.Shown.clear();
        view.EnergyUnit = static_cast<int>(size % HeatUnitCount);
        controller.ShowDimensionSeries(series);
        CheckShown(view, messages);
        if (!view.ModelItems.isEmpty()) {
            messages.Shown.clear();
            view.SetModelIndex(static_cast<int>(size % view.ModelItems.size()));
            controller.cbDimensionChange();
            CheckShown(view, messages);
        }
        for (const QString& text : messages.Texts())
            Require(ShowsNoControlCharacter(text), "a message shows no control character", text);
    }
    return 0;
}
