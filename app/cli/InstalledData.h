#pragma once

#include <QString>

// Where the programs lie once installed: those users start in bin/, the drawing program that
// aircooler-cli hands its drawing commands over to in libexec/aircooler/. The build tree is laid
// out alike, so both run from it as they do installed.
inline const QString ProgramsToPrefix = QStringLiteral("/..");
inline const QString HelperToPrefix = QStringLiteral("/../..");
inline const QString DrawingProgramPath = QStringLiteral("/libexec/aircooler/aircooler-draw");

// The catalogue directory installed with the running program (share/aircooler/IniFiles under
// the prefix, reached from the program's folder by `ToPrefix`), ending in a separator, as the
// window reads it.
QString InstalledIniFilePath(const QString& ToPrefix = ProgramsToPrefix);
