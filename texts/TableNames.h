#pragma once

#include "core/CoolerTypes.h"

#include <QString>

// The names under which the built-in tables are filed: tables/<LANGUAGE>/<Page>.txt.
// An ordinal outside its enumeration (say, a damaged stored language) has an empty name,
// which names no table.

QString LanguageTypeName(TLanguageType Language);
QString LanguagePageTypeName(TLanguagePageType Page);
