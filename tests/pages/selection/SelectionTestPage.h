#pragma once

#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionSettings.h"
#include "texts/Language.h"

#include <gtest/gtest.h>

// Model lists that fit the fixture catalogues: three coolers of about 19, 37 and 72 kW at 40 K
// (VAM), a good and a broken D.C. cooler (VDM), two hydraulic-motor coolers (VHM) and three
// cooling systems at 20, 40 and 55-80 l/min (VCS).
class TFixtureModelLists : public TSelectionModelLists {
public:
    void FillComboBoxDim(TCoolerType Series, const QString& RpmWord, QStringList& cbTypeCoolerData,
                         QStringList& cbShadow) const override;
};

// The selection page on the fixture catalogues with English texts, the unit lists at l/min,
// °C, m and kW, a point as decimal separator and every message recorded.
class SelectionPage : public testing::Test {
protected:
    SelectionPage();

    // As the user types into an entry and leaves it.
    void Type(TSelectionEntry entry, const QString& text);
    // As the user types into an entry and stays in it, to run a button by its accelerator.
    void TypeWithoutLeaving(TSelectionEntry entry, const QString& text);
    void PickSeries(TCoolerType series);
    void PickModel(int position);
    void PickUnit(TSelectionEntry entry, int unit);
    // Flow l/min, maximum oil temperature and air temperature degC, altitude m, cooling kW.
    void TypeOperatingPoint(float flow, float maxOilTemp, float airTemp, float altitude,
                            float heat);

    QString Value(TResultLine line) const { return View.ResultValue(line); }
    QString Entry(TSelectionEntry entry) const { return View.EntryText(entry); }
    QStringList GridModels() const;
    // The fixture catalogue's record of the model at `position` of the list of `series`.
    ModelRecord FixtureRecord(TCoolerType series, int position) const;

    TScopedRegionalSettings Point{QLatin1Char('.')};
    TRecordingMessages Shown;
    TLanguage Language;
    THeadlessSelectionView View;
    TMemoryStoredValues Settings;
    TFixtureModelLists Models;
    TSelectionController Controller{View, Settings, Shown, Models};
};

QString TypedText(float value);
