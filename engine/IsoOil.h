#pragma once

#include "engine/DataValue.h"
#include "engine/OilGrade.h"

#include <QString>

#include <array>

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
    // What each key of a real oil can be, in key-table order (IsoOil.cpp says how).
    static const std::array<TValueRange, 8> OilKeyRanges;
    static constexpr int MaxSectionLength = 15;

    // The temperatures the viscosity is asked for: the coldest air the input check accepts and
    // the mean oil temperature, which the model caps at 100 degC.
    static constexpr double ColdestViscosityTemp = -30;
    static constexpr double HottestViscosityTemp = 100;

    // Loads section `SectionStr` of the file "IsoOils.ini" in directory `PathStr` (which ends
    // with a separator). Throws EDataFileError when the file cannot be read, EConvertError at
    // the first key that is missing or not a number, EDataRangeError at the first value outside
    // its key's range, and EDataRecordError when the viscosity is not positive and falling
    // from ColdestViscosityTemp to HottestViscosityTemp; the keys read keep their new values.
    void ReadOilIniFile(const QString& SectionStr, const QString& PathStr);

    // The viscosity (mm2/s) at `Temp` degC of the polynomial `Coefficients` in key-table order.
    static double ViscosityOf(const std::array<double, 8>& Coefficients, double Temp);

    double Viscocity(float Temp) const;
    double ViscocityCorr(float Temp) const;

    // The cooling correction of the grade loaded last.
    static double CoolCorrFactor();
};
