#pragma once

#include "UnitConv.h"

#include <QString>
#include <QStringList>

#include <optional>

// One quantity of the unit lists as the command line names it: its unit labels (the list items
// of the pages) and the conversion pair of TUnitConv.
struct TQuantity {
    QString Name;
    QStringList Labels;
    float (TUnitConv::*ToBase)(int&, float, int) const;
    float (TUnitConv::*FromBase)(int&, float, int) const;

    // The position of a unit label. Letter case, "°" and the superscripts may be left out or
    // typed as plain digits, so "m3/h" and "c" work in any terminal; the heat-load page's
    // spellings of the heat units are accepted too.
    std::optional<int> UnitIndex(const QString& label) const;
};

const QList<TQuantity>& Quantities();
const TQuantity* FindQuantity(const QString& name);
