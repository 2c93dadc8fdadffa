#pragma once

#include "app/cli/SelectArguments.h"
#include "report/ReportFile.h"

#include <optional>

// What `aircooler-cli report` is asked to do: the selection of `select`, then the print
// setup's choices and the file to write.
struct TReportRequest {
    TSelectRequest Selection;
    QString YourRef;
    QString OurRef;
    // As if stored as the print setup's report language; none writes the report in English.
    std::optional<TLanguageType> ReportLanguage;
    QString OutFile;
    TReportFormat Format = TReportFormat::Odf;
};

// Reads the arguments after "report". On failure `Error` says what is wrong.
bool ParseReportArguments(const QStringList& Arguments, TReportRequest& Request, QString& Error);

QString ReportUsage();
