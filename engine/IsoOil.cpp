#include "engine/IsoOil.h"

#include "core/EngineState.h"
#include "core/ProfileFile.h"
#include "units/NumericText.h"

#include <algorithm>

const std::array<QString, 8> TIsoOil::OilKeyTable = {
    QStringLiteral("CoeffA"), QStringLiteral("CoeffB"),  QStringLiteral("CoeffC"),
    QStringLiteral("CoeffD"), QStringLiteral("CoeffE"),  QStringLiteral("CoeffF"),
    QStringLiteral("CoeffG"), QStringLiteral("CoolCorr")};

void TIsoOil::ReadOilIniFile(const QString& SectionStr, const QString& PathStr) {
    const QString file = PathStr + QStringLiteral("IsoOils.ini");
    const QString section = SectionStr.left(MaxSectionLength);
    std::array<double, 8>& coefficients = EngineState().OilCoeff;
    if (const QList<double>* kept = TProfileFileCache::KeptNumbers(file, section, "oil")) {
        std::copy(kept->cbegin(), kept->cend(), coefficients.begin());
        return;
    }
    const QList<TProfileEntry> entries = TProfileFile::ReadSection(file, section);
    for (std::size_t i = 0; i < OilKeyTable.size(); ++i)
        coefficients[i] = DataValueToFloat(TProfileFile::ValueOf(entries, OilKeyTable[i]));
    TProfileFileCache::KeepNumbers(file, section, "oil",
                                   {coefficients.cbegin(), coefficients.cend()});
}

double TIsoOil::Viscocity(float Temp) const {
    const std::array<double, 8>& c = EngineState().OilCoeff;
    const double t = Temp;
    return (((((c[OilKey::CoeffA] * t + c[OilKey::CoeffB]) * t + c[OilKey::CoeffC]) * t +
              c[OilKey::CoeffD]) *
                 t +
             c[OilKey::CoeffE]) *
                t +
            c[OilKey::CoeffF]) *
               t +
           c[OilKey::CoeffG];
}

double TIsoOil::ViscocityCorr(float Temp) const {
    const double v = Viscocity(Temp);
    return ((((1.5977e-12 * v - 1.0735173e-9) * v + 3.0666255e-7) * v - 9.3751722e-6) * v +
            0.021697373) *
               v +
           0.32739647;
}

double TIsoOil::CoolCorrFactor() {
    return EngineState().OilCoeff[OilKey::CoolCorr];
}
