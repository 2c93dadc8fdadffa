#include "engine/IsoOil.h"

#include "core/EngineState.h"
#include "core/ProfileFile.h"
#include "engine/DataValue.h"

#include <algorithm>

const std::array<QString, 8> TIsoOil::OilKeyTable = {
    QStringLiteral("CoeffA"), QStringLiteral("CoeffB"),  QStringLiteral("CoeffC"),
    QStringLiteral("CoeffD"), QStringLiteral("CoeffE"),  QStringLiteral("CoeffF"),
    QStringLiteral("CoeffG"), QStringLiteral("CoolCorr")};

namespace {

// What a real oil's values can be, in key-table order. The viscosity polynomial in degC gives
// mm2/s; the thickest shipped grade needs a constant term of about 15,000, so the bound is far
// above any grade yet keeps every viscosity finite. The cooling correction scales the cooler's
// conductance and lies close to 1 for every hydraulic oil.
constexpr TValueRange ViscosityCoefficient{-1e6, 1e6};
constexpr std::array<TValueRange, 8> OilKeyRanges = {{
    ViscosityCoefficient, // CoeffA, per degC^6
    ViscosityCoefficient, // CoeffB, per degC^5
    ViscosityCoefficient, // CoeffC, per degC^4
    ViscosityCoefficient, // CoeffD, per degC^3
    ViscosityCoefficient, // CoeffE, per degC^2
    ViscosityCoefficient, // CoeffF, per degC
    ViscosityCoefficient, // CoeffG
    {0.5, 1.5},           // CoolCorr
}};

const QString OilFileName = QStringLiteral("IsoOils.ini");

} // namespace

void TIsoOil::ReadOilIniFile(const QString& SectionStr, const QString& PathStr) {
    const QString section = SectionStr.left(MaxSectionLength);
    const QString file = PathStr + OilFileName;
    std::array<double, 8>& coefficients = EngineState().OilCoeff;
    if (const QList<double>* kept = TProfileFileCache::KeptNumbers(file, section, "oil")) {
        std::copy(kept->cbegin(), kept->cend(), coefficients.begin());
        return;
    }
    const QList<TProfileEntry> entries = TProfileFile::ReadSection(file, section);
    for (std::size_t i = 0; i < OilKeyTable.size(); ++i)
        coefficients[i] =
            ReadDataValue(entries, {OilFileName, section, OilKeyTable[i]}, OilKeyRanges[i]);
    // Only a grade that read without fault is kept: a faulty one is told on every reading.
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
