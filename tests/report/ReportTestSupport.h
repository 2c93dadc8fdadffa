#pragma once

#include "core/CoolerTypes.h"
#include "core/RegionalSettings.h"
#include "report/SelectionReport.h"
#include "texts/Language.h"

#include <QDate>

#include <gtest/gtest.h>

// A sized KVAM 300-B as the selection page shows it in metric units.
TSelectionReportData KvamReportData();

// The report's texts in `Language`, read from the shipped text tables.
TReportTexts ReportTextsIn(TLanguageType Language);

// A European report of KvamReportData with the texts of `Language` and without references,
// read from the shipped catalogue, with the regional point and ISO date.
class ReportTest : public ::testing::Test {
protected:
    static TSelectionReport KvamReport(TLanguageType Language = ENGLISH);

    TScopedRegionalSettings Regional{
        TRegionalSettings{QLatin1Char('.'), QStringLiteral("yyyy-MM-dd")}};
    const QDate Today{2026, 12, 10};
};
