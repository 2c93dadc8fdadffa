#pragma once

#include <QString>

// The two margin entries of the margins dialog.
enum class TMarginEntry {
    AirOutOilOut, // edAirOutOilOutDiff: OutputOilAirDev
    OilMaxOilOut  // edOilMaxOilOutDiff: OilMaxOilDev
};

// Its three explanations.
enum class TMarginText {
    TempDev,          // stTempDev
    AirOutOilOutDiff, // stAirOutOilOutDiff
    OilMaxOilOutDiff  // stOilMaxOilOutDiff
};

// The margins dialog (TdlgTempDev) as its logic sees it. Setting a text through this interface
// runs nothing and leaves the entry nothing to undo; only the user's own edits and clicks reach
// the logic from the dialog.
class TTempDevView {
public:
    virtual ~TTempDevView() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetStaticText(TMarginText text, const QString& value) = 0;
    virtual QString EntryText(TMarginEntry entry) const = 0;
    virtual void SetEntryText(TMarginEntry entry, const QString& text) = 0;
    virtual void SelectEntryText(TMarginEntry entry) = 0;
    virtual void SetEntryFocus(TMarginEntry entry) = 0;
};
