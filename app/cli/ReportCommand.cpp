#include "app/cli/ReportCommand.h"

#include "app/cli/CommandLineSelection.h"
#include "app/cli/ReportArguments.h"
#include "core/DataFault.h"
#include "core/OutputPath.h"
#include "core/VisibleText.h"
#include "pages/printsetup/HeadlessPrintSetupView.h"
#include "pages/printsetup/PrintCommand.h"
#include "pages/printsetup/PrintSetupController.h"
#include "report/EditionPaper.h"
#include "report/SelectionReport.h"
#include "report/TextDocumentWriter.h"
#include "texts/Language.h"

#include <QDate>

int RunReportCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err, const TDiagramDrawing& DrawDiagram) {
    TReportRequest request;
    QString error;
    if (!ParseReportArguments(Arguments, request, error)) {
        Err << error << "\nRun \"aircooler-cli report --help\" for the arguments.\n";
        return 2;
    }
    const QString refusal = OutputPathRefusal(request.OutFile);
    if (!refusal.isEmpty()) {
        Err << QStringLiteral("The report could not be saved as \"%1\": %2.\n")
                   .arg(WithVisibleControlCharacters(request.OutFile), refusal);
        return 2;
    }

    // One reading of each data file serves every model the run rates.
    const KeptCatalogue catalogue(IniFilePath);
    const SelectionCaptions captions = CaptionsIn(request.Selection.Language);
    CommandLineSelection run;
    if (!RunCommandLineSelection(request.Selection, request.Selection.Model.isEmpty(), captions,
                                 catalogue, run, error, SelectionDetail::GridAndDiagram)) {
        Err << error << '\n';
        return 2;
    }
    for (const TShownMessage& message : run.Outcome.Messages)
        Err << message.Text << '\n';
    if (!run.Outcome.Succeeded()) {
        if (run.Outcome.Messages.isEmpty())
            Err << "No result.\n";
        return 1;
    }

    // The print setup of a program's first print, filled in and confirmed as the user would.
    TMemoryPrintSetupSettings stored;
    if (request.ReportLanguage)
        stored.Language = *request.ReportLanguage;
    THeadlessPrintSetupView dialog;
    bool firstTime = true;
    TPrintSetupController printSetup(dialog, stored, firstTime);
    dialog.OnShowModal = [&] {
        dialog.SetYourRefText(request.YourRef);
        dialog.SetOurRefText(request.OurRef);
        return true;
    };

    const QImage diagram = run.Outcome.Diagram ? DrawDiagram(*run.Outcome.Diagram) : QImage();
    int status = 0;
    TLanguage language;
    language.SetLanguageType(request.Selection.Language);
    RunPrintCommand(language, printSetup, [&](const TPrintSetupChoice& choice) {
        const TSelectionReport report{ReportDataOf(run.Request, run.Outcome, run.Models),
                                      choice.Texts, choice.References, run.Request.USEdition,
                                      IniFilePath};
        TTextDocumentWriter writer;
        try {
            WriteSelectionReport(writer, report, QDate::currentDate(), diagram);
        } catch (const EDataFault& e) {
            Err << e.Message() << '\n';
            status = 1;
            return;
        }
        if (!SaveReport(writer.Document(), request.OutFile, request.Format,
                        EditionPaper(report.USEdition), error)) {
            Err << QStringLiteral("The report could not be saved as \"%1\": %2.\n")
                       .arg(WithVisibleControlCharacters(request.OutFile), error);
            status = 1;
            return;
        }
        Out << QStringLiteral("Report written to \"%1\".\n")
                   .arg(WithVisibleControlCharacters(request.OutFile));
    });
    return status;
}
