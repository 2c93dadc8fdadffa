#pragma once

// The two editions of the program. The edition decides the settings-store key, the service
// password, the window title, the offered languages and the units of several results. A build
// is one edition (settings/Edition.h); the code below the window takes the edition as a value,
// so that one test binary can run both.
enum class TEdition { European, US };
