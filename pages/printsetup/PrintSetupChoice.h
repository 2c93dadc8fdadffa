#pragma once

#include "core/CoolerTypes.h"
#include "report/ReportReferences.h"
#include "report/ReportTexts.h"

// What the user chose in the print setup: the language the report is written in, the report's
// texts in that language, and the two references.
struct TPrintSetupChoice {
    TLanguageType ReportLanguage = ENGLISH;
    TReportTexts Texts;
    TReportReferences References;
};
