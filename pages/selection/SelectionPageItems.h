#pragma once

#include "pages/selection/SelectionView.h"

#include <QStringList>

// The fixed items of the selection page's lists, in the order of their positions: the oil
// grades, and the unit lists, whose positions are the unit ordinals of the conversions.
const QStringList& OilGradeItems();
// The unit list beside an entry.
const QStringList& UnitItems(TSelectionEntry Entry);
