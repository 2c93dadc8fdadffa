#include "tools/datasheets/SheetModels.h"

#include "engine/CoolerCatalogue.h"
#include "engine/ModelLists.h"
#include "engine/VerDep.h"

QList<TSheetModel> ReadSeriesModels(TCoolerType Series, const QString& IniFilePath) {
    QStringList names;
    QStringList sections;
    FillSeriesModelList(Series, QStringLiteral("rpm"), names, sections);
    const TVerDep verDep;
    QList<TSheetModel> models;
    for (qsizetype i = 0; i < names.size(); ++i) {
        models.append({names[i], sections[i],
                       ReadModelRecord(verDep.ChangeToSectionName(sections[i], Series), IniFilePath,
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
