#pragma once

#include "core/CoolerTypes.h"
#include "settings/RegRoutines.h"

#include <cstdint>

// What the dimensions page remembers between visits: its series and the position of its model
// in the list ("CoolerType" and "CoolerTypeCombo" under "\Page3"). The window keeps them in
// the user's settings store; tests keep them in memory.
class TDimensionsSettings {
public:
    virtual ~TDimensionsSettings() = default;
    // The stored series; anything unreadable or unknown is the first series.
    virtual TCoolerType StoredSeries() const = 0;
    // The stored model position as stored; 0 when it cannot be read.
    virtual int32_t StoredModel() const = 0;
    virtual void Store(int32_t Series, int32_t Model) = 0;
};

// The user's settings store, in the files `Roots` names.
class TRegDimensionsSettings : public TDimensionsSettings {
public:
    explicit TRegDimensionsSettings(const TSettingsRoots& Roots) : Reg(Roots) {}

    TCoolerType StoredSeries() const override;
    int32_t StoredModel() const override;
    void Store(int32_t Series, int32_t Model) override;

private:
    TRegRoutines Reg;
};

// Values that live as long as this object, as a fresh store would hold them.
class TMemoryDimensionsSettings : public TDimensionsSettings {
public:
    TCoolerType StoredSeries() const override { return Series; }
    int32_t StoredModel() const override { return Model; }
    void Store(int32_t series, int32_t model) override {
        Series = static_cast<TCoolerType>(series);
        Model = model;
    }

    TCoolerType Series = AC_Cooler;
    int32_t Model = 0;
};
