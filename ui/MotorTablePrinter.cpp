#include "ui/MotorTablePrinter.h"

#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/dimensions/MotorDataTable.h"
#include "report/EditionPaper.h"
#include "report/MotorTablePainting.h"

#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<QPrinter> MotorTablePrinter(TEdition Edition) {
    // Without a printer Qt would quietly write a PDF file nobody asked for.
    const QPrinterInfo destination = QPrinterInfo::defaultPrinter();
    if (destination.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(destination, QPrinter::HighResolution);
    printer->setResolution(MotorTableResolution);
    printer->setPageSize(EditionPaper(Edition == TEdition::US));
    printer->setDocName(MotorDataCaption);
    return printer;
}

bool PrintMotorTable(const QList<TMotorDataCells>& Grid, const QString& Version, TEdition Edition,
                     TMessageService& Messages) {
    const std::unique_ptr<QPrinter> printer = MotorTablePrinter(Edition);
    if (!printer) {
        Messages.Error(NoPrinterMessage);
        return false;
    }

    TMotorTableInput input;
    input.Grid = Grid;
    input.Title = MotorDataCaption;
    input.VersionLine = MotorDataVersionLine(Version, QDate::currentDate());
    input.DecimalSeparator = Regional().DecimalSeparator;
    if (!PaintMotorTable(*printer, input)) {
        Messages.Error(PrinterFailedMessage);
        return false;
    }
    return true;
}
