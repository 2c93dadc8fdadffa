#pragma once

// The edition is a property of the build: the program links exactly one of the libraries
// aircooler_edition_us and aircooler_edition_eu, and everything else asks at run time
// through the engine state's USVersionFLG, which the version information sets from this.
bool BuildIsUSEdition();
