#pragma once

#include "core/ProfileFile.h"
#include "engine/DataValue.h"

#include <QString>

#include <array>

// The grade a page calculates with while none is picked.
inline const QString DefaultOilGrade = QStringLiteral("ISO VG 22");

// One grade of hydraulic oil as the data file "IsoOils.ini" gives it: the viscosity polynomial
// (mm2/s over degC) and the correction by which the oil changes a cooler's conductance.
class OilGrade {
public:
    // Positions of the coefficients. Scoped, because the catalogue record has keys of the same
    // names at other positions.
    struct Key {
        enum : int { CoeffA, CoeffB, CoeffC, CoeffD, CoeffE, CoeffF, CoeffG, CoolCorr };
    };
    using Coefficients = std::array<double, 8>;
    static const std::array<QString, 8> KeyTable;
    // What each key of a real oil can be, in key-table order (OilGrade.cpp says how).
    static const std::array<TValueRange, 8> KeyRanges;
    static constexpr int MaxSectionLength = 15;

    // The temperatures the viscosity is asked for: the coldest air the input check accepts and
    // the mean oil temperature, which the model caps at 100 degC.
    static constexpr double ColdestViscosityTemp = -30;
    static constexpr double HottestViscosityTemp = 100;

    OilGrade() = default;
    explicit OilGrade(const Coefficients& Values) : Values(Values) {}

    // Reads section `Section` (e.g. "ISO_VG_46") of the file "IsoOils.ini" in `Directory`
    // (which ends with a separator). Throws EDataFileError when the file cannot be read,
    // EConvertError at the first key that is missing or not a number, EDataRangeError at the
    // first value outside its key's range, and EDataRecordError when the viscosity is not
    // positive and falling from ColdestViscosityTemp to HottestViscosityTemp.
    static OilGrade Read(const QString& Section, const QString& Directory);
    // The file the grades are read from: "IsoOils.ini".
    static const QString& FileName();
    // Section `Section` among the sections of "IsoOils.ini", read before; throws as Read does
    // once the file is read.
    static OilGrade In(const QList<TProfileSection>& Sections, const QString& Section);

    // The viscosity (mm2/s) at `Temp` degC of the polynomial `Values` in key-table order.
    static double ViscosityOf(const Coefficients& Values, double Temp);

    double Viscosity(float Temp) const { return ViscosityOf(Values, Temp); }
    // The factor by which the viscosity at `Temp` degC scales a cooler's pressure drop.
    double ViscosityCorrection(float Temp) const;
    double CoolingCorrection() const { return Values[Key::CoolCorr]; }
    const Coefficients& CoefficientValues() const { return Values; }

private:
    Coefficients Values{};
};
