#pragma once

#include "core/CoolerTypes.h"
#include "core/RegionalSettings.h"
#include "report/SelectionReportData.h"
#include "texts/Language.h"

#include <QDate>

#include <gtest/gtest.h>

// A sized KVAM 300-B as the selection page shows it in metric units.
TSelectionReportData KvamReportData();

// The engine state of a freshly started program with the report texts of `Language` loaded,
// the shipped catalogue and the regional point and ISO date; put back afterwards.
class ReportTest : public ::testing::Test {
protected:
    ReportTest();
    ~ReportTest() override;

    // Loads the report texts in `Language` for the series and mode now set in the engine state.
    void LoadTexts(TLanguageType Language);

    TLanguage Store;
    TScopedRegionalSettings Regional{
        TRegionalSettings{QLatin1Char('.'), QStringLiteral("yyyy-MM-dd")}};
    const QDate Today{2026, 12, 10};
};
