#include "app/cli/DiagramCommand.h"

#include "app/cli/CommandLineSelection.h"
#include "app/cli/ExitStatus.h"
#include "app/cli/SelectArguments.h"
#include "core/OutputPath.h"
#include "core/VisibleText.h"
#include "core/WholeFileWriter.h"
#include "ui/SelectionDiagramChart.h"
#include "units/UnitLabels.h"

#include <QBuffer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgGenerator>

#include <optional>

namespace {

// A picture's file names its format.
bool IsPictureFile(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QStringLiteral("svg") || suffix == QStringLiteral("png");
}

QJsonArray PointJson(const TDiagramPoint& point) {
    return {point.Flow, point.SpecificDissipation};
}

QJsonObject DiagramJson(const TSelectionDiagram& diagram) {
    QJsonArray models;
    for (const TDiagramCurve& curve : diagram.Curves) {
        QJsonArray points;
        for (const TDiagramPoint& point : curve.Points)
            points.append(PointJson(point));
        models.append(
            QJsonObject{{"model", curve.Model}, {"chosen", curve.Chosen}, {"points", points}});
    }
    QJsonValue operatingPoint; // null when the oil is no warmer than the air
    if (diagram.OperatingPoint)
        operatingPoint =
            QJsonObject{{"flow", diagram.OperatingPoint->Flow},
                        {"specificDissipation", diagram.OperatingPoint->SpecificDissipation}};
    return {{"flowUnit", FlowUnitLabels().value(diagram.FlowUnit)},
            {"operatingPoint", operatingPoint},
            {"models", models}};
}

// The picture is drawn in memory and then written whole, so that no encoder writes into the
// file itself, where its failures would go unseen.
bool WritePicture(const TSelectionDiagram& diagram, const QString& fileName, QString& error) {
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    if (QFileInfo(fileName).suffix().toLower() == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&picture);
        svg.setSize(DiagramPictureSize);
        svg.setViewBox(QRect(QPoint(0, 0), DiagramPictureSize));
        svg.setTitle(QStringLiteral("Selection diagram"));
        QPainter painter(&svg);
        PaintSelectionDiagram(diagram, painter, QRectF(QPointF(0, 0), DiagramPictureSize));
    } else if (!RenderSelectionDiagram(diagram, DiagramPictureSize).save(&picture, "PNG")) {
        error = QStringLiteral("the picture cannot be encoded");
        return false;
    }
    return WriteWholeFile(fileName, picture.data(), error);
}

} // namespace

int RunDiagramCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                      QTextStream& Err) {
    const QString outOption = QStringLiteral("--out");
    TMoreOptions more{{outOption}, {}};
    QString error;
    TSelectRequest request;
    if (!ParseSelectArguments(Arguments, request, error, &more)) {
        Err << error << "\nRun \"aircooler-cli diagram --help\" for the arguments.\n";
        return 2;
    }
    const QString outFile = more.Values.value(outOption);
    if (more.Values.contains(outOption) && !IsPictureFile(outFile)) {
        Err << QStringLiteral("--out names a picture: FILE.svg or FILE.png, not \"%1\".\n")
                   .arg(WithVisibleControlCharacters(outFile));
        return 2;
    }
    if (outFile.isEmpty() && !request.Json) {
        Err << "Nothing to do: give --out FILE.svg, --out FILE.png or --json.\n";
        return 2;
    }
    const QString refusal = outFile.isEmpty() ? QString() : OutputPathRefusal(outFile);
    if (!refusal.isEmpty()) {
        Err << QStringLiteral("Cannot write %1: %2.\n")
                   .arg(WithVisibleControlCharacters(outFile), refusal);
        return 2;
    }

    // The diagram shows the candidates of a new cooler; a model is picked in their grid.
    // One reading of each data file serves every model the run rates.
    const KeptCatalogue catalogue(IniFilePath);
    const SelectionCaptions captions = CaptionsIn(request.Language);
    CommandLineSelection run;
    if (!RunCommandLineSelection(request, true, captions, catalogue, run, error,
                                 SelectionDetail::GridAndDiagram)) {
        Err << error << '\n';
        return 2;
    }
    if (run.Outcome.Diagram && run.Outcome.ModelNotListed) {
        Err << QStringLiteral("\"%1\" is not among the candidates the diagram shows.\n")
                   .arg(EchoedValue(request.Model));
        return 2;
    }

    for (const TShownMessage& message : run.Outcome.Messages)
        Err << message.Text << '\n';
    const std::optional<TSelectionDiagram>& diagram = run.Outcome.Diagram;
    if (!diagram) {
        Err << "No diagram: no cooler was chosen.\n";
        return 1;
    }
    if (!outFile.isEmpty() && !WritePicture(*diagram, outFile, error)) {
        Err << QStringLiteral("Cannot write %1: %2.\n")
                   .arg(WithVisibleControlCharacters(outFile), error);
        return 1;
    }
    if (request.Json)
        Out << QString::fromUtf8(
            QJsonDocument(DiagramJson(*diagram)).toJson(QJsonDocument::Indented));
    return run.Outcome.Succeeded() ? 0 : 1;
}

QString DiagramUsage() {
    const QString usage = QStringLiteral(
        "Usage: aircooler-cli diagram SELECT-ARGUMENTS [--out FILE.svg|FILE.png] [--json]\n"
        "\n"
        "The diagram of the selection page: after \"Calculate New Cooler\", the specific heat\n"
        "dissipation of each candidate against the oil flow over its permitted flow range (a\n"
        "VCS cooling system is the one point of its own pump's flow), and the operating point:\n"
        "the oil flow and the cooling required over (maximum inlet oil - ambient air\n"
        "temperature). A model whose curve passes above the point does the job. The chosen\n"
        "model is drawn bold; --model picks another candidate, as a click in the grid does.\n"
        "\n"
        "  --out FILE    write the diagram as an SVG or PNG picture\n"
        "  --json        print {\"flowUnit\", \"operatingPoint\": {\"flow\",\n"
        "                \"specificDissipation\"}, \"models\": [{\"model\", \"chosen\",\n"
        "                \"points\": [[flow, kW/K], ...]}]}: flows in the flow unit of the\n"
        "                arguments, specific dissipations in kW/K\n"
        "\n"
        "SELECT-ARGUMENTS are those of \"aircooler-cli select --help\". The picture gives the\n"
        "specific dissipation in the unit the calculated data give it: per °F for Btu/hr and HP.\n"
        "The picture file is written whole or not at all: until the new picture is complete,\n"
        "the file stays as it was.\n"
        "\n");
    return usage + ExitStatusHelp();
}
