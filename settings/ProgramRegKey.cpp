#include "settings/ProgramRegKey.h"

#include "core/EngineState.h"

QString ProgramRegKeyFor(bool usEdition) {
    return usEdition ? QStringLiteral("\\Software\\Brenvik\\Brenvik Cooler US")
                     : QStringLiteral("\\Software\\Kylvane");
}

QString ProgramRegKey() {
    return ProgramRegKeyFor(EngineState().USVersionFLG);
}
