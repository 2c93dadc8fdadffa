#include "app/cli/ReportCommand.h"

#include "app/cli/HeadlessSelection.h"
#include "app/cli/ReportArguments.h"
#include "core/DataFault.h"
#include "core/OutputPath.h"
#include "core/VisibleText.h"
#include "pages/printsetup/HeadlessPrintSetupView.h"
#include "pages/printsetup/PrintCommand.h"
#include "pages/printsetup/PrintSetupController.h"
#include "report/SelectionReport.h"
#include "report/TextDocumentWriter.h"

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

    THeadlessSelection page(IniFilePath, request.Selection.Language);
    if (!page.Run(request.Selection, error)) {
        Err << error << '\n';
        return 2;
    }
    for (const QString& message : page.Messages.Texts())
        Err << message << '\n';
    if (!page.Succeeded()) {
        if (page.Messages.Shown.isEmpty())
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

    const QImage diagram = page.View.Diagram ? DrawDiagram(*page.View.Diagram) : QImage();
    int status = 0;
    RunPrintCommand(page.Language, printSetup, [&] {
        TTextDocumentWriter writer;
        try {
            WriteSelectionReport(writer, page.Controller.ReportData(), page.Language,
                                 QDate::currentDate(), diagram);
        } catch (const EDataFault& e) {
            Err << e.Message() << '\n';
            status = 1;
            return;
        }
        if (!SaveReport(writer.Document(), request.OutFile, request.Format, error)) {
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
