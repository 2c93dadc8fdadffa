#include "engine/CoolerHlp.h"

#include "core/ProfileFile.h"
#include "units/NumericText.h"

const std::array<QString, 18> Catalogue::CoolerKeyTable = {
    QStringLiteral("CoeffA"),     QStringLiteral("CoeffB"),    QStringLiteral("CoeffC"),
    QStringLiteral("CoeffD"),     QStringLiteral("CoeffE"),    QStringLiteral("MinFlow"),
    QStringLiteral("MaxFlow"),    QStringLiteral("CoeffF"),    QStringLiteral("CoeffG"),
    QStringLiteral("CoeffH"),     QStringLiteral("AirFlow"),   QStringLiteral("MotorPower"),
    QStringLiteral("NoiseLevel"), QStringLiteral("FanDia"),    QStringLiteral("CoolArea"),
    QStringLiteral("Weight"),     QStringLiteral("OilVolume"), QStringLiteral("IP")};

TCoolerHlp::TCoolerHlp(const QString& OilSectionStr, const QString& PathStr) {
    ReadOilIniFile(OilSectionStr, PathStr);
}

void TCoolerHlp::ReadCoolerIniFile(TTableValue& ValueArr, const QString& SectionStr,
                                   const QString& PathStr, const QString& FileName) {
    const QList<TProfileEntry> entries =
        TProfileFile::ReadSection(PathStr + FileName, SectionStr.left(Catalogue::MaxNameLength));
    for (std::size_t i = 0; i < Catalogue::CoolerKeyTable.size(); ++i)
        ValueArr[i] =
            DataValueToFloat(TProfileFile::ValueOf(entries, Catalogue::CoolerKeyTable[i]));
}
