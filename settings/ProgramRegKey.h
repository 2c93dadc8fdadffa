#pragma once

#include "core/Editions.h"

#include <QString>

// The settings-store key under which every stored value of the program lives; the edition
// chooses it. Subkeys are addressed by appending a path that starts with a backslash, such as
// "\Page2".
QString ProgramRegKey(TEdition Edition);
