#pragma once

#include "units/UnitConv.h"

#include <QString>
#include <QStringList>

#include <optional>

// One quantity of the unit lists as the command line names it: its unit labels (the list items
// of the pages) and the conversion pair of TUnitConv.
struct TQuantity {
    QString Name;
    QStringList Labels;
    float (*ToBase)(int&, float, int);
    float (*FromBase)(int&, float, int);

    // The position of a typed unit label (see TypedUnitIndex); the heat-load page's spellings
    // of the heat units are accepted too.
    std::optional<int> UnitIndex(const QString& label) const;

    bool IsTemperature() const { return ToBase == &TUnitConv::TempToC; }
};

const QList<TQuantity>& Quantities();
const TQuantity* FindQuantity(const QString& name);
