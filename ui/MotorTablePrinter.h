#pragma once

#include "core/Editions.h"
#include "engine/MotorVariants.h"

#include <QList>
#include <QString>

#include <memory>

class QPrinter;
class TMessageService;

// The printer the table goes to: the default printer, at 600 dots per inch on the edition's
// paper (A4 in the European edition, Letter in the US edition); none without a default
// printer.
std::unique_ptr<QPrinter> MotorTablePrinter(TEdition Edition);

// Prints the hydraulic-motor table on that printer, without a printer dialog. `Grid` is the
// window's grid with its two heading rows; `Version` the program's version text. Without a default
// printer, or when it cannot be opened, the user is told through `Messages` and nothing is
// printed; false then.
bool PrintMotorTable(const QList<TMotorDataCells>& Grid, const QString& Version, TEdition Edition,
                     TMessageService& Messages);

inline const QString NoPrinterMessage =
    QStringLiteral("No printer is set up as the default printer. The motor data were not printed.");
inline const QString PrinterFailedMessage =
    QStringLiteral("The default printer could not be opened. The motor data were not printed.");
