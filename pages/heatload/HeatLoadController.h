#pragma once

#include "heatload/CoolCalc.h"
#include "pages/heatload/HeatLoadView.h"

#include <QString>

#include <cstdint>
#include <optional>

class TMessageService;
class TStoredValues;

// The inputs of the page in base units (litre, kg/dm³, kJ/(kg·K), °C, °C, minutes) and its last
// result, as they are after the page's reset.
struct THeatLoadFields {
    float OilVolume = 0;
    float Density = 0.89f;
    float HeatCapa = 2.08f;
    float StartTemp = 0;
    float EndTemp = 0;
    float TimeInterval = 0;
    float DissiResult = 0;            // in the unit of UnitlResultHeatDissi
    uint8_t UnitlResultHeatDissi = 0; // THeatDissi ordinal the result was last shown in
};

// The logic of the heat-load page: reading the measurement in the user's units, checking it,
// showing the cooling it asks for in any heat unit and handing that to the selection page. It
// reaches the window only through THeatLoadView, messages only through the TMessageService it
// is given and stored values only through TStoredValues, so the window, the tests and the
// command-line tool run the same code.
class THeatLoadController {
public:
    THeatLoadController(THeatLoadView& View, TStoredValues& Settings, TMessageService& Messages);

    // The user leaves an input entry: the typed number is held in base units and the entry
    // rewritten in a regular form. An entry that cannot be read shows the value its input
    // keeps and takes the focus back after the reader's message; false then.
    bool EntryExit(THeatLoadEntry Entry);
    // Another unit is picked beside an input: the entry shows the input in it; the input
    // itself stays as it is.
    void UnitChange(THeatLoadEntry Entry);
    // "Calculate": the required cooling of the inputs, or the message of the input out of range.
    void btCalculateHeatDissiClick();
    // Another unit is picked for the result: it is shown in that unit, and handed over in it
    // when it was calculated.
    void cbUnitlResultHeatDissiChange();

    // Every entry and input back to its start value; the unit lists stay as they are.
    void ResetInputs();
    // The reset button: the inputs reset and shown in the stored units.
    void bbtResetClick();

    // The page change: the units and entries are stored when the page is left and restored,
    // each read in its own unit, when it is entered.
    void StoreInputs();
    void RestoreInputs();

    const THeatLoadFields& Fields() const { return Values; }
    // The cooling in kW of the last calculation; none before one or after a reset.
    std::optional<float> CalculatedkW() const { return LastCalculatedkW; }

private:
    void ShowInput(THeatLoadEntry Entry);
    void ShowResult(int Decimals);
    void HandOverCalculatedResult();
    QString RangeMessage(TCoolCalcResult Verdict) const;
    void RestoreListPosition(THeatLoadEntry Entry);

    THeatLoadView& View;
    TStoredValues& Settings;
    TMessageService& Messages;
    THeatLoadFields Values;
    std::optional<float> LastCalculatedkW;
};
