#include "app/cli/CommandLine.h"
#include "app/cli/DiagramCommand.h"
#include "app/cli/InstalledData.h"
#include "app/cli/MotorTableCommand.h"
#include "app/cli/QtErrors.h"
#include "app/cli/ReportArguments.h"
#include "app/cli/ReportCommand.h"
#include "core/RegionalSettings.h"
#include "report/EditionPaper.h"
#include "report/MotorTablePainting.h"
#include "settings/Edition.h"
#include "ui/SelectionDiagramChart.h"

#include <QApplication>

// aircooler-cli becomes this program for the commands that draw: the diagram, the report with
// its picture of the diagram, and the motor table's pages. It starts the offscreen platform, so
// it needs no display.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&ShowOnlyQtErrors);
    QApplication application(argc, argv);
    Regional() = CommandLineRegional(TRegionalSettings::FromSystemLocale());

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = application.arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const QString iniFilePath = InstalledIniFilePath(HelperToPrefix);
    if (command == QStringLiteral("diagram")) {
        if (HelpAsked(arguments))
            return (out << DiagramUsage(), 0);
        return RunDiagramCommand(arguments, iniFilePath, out, err);
    }
    if (command == QStringLiteral("report")) {
        if (HelpAsked(arguments))
            return (out << ReportUsage(), 0);
        return RunReportCommand(arguments, iniFilePath, out, err, [](const TSelectionDiagram& d) {
            return RenderSelectionDiagram(d, DiagramPictureSize, ReportDiagramScale);
        });
    }
    if (command == QStringLiteral("motor-table"))
        return RunMotorTableCommand(
            arguments, iniFilePath, out, err,
            [](const QString& file, const TMotorTableInput& input, QString& error) {
                return WriteMotorTablePdf(file, input, EditionPaper(BuildIsUSEdition()), error);
            });
    err << QStringLiteral("aircooler-draw is started by aircooler-cli for its commands diagram, "
                          "report and motor-table --pdf, not \"%1\".\n")
               .arg(command);
    return 2;
}
