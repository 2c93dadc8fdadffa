#include "engine/OilGrade.h"

#include "core/ProfileFile.h"
#include "engine/DataValue.h"
#include "units/NumericText.h"

#include <cmath>

const std::array<QString, 8> OilGrade::KeyTable = {
    QStringLiteral("CoeffA"), QStringLiteral("CoeffB"),  QStringLiteral("CoeffC"),
    QStringLiteral("CoeffD"), QStringLiteral("CoeffE"),  QStringLiteral("CoeffF"),
    QStringLiteral("CoeffG"), QStringLiteral("CoolCorr")};

// What a real oil's values can be: the viscosity coefficients of the shipped grades (ISO VG 22
// to 680) widened five times each way by ShippedCoefficientRange, which keeps their sign and
// lets a term be left out; a value outside is a damaged or mistyped file, and the curve they
// give together is judged by CheckViscosityCurve. The polynomial in degC gives mm2/s:
//
//   key       per        shipped min … max               accepted, rounded
//   CoeffA    degC^6     4.5421085e-10 … 5.545563e-8      0 … 2.77e-7
//   CoeffB    degC^5     -2.6751813e-5 … -2.1415654e-7    -1.34e-4 … 0
//   CoeffC    degC^4     4.1989907e-5 … 0.0053268202      0 … 0.0266
//   CoeffD    degC^3     -0.56236772 … -0.0044334588      -2.81 … 0
//   CoeffE    degC^2     0.27198209 … 33.440201           0 … 167
//   CoeffF    degC       -1077.3317 … -9.6126414          -5387 … 0
//   CoeffG    1          167.56018 … 15121.024            0 … 75605
//   CoolCorr  factor     0.9 … 1                          0.5 … 1.5
//
// The cooling correction scales the cooler's conductance; an oil changes it by tens of percent
// at most, so it keeps a range of its own around 1.
const std::array<TValueRange, 8> OilGrade::KeyRanges = {{
    ShippedCoefficientRange(4.5421085e-10, 5.545563e-8),   // CoeffA
    ShippedCoefficientRange(-2.6751813e-5, -2.1415654e-7), // CoeffB
    ShippedCoefficientRange(4.1989907e-5, 0.0053268202),   // CoeffC
    ShippedCoefficientRange(-0.56236772, -0.0044334588),   // CoeffD
    ShippedCoefficientRange(0.27198209, 33.440201),        // CoeffE
    ShippedCoefficientRange(-1077.3317, -9.6126414),       // CoeffF
    ShippedCoefficientRange(167.56018, 15121.024),         // CoeffG
    {0.5, 1.5},                                            // CoolCorr
}};

namespace {

const QString OilFileName = QStringLiteral("IsoOils.ini");

// The slope of the viscosity polynomial, mm2/s per K.
double ViscositySlopeOf(const OilGrade::Coefficients& c, double t) {
    using Key = OilGrade::Key;
    return ((((6 * c[Key::CoeffA] * t + 5 * c[Key::CoeffB]) * t + 4 * c[Key::CoeffC]) * t +
             3 * c[Key::CoeffD]) *
                t +
            2 * c[Key::CoeffE]) *
               t +
           c[Key::CoeffF];
}

// Coefficients that each passed their range may still give no oil: a viscosity that is not
// positive, or that rises with the temperature, somewhere the model asks for it. Looked at
// every tenth of a kelvin, as the script that fits the shipped grades checks them.
void CheckViscosityCurve(const OilGrade::Coefficients& Values, const TDataPlace& Where) {
    constexpr double Step = 0.1;
    const int steps = static_cast<int>(
        std::lround((OilGrade::HottestViscosityTemp - OilGrade::ColdestViscosityTemp) / Step));
    for (int i = 0; i <= steps; ++i) {
        const double t = OilGrade::ColdestViscosityTemp + i * Step;
        const double viscosity = OilGrade::ViscosityOf(Values, t);
        const bool positive = viscosity > 0;
        if (positive && ViscositySlopeOf(Values, t) < 0)
            continue;
        throw EDataRecordError(
            QStringLiteral("CoeffA to CoeffG give a viscosity of %1 mm²/s at %2 °C%3; it must "
                           "be positive and falling from %4 to %5 °C")
                .arg(FormatFixed(viscosity, 8, 2), FormatFixed(t, 4, 1),
                     positive ? QStringLiteral(", rising") : QString(),
                     FormatFixed(OilGrade::ColdestViscosityTemp, 4, 0),
                     FormatFixed(OilGrade::HottestViscosityTemp, 4, 0)),
            Where);
    }
}

} // namespace

const QString& OilGrade::FileName() {
    return OilFileName;
}

OilGrade OilGrade::Read(const QString& Section, const QString& Directory) {
    return In(TProfileFile::ReadSections(Directory + OilFileName), Section);
}

OilGrade OilGrade::In(const QList<TProfileSection>& Sections, const QString& Section) {
    const QString section = Section.left(MaxSectionLength);
    const QList<TProfileEntry> entries = TProfileFile::SectionEntries(Sections, section);
    Coefficients values{};
    for (std::size_t i = 0; i < KeyTable.size(); ++i)
        values[i] = ReadDataValue(entries, {OilFileName, section, KeyTable[i]}, KeyRanges[i]);
    CheckViscosityCurve(values, {OilFileName, section, QString()});
    return OilGrade(values);
}

double OilGrade::ViscosityOf(const Coefficients& c, double t) {
    return (((((c[Key::CoeffA] * t + c[Key::CoeffB]) * t + c[Key::CoeffC]) * t + c[Key::CoeffD]) *
                 t +
             c[Key::CoeffE]) *
                t +
            c[Key::CoeffF]) *
               t +
           c[Key::CoeffG];
}

double OilGrade::ViscosityCorrection(float Temp) const {
    const double v = Viscosity(Temp);
    return ((((1.5977e-12 * v - 1.0735173e-9) * v + 3.0666255e-7) * v - 9.3751722e-6) * v +
            0.021697373) *
               v +
           0.32739647;
}
