#pragma once

#include "units/UnitConv.h"

#include <QString>

class QComboBox;
class QLineEdit;

// What the screenshot tour does with the controls, done as a user does it, so that every
// picture shows what the page shows after the user's own actions: the page's logic hears of
// them through the same signals and events.

// Selects the entry's text, types `Text` key by key and leaves the entry with the tab key.
void TypeInto(QLineEdit* Entry, const QString& Text);

// Picks an item of a drop-down list, as a click on it in the opened list does.
void Pick(QComboBox* List, int Index);

// A unit conversion of the pages from the calculation's base unit.
using TFromBaseUnit = float (*)(int& NoOfDeci, float Value, int UnitIndex);

// The number a user of the list's unit would type for `BaseValue`: converted, rounded to three
// significant digits (100 l/min is typed as 26.4 US gpm, 20 kW as 68200 Btu/hr) and written
// with the unit's decimals and the regional decimal separator.
QString TypedInShownUnit(TFromBaseUnit Convert, double BaseValue, const QComboBox* UnitList);
