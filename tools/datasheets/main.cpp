// Generates the data sheets installed beside the catalogue: the dimensioned drawing of every
// model and the ordering key of every series, as PDF files, from the catalogue the program
// reads.
//
// Usage: aircooler-datasheets CATALOGUE_DIR OUTPUT_DIR
//
// Drawing file names follow the program's rule for them (TVerDep::ChangeToImageFileName), so
// models that the rule gives one name share one drawing. Writes OUTPUT_DIR/datasheets.stamp
// last, so a build knows that every sheet is there.

#include "core/ConvertError.h"
#include "engine/VerDep.h"
#include "tools/datasheets/DrawingSheet.h"
#include "tools/datasheets/KeySheet.h"
#include "tools/datasheets/SheetModels.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>

#include <cstdio>

namespace {

struct TSeriesFiles {
    TCoolerType Series;
    const char* KeySheet;
};

constexpr TSeriesFiles AllSeries[] = {{AC_Cooler, "VAM_key.pdf"},
                                      {DC_Cooler, "VDM_key.pdf"},
                                      {Cooler_System, "VHM_key.pdf"},
                                      {VCS_Cooler, "VCS_key.pdf"}};

bool WriteSeries(const TSeriesFiles& Files, const QString& CatalogueDir, const QDir& Output) {
    const QList<TSheetModel> models = ReadSeriesModels(Files.Series, CatalogueDir);
    const TVerDep names;
    QStringList drawingNames;
    // The models of each drawing, in list order.
    QMap<QString, QList<TSheetModel>> drawings;
    QStringList order;
    for (const TSheetModel& model : models) {
        const QString name =
            names.ChangeToImageFileName(model.Section, QStringLiteral(".pdf"), Files.Series);
        drawingNames.append(name);
        if (!drawings.contains(name))
            order.append(name);
        drawings[name].append(model);
    }
    for (const QString& name : order) {
        if (!WriteDrawingSheet(Output.filePath(name), Files.Series, drawings[name])) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(Output.filePath(name)));
            return false;
        }
    }
    const QString keySheet = Output.filePath(QLatin1String(Files.KeySheet));
    if (!WriteKeySheet(keySheet, Files.Series, models, drawingNames)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(keySheet));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "Usage: aircooler-datasheets CATALOGUE_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QString catalogue = QDir(arguments[1]).absolutePath() + QLatin1Char('/');
    const QDir output(arguments[2]);
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments[2]));
        return 1;
    }
    try {
        for (const TSeriesFiles& files : AllSeries) {
            if (!WriteSeries(files, catalogue, output))
                return 1;
        }
    } catch (const EConvertError& error) {
        std::fprintf(stderr, "catalogue: %s\n", qPrintable(error.Message()));
        return 1;
    }
    QFile stamp(output.filePath(QStringLiteral("datasheets.stamp")));
    if (!stamp.open(QIODevice::WriteOnly))
        return 1;
    stamp.write("written by aircooler-datasheets\n");
    return 0;
}
