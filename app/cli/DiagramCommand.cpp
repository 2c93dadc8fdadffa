#include "app/cli/DiagramCommand.h"

#include "app/cli/SelectArguments.h"
#include "app/cli/SelectionRun.h"
#include "ui/SelectionDiagramChart.h"
#include "units/UnitLabels.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <optional>

namespace {

const QSize PictureSize(900, 560);

// Takes "--out FILE" or "--out=FILE" out of the arguments; the rest are select's.
bool TakeOutFile(QStringList& arguments, QString& file, QString& error) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        std::optional<QString> value;
        if (argument.startsWith(QStringLiteral("--out="))) {
            value = argument.mid(6);
            arguments.removeAt(i);
        } else if (argument == QStringLiteral("--out")) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("--out needs a value.");
                return false;
            }
            value = arguments[i + 1];
            arguments.remove(i, 2);
        }
        if (!value)
            continue;
        if (!file.isEmpty()) {
            error = QStringLiteral("--out is given twice.");
            return false;
        }
        file = *value;
        --i;
    }
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (!file.isEmpty() && suffix != QStringLiteral("svg") && suffix != QStringLiteral("png")) {
        error =
            QStringLiteral("--out names a picture: FILE.svg or FILE.png, not \"%1\".").arg(file);
        return false;
    }
    return true;
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

bool WritePicture(const TSelectionDiagram& diagram, const QString& fileName, QString& error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (QFileInfo(fileName).suffix().toLower() == QStringLiteral("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(PictureSize);
        svg.setViewBox(QRect(QPoint(0, 0), PictureSize));
        svg.setTitle(QStringLiteral("Selection diagram"));
        QPainter painter(&svg);
        PaintSelectionDiagram(diagram, painter, QRectF(QPointF(0, 0), PictureSize));
    } else if (!RenderSelectionDiagram(diagram, PictureSize).save(&file, "PNG")) {
        error = QStringLiteral("the picture cannot be encoded");
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// The grid row of the model at `position`, 0 when it is no candidate.
int CandidateRow(const TCoolerSamples& samples, int position) {
    for (int row = 1; row <= samples.CoolerSamplesCnt; ++row) {
        if (samples.CoolerSamplesType[row] == position)
            return row;
    }
    return 0;
}

} // namespace

int RunDiagramCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                      QTextStream& Err) {
    QStringList arguments = Arguments;
    QString outFile;
    QString error;
    TSelectRequest request;
    if (!TakeOutFile(arguments, outFile, error) ||
        !ParseSelectArguments(arguments, request, error)) {
        Err << error << "\nRun \"aircooler-cli diagram --help\" for the arguments.\n";
        return 2;
    }
    if (outFile.isEmpty() && !request.Json) {
        Err << "Nothing to do: give --out FILE.svg, --out FILE.png or --json.\n";
        return 2;
    }

    TSelectionRun run(IniFilePath, request.Language);
    if (!run.Enter(request, error)) {
        Err << error << '\n';
        return 2;
    }
    const int picked = run.View().ListIndex(TSelectionList::Model);
    run.Controller().btCalcNewCoolerClick();
    if (!request.Model.isEmpty() && run.View().Diagram) {
        const int row = CandidateRow(run.Controller().Samples(), picked);
        if (row == 0) {
            Err << QStringLiteral("\"%1\" is not among the candidates the diagram shows.\n")
                       .arg(request.Model);
            return 2;
        }
        run.Controller().sgCoolerSamplesSelectCell(0, row);
    }

    for (const QString& message : run.Messages().Texts())
        Err << message << '\n';
    const std::optional<TSelectionDiagram>& diagram = run.View().Diagram;
    if (!diagram) {
        Err << "No diagram: no cooler was chosen.\n";
        return 1;
    }
    if (!outFile.isEmpty() && !WritePicture(*diagram, outFile, error)) {
        Err << QStringLiteral("Cannot write %1: %2.\n").arg(outFile, error);
        return 2;
    }
    if (request.Json)
        Out << QString::fromUtf8(
            QJsonDocument(DiagramJson(*diagram)).toJson(QJsonDocument::Indented));
    return run.Status();
}

QString DiagramUsage() {
    return QStringLiteral(
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
        "Exit status: 0 with a diagram, 1 without one (the messages say why), 2 for arguments\n"
        "that cannot be read or a picture that cannot be written.\n");
}
