#include "engine/CoolerHlp.h"

#include "core/ProfileFile.h"
#include "units/NumericText.h"

#include <algorithm>

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
    const QString file = PathStr + FileName;
    const QString section = SectionStr.left(Catalogue::MaxNameLength);
    if (const QList<double>* kept = TProfileFileCache::KeptNumbers(file, section, "cooler")) {
        std::copy(kept->cbegin(), kept->cend(), ValueArr.begin());
        return;
    }
    const QList<TProfileEntry> entries = TProfileFile::ReadSection(file, section);
    for (std::size_t i = 0; i < Catalogue::CoolerKeyTable.size(); ++i)
        ValueArr[i] =
            DataValueToFloat(TProfileFile::ValueOf(entries, Catalogue::CoolerKeyTable[i]));
    TProfileFileCache::KeepNumbers(file, section, "cooler", {ValueArr.cbegin(), ValueArr.cend()});
}
