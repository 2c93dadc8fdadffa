#pragma once

#include "report/SelectionReportData.h"

#include <QDate>
#include <QImage>
#include <QString>

class TDocumentWriter;
class TLanguage;

// The fonts and fixed texts of the report.
inline const QString ReportSerifFont = QStringLiteral("Times New Roman");
inline const QString ReportFixedFont = QStringLiteral("Courier New");
inline const QString ReportProgramLine =
    QStringLiteral("Air Cooled Heat Exchanger Software Version ");
inline const QString ReportOrganisationLine = QStringLiteral("  Brenvik Corporation");

// The width of the selection diagram in the report, 4.75 inches: near that of its lines of data,
// and small enough to leave the notes on the first page.
inline constexpr int ReportDiagramWidth = 456;

// Writes the selection report into a new document: letterhead, program line, model, date and
// references, the input data and the calculated data of the chosen model, the selection
// diagram as the page shows it (`Diagram`, none when null), and the two notes.
// Labels come from the engine state's report texts; the note on a shortfall is read from the
// store, whose loaded page is kept. The weight is read again from the catalogue, in the
// current series, and throws an EDataFault when it cannot be.
void WriteSelectionReport(TDocumentWriter& Writer, const TSelectionReportData& Data,
                          TLanguage& Store, const QDate& Today, const QImage& Diagram = {});
