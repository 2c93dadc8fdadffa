#include "settings/ProgramRegKey.h"

QString ProgramRegKey(TEdition Edition) {
    return Edition == TEdition::US ? QStringLiteral("\\Software\\Brenvik\\Brenvik Cooler US")
                                   : QStringLiteral("\\Software\\Kylvane");
}
