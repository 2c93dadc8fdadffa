#pragma once

#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/heatload/HeadlessHeatLoadView.h"
#include "pages/heatload/HeatLoadController.h"
#include "pages/heatload/HeatLoadTexts.h"
#include "settings/StoredValues.h"
#include "texts/Language.h"
#include "units/Units.h"

#include <gtest/gtest.h>

using E = THeatLoadEntry;

// The heat-load page as just entered with nothing stored: English texts, every unit list at its
// first item but the result at kW, a point as decimal separator and every message recorded.
class HeatLoadPage : public testing::Test {
protected:
    HeatLoadPage() {
        View.OutOfRangeText = QStringLiteral("Outside the range!");
        View.ThousandsReadingsText = QStringLiteral("Write %1 or %2");
        Language.SetLanguageType(ENGLISH);
        ApplyHeatLoadTexts(View, Language);
        View.SetListIndex(E::Result, Ord(THeatDissi::kW));
        Controller.ResetInputs();
    }

    // As the user types into an entry and leaves it.
    void Type(E entry, const QString& text) {
        View.Focused.reset();
        View.SetEntryText(entry, text);
        Controller.EntryExit(entry);
    }
    void PickUnit(E entry, int unit) {
        View.SetListIndex(entry, unit);
        if (entry == E::Result)
            Controller.cbUnitlResultHeatDissiChange();
        else
            Controller.UnitChange(entry);
    }
    // 200 litres warming from 20 °C to 50 °C in 30 minutes, at the start density and heat.
    void TypeExample() {
        Type(E::OilVolume, "200");
        Type(E::StartTemp, "20");
        Type(E::EndTemp, "50");
        Type(E::TimeInterval, "30");
    }

    QString Text(E entry) const { return View.EntryText(entry); }

    TScopedRegionalSettings Point{QLatin1Char('.')};
    TRecordingMessages Shown;
    TLanguage Language;
    THeadlessHeatLoadView View;
    TMemoryStoredValues Settings;
    THeatLoadController Controller{View, Settings, Shown};
};
