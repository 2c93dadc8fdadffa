#pragma once

#include "core/Editions.h"

#include <QString>

// The two roots of the settings store, each one file: the per-user copy, which the program
// reads and writes, and the machine-wide copy the installation wrote, which it only reads. The
// window chooses them and hands them to every store it makes.
//
// Empty roots, as made by default, make every store operation fail: whatever is not handed
// the program's roots can never touch a user's real settings by accident.
struct TSettingsRoots {
    QString UserFile;
    QString MachineFile;
    // The edition whose program key the values live under in both copies.
    TEdition Edition = TEdition::European;

    // The roots of the program running from `programDir` (its executable's directory) in
    // `edition`:
    //  - per-user: <XDG config dir>/<program key below "Software">.ini, for instance
    //    ~/.config/Brenvik/Brenvik Cooler US.ini;
    //  - machine-wide: <programDir>/../share/aircooler/MachineSettings-US.ini (or -EU.ini),
    //    which is where both an installation and the build tree keep their data.
    static TSettingsRoots ForProgram(const QString& programDir, TEdition edition);
};
