#pragma once

#include "report/ReportReferences.h"
#include "report/ReportTexts.h"
#include "report/SelectionReportData.h"

#include <QDate>
#include <QImage>
#include <QString>

class TDocumentWriter;

// The fonts and fixed texts of the report.
inline const QString ReportSerifFont = QStringLiteral("Times New Roman");
inline const QString ReportFixedFont = QStringLiteral("Courier New");
inline const QString ReportProgramLine =
    QStringLiteral("Air Cooled Heat Exchanger Software Version ");
inline const QString ReportOrganisationLine = QStringLiteral("  Brenvik Corporation");

// The width of the selection diagram in the report, 4.75 inches: near that of its lines of data,
// and small enough to leave the notes on the first page.
inline constexpr int ReportDiagramWidth = 456;

// Everything a selection report is made of: the page's values, the labels in the report
// language, the references, the edition (the US catalogue weighs in pounds and states no
// protection class) and the catalogue directory the weight is read from.
struct TSelectionReport {
    TSelectionReportData Data;
    TReportTexts Texts;
    TReportReferences References;
    bool USEdition = false;
    QString CatalogueDirectory; // ending in a directory separator
};

// Writes the selection report into a new document: letterhead, program line, model, date and
// references, the input data and the calculated data of the chosen model, the selection
// diagram as the page shows it (`Diagram`, none when null), and the two notes. The weight is
// read again from the catalogue, in the data's series, and throws an EDataFault when it cannot
// be.
void WriteSelectionReport(TDocumentWriter& Writer, const TSelectionReport& Report,
                          const QDate& Today, const QImage& Diagram = {});
