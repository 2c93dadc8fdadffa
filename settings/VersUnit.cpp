#include "settings/VersUnit.h"

#include "settings/Edition.h"

QString ProgramVersionNumber() {
    return QStringLiteral("2.03");
}

QString ProgramVersionLine(const QString& Program) {
    return QStringLiteral("%1 %2 (%3 edition)")
        .arg(Program, ProgramVersionNumber(),
             BuildIsUSEdition() ? QStringLiteral("US") : QStringLiteral("European"));
}

void TVersUnit::SetMianGroupVersion(const QString& VersionStr) {
    VersionTextStr = VersionStr.left(MaxTextLength);
    ShortVersionTextStr = VersionTextStr.left(3);
}

QString TVersUnit::GetVerNumber() const {
    return QLatin1Char(' ') + ProgramVersionNumber();
}

QString TVersUnit::GetVersion() const {
    return (VersionTextStr + GetVerNumber()).left(MaxTextLength);
}

QString TVersUnit::GetVer() const {
    return ShortVersionTextStr + GetVerNumber();
}
