#include "engine/CoolerHlp.h"

#include "engine/DataValue.h"

#include <algorithm>

const std::array<QString, 18> Catalogue::CoolerKeyTable = {
    QStringLiteral("CoeffA"),     QStringLiteral("CoeffB"),    QStringLiteral("CoeffC"),
    QStringLiteral("CoeffD"),     QStringLiteral("CoeffE"),    QStringLiteral("MinFlow"),
    QStringLiteral("MaxFlow"),    QStringLiteral("CoeffF"),    QStringLiteral("CoeffG"),
    QStringLiteral("CoeffH"),     QStringLiteral("AirFlow"),   QStringLiteral("MotorPower"),
    QStringLiteral("NoiseLevel"), QStringLiteral("FanDia"),    QStringLiteral("CoolArea"),
    QStringLiteral("Weight"),     QStringLiteral("OilVolume"), QStringLiteral("IP")};

namespace {

// What a real model's values can be, in key-table order, each far wider than any catalogue
// needs so that only a damaged file meets a limit. The polynomial coefficients may be negative
// but stay small: the shipped ones are below 0.5, and a coefficient of 100 already gives a
// conductance or pressure drop no cooler has within its flow range. Flows of 0 are allowed
// because two equal flow limits switch the flow check off. The fan needs air to remove heat.
constexpr TValueRange Coefficient{-100, 100};
constexpr std::array<TValueRange, 18> CoolerKeyRanges = {{
    Coefficient, // CoeffA, kW/K per (l/min)^3
    Coefficient, // CoeffB, kW/K per (l/min)^2
    Coefficient, // CoeffC, kW/K per l/min
    Coefficient, // CoeffD, kW/K
    Coefficient, // CoeffE, bar per (l/min)^0.25
    {0, 10000},  // MinFlow, l/min
    {0, 10000},  // MaxFlow, l/min
    Coefficient, // CoeffF, bar per (l/min)^0.5
    Coefficient, // CoeffG, bar per l/min
    Coefficient, // CoeffH, bar
    {1e-3, 100}, // AirFlow, m3/s
    {0, 1000},   // MotorPower, kW
    {0, 150},    // NoiseLevel, dB(A)
    {0, 10000},  // FanDia, mm
    {0, 1000},   // CoolArea, m2
    {0, 100000}, // Weight, kg
    {0, 10000},  // OilVolume, litres
    {0, 99},     // IP, the two digits of the protection class
}};

} // namespace

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
        ValueArr[i] = ReadDataValue(entries, {FileName, section, Catalogue::CoolerKeyTable[i]},
                                    CoolerKeyRanges[i]);
    // Only a section that read without fault is kept: a faulty one is told on every reading.
    TProfileFileCache::KeepNumbers(file, section, "cooler", {ValueArr.cbegin(), ValueArr.cend()});
}
