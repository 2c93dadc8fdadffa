#include "tools/datasheets/SheetModels.h"

#include "core/EngineState.h"
#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/VerDep.h"

QList<TSheetModel> ReadSeriesModels(TCoolerType Series, const QString& IniFilePath) {
    TEngineState& state = EngineState();
    state.CurrentCoolerType = Series; // the section-name rule follows the series
    state.RpmTextStr = QStringLiteral("rpm");
    QStringList names;
    QStringList sections;
    FillSeriesModelList(Series, names, sections);
    const TVerDep verDep;
    QList<TSheetModel> models;
    for (qsizetype i = 0; i < names.size(); ++i) {
        models.append({names[i], sections[i],
                       ReadModelRecord(verDep.ChangeToSectionName(sections[i]), IniFilePath,
                                       verDep.ChangeToCoolerIniFilename(Series))});
    }
    return models;
}

QString SeriesName(TCoolerType Series) {
    switch (Series) {
    case AC_Cooler:
        return QStringLiteral("KVAM");
    case DC_Cooler:
        return QStringLiteral("KVDM");
    case Cooler_System:
        return QStringLiteral("KVHM");
    default:
        return QStringLiteral("KVCS");
    }
}
