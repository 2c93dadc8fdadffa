#pragma once

#include <QString>

// The settings-store key under which every stored value of the program lives; the edition
// chooses it. Subkeys are addressed by appending a path that starts with a backslash, such as
// "\Page2".
QString ProgramRegKeyFor(bool usEdition);

// The key of the running program's edition (USVersionFLG of the engine state, which the
// version information fixes before the store is first used).
QString ProgramRegKey();
