#pragma once

#include "core/Editions.h"

// The edition is a property of the build: the program links exactly one of the libraries
// aircooler_edition_us and aircooler_edition_eu. The program hands it on as a value; the code
// below the window never asks for it.
bool BuildIsUSEdition();

// The edition this program was built as, the program's default.
inline TEdition BuildEdition() {
    return BuildIsUSEdition() ? TEdition::US : TEdition::European;
}
