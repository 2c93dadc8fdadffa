#pragma once

#include <QString>

#include <array>

// The grade a page calculates with while none is picked.
inline const QString DefaultOilGrade = QStringLiteral("ISO VG 22");

// The hydraulic oil: loads the viscosity polynomial and the cooling correction of one grade
// from "IsoOils.ini" into the coefficients shared by all calculators, and turns a temperature
// into a viscosity (mm2/s) and into the viscosity correction of the oil pressure drop.
class TIsoOil {
public:
    // Positions of the shared coefficients. Scoped, because the catalogue record of the
    // derived calculators has keys of the same names at other positions.
    struct OilKey {
        enum : int { CoeffA, CoeffB, CoeffC, CoeffD, CoeffE, CoeffF, CoeffG, CoolCorr };
    };
    static const std::array<QString, 8> OilKeyTable;
    static constexpr int MaxSectionLength = 15;

    // Loads section `SectionStr` of the file "IsoOils.ini" in directory `PathStr` (which ends
    // with a separator). Throws EConvertError at the first key that is missing or not a number
    // and EDataRangeError at the first value outside its key's physical range; the keys before
    // it keep their new values.
    void ReadOilIniFile(const QString& SectionStr, const QString& PathStr);

    double Viscocity(float Temp) const;
    double ViscocityCorr(float Temp) const;

    // The cooling correction of the grade loaded last.
    static double CoolCorrFactor();
};
