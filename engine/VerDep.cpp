#include "engine/VerDep.h"

namespace {
constexpr int MaxText = 255;
}

QString TVerDep::ChangeToCoolerIniFilename(TCoolerType CoolerType) const {
    switch (CoolerType) {
    case AC_Cooler:
        return QStringLiteral("CnfAcEur.ini");
    case DC_Cooler:
        return QStringLiteral("CnfDcEur.ini");
    case Cooler_System:
        return QStringLiteral("CnfCsEur.ini");
    default:
        return QStringLiteral("CnfVcEur.ini");
    }
}

QString TVerDep::ChangeToSectionName(const QString& InName, TCoolerType Series) const {
    if (Series == Cooler_System)
        return RemoveCharsAfterLastDigit(InName);
    return InName.left(MaxText);
}

QString TVerDep::ChangeToValidFilename(const QString& Filename) const {
    QString text = Filename.left(MaxText);
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        const bool valid =
            (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!valid)
            c = QLatin1Char('_');
    }
    return text;
}

QString TVerDep::RemoveCharsAfterLastDigit(const QString& InString) const {
    for (qsizetype i = InString.size() - 1; i >= 0; --i) {
        if (InString[i] >= QLatin1Char('0') && InString[i] <= QLatin1Char('9'))
            return InString.left(std::min<qsizetype>(i + 1, MaxText));
    }
    return QString();
}

QString TVerDep::RemoveCharsAfterLastUnderscore(const QString& InString) const {
    const qsizetype last = InString.lastIndexOf(QLatin1Char('_'));
    return last < 0 ? QString() : InString.left(std::min<qsizetype>(last, MaxText));
}

QString TVerDep::ChangeToImageFileName(const QString& CoolerName, const QString& ExtensionStr,
                                       TCoolerType CoolerType) const {
    const QString name =
        CoolerType == Cooler_System ? RemoveCharsAfterLastUnderscore(CoolerName) : CoolerName;
    return (ChangeToValidFilename(name) + ExtensionStr).left(MaxText);
}
