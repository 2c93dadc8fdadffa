#pragma once

#include <QString>

// The catalogue directory installed beside the running program (../share/aircooler/IniFiles),
// ending in a separator, as the window reads it.
QString InstalledIniFilePath();
