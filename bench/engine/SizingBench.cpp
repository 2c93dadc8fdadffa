#include "engine/CatalogueSource.h"
#include "engine/ModelLists.h"
#include "engine/Sizing.h"
#include "engine/ThermalModel.h"
#include "engine/VerDep.h"

#include <benchmark/benchmark.h>

// Size for one operating point against its arithmetic limit: every model of the series rated
// once at the point, in full (Rate), which is what choosing among them needs at least. Target:
// Size within twice the limit. Beside them, the cheapest look at every model: evaluated once as
// the walk judges a model, with its outlet oil.
namespace {

const QString ShippedIniFiles = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

struct Series {
    OilGrade Oil;
    QList<ModelRecord> Models;
};

const Series& ShippedVAM() {
    static const Series series = [] {
        const CatalogueSource catalogue(ShippedIniFiles);
        Series read{catalogue.Oil(QStringLiteral("ISO_VG_46")), {}};
        const TVerDep names;
        for (const QString& model : ModelListOf(AC_Cooler, QString()).CatalogueNames)
            read.Models.append(
                catalogue.Model(AC_Cooler, names.ChangeToSectionName(model, AC_Cooler)));
        return read;
    }();
    return series;
}

// A point whose chosen model lies in the middle of the series: the walk passes half of it.
OperatingPoint MiddlePoint() {
    OperatingPoint point;
    point.OilFlow = 100;
    point.MaxInletOilTemp = 60;
    point.AirTemp = 30;
    point.CoolingRequired = 20;
    return point;
}

void BM_Size(benchmark::State& state) {
    const Series& series = ShippedVAM();
    const OperatingPoint point = MiddlePoint();
    for (auto _ : state)
        benchmark::DoNotOptimize(Size(point, series.Models, series.Oil));
}
BENCHMARK(BM_Size);

void BM_RateEveryModel(benchmark::State& state) {
    const Series& series = ShippedVAM();
    const OperatingPoint point = MiddlePoint();
    for (auto _ : state) {
        for (const ModelRecord& model : series.Models)
            benchmark::DoNotOptimize(Rate(point, model, series.Oil));
    }
}
BENCHMARK(BM_RateEveryModel);

void BM_EveryModelOnce(benchmark::State& state) {
    const Series& series = ShippedVAM();
    const OperatingPoint point = MiddlePoint();
    QList<ChooseRecord> table;
    for (const ModelRecord& model : series.Models)
        table.append(ChooseRecordOf(model));
    for (auto _ : state) {
        ThermalModel model(ConditionsOf(point, series.Oil));
        for (const ChooseRecord& record : table) {
            model.EvaluateAt(record, point.OilFlow, point.MaxInletOilTemp);
            double inlet = model.InletTemp;
            benchmark::DoNotOptimize(
                model.SetOutletOilTemp(point.OilFlow, model.Dissipation, inlet, model.AirTempOut));
        }
    }
}
BENCHMARK(BM_EveryModelOnce);

} // namespace
