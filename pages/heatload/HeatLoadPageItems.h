#pragma once

#include "pages/heatload/HeatLoadView.h"

#include <QStringList>

// The items of the unit list beside an entry, in the order of their positions, which are the
// unit ordinals of the conversions.
const QStringList& UnitListItems(THeatLoadEntry Entry);
