#pragma once

#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/dimensions/DimensionsController.h"
#include "pages/dimensions/HeadlessDimensionsView.h"
#include "texts/Language.h"

#include <gtest/gtest.h>

// The dimensions page on a headless view in English, European edition, reading the catalogue
// from `IniFilePath`, with recorded messages and settings in memory.
class DimensionsPageTest : public testing::Test {
protected:
    explicit DimensionsPageTest(
        const QString& IniFilePath = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/"));

    TRecordingMessages Recorded;
    TScopedRegionalSettings Point{QLatin1Char('.')};
    TLanguage Language;
    THeadlessDimensionsView View;
    TMemoryDimensionsSettings Settings;
    TDimensionsController Controller{View, Settings, Recorded};
};
