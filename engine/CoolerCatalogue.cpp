#include "engine/CoolerCatalogue.h"

#include "core/ProfileFile.h"
#include "core/VisibleText.h"
#include "engine/DataValue.h"
#include "units/NumericText.h"

#include <algorithm>
#include <cmath>

const std::array<QString, 18> Catalogue::CoolerKeyTable = {
    QStringLiteral("CoeffA"),     QStringLiteral("CoeffB"),    QStringLiteral("CoeffC"),
    QStringLiteral("CoeffD"),     QStringLiteral("CoeffE"),    QStringLiteral("MinFlow"),
    QStringLiteral("MaxFlow"),    QStringLiteral("CoeffF"),    QStringLiteral("CoeffG"),
    QStringLiteral("CoeffH"),     QStringLiteral("AirFlow"),   QStringLiteral("MotorPower"),
    QStringLiteral("NoiseLevel"), QStringLiteral("FanDia"),    QStringLiteral("CoolArea"),
    QStringLiteral("Weight"),     QStringLiteral("OilVolume"), QStringLiteral("IP")};

// What a real model's values can be: the extremes of the shipped catalogue (all four series;
// both editions read the same files) widened five times each way. A value outside is a damaged
// or mistyped file. The physical figures keep to ShippedRangeWidened; the polynomial
// coefficients to ShippedCoefficientRange, which keeps their sign and lets a term be left out;
// CheckRecord then judges the curves they give together.
//
//   key         unit                   shipped min … max              accepted, rounded
//   CoeffA      kW/K per (l/min)^3     1.4511379e-8 … 4.2375662e-7     0 … 2.12e-6
//   CoeffB      kW/K per (l/min)^2     -8.5738432e-5 … -2.6630328e-5   -4.29e-4 … 0
//   CoeffC      kW/K per l/min         0.0011298586 … 0.027840069      0 … 0.139
//   CoeffD      kW/K                   0.01024066 … 0.48982817         0 … 2.45
//   CoeffE      bar per (l/min)^0.25   0.0082838009 … 0.029080457      0 … 0.145
//   MinFlow     l/min                  5 … 250                         1 … 1250
//   MaxFlow     l/min                  20 … 600                        4 … 3000
//   CoeffF      bar per (l/min)^0.5    0.0066950192 … 0.055005196      0 … 0.275
//   CoeffG      bar per l/min          0.0010249613 … 0.046123259      0 … 0.231
//   CoeffH      bar                    0 … 0                           -1.2 … 1.2
//   AirFlow     m3/s                   0.212 … 13.6                    0.0424 … 68
//   MotorPower  kW                     0.04 … 13.2                     0.008 … 66
//   NoiseLevel  dB(A)                  60 … 91                         30 … 121
//   FanDia      mm                     190 … 1120                      38 … 5600
//   CoolArea    m2                     0.047 … 1.631                   0.0094 … 8.16
//   Weight      kg                     8 … 303                         1.6 … 1515
//   OilVolume   litres                 0.29 … 23.08                    0.058 … 115
//   IP          protection class       0 … 55                          0 … 69
//
// Three keys have ranges of their own. CoeffH, the constant of the pressure drop, is 0
// throughout: it may move the drop either way by no more than the largest drop a shipped model
// has at its largest flow (1.2 bar). A noise level is a logarithm: 30 dB either way, a
// thousandfold in sound power. The protection class is two digits, the first at most 6; 0
// stands for a model without an electric motor. The flows include the cooling systems, whose
// equal MinFlow and MaxFlow are their pump's flow.
const std::array<TValueRange, 18> Catalogue::CoolerKeyRanges = {{
    ShippedCoefficientRange(1.4511379e-8, 4.2375662e-7),   // CoeffA
    ShippedCoefficientRange(-8.5738432e-5, -2.6630328e-5), // CoeffB
    ShippedCoefficientRange(0.0011298586, 0.027840069),    // CoeffC
    ShippedCoefficientRange(0.01024066, 0.48982817),       // CoeffD
    ShippedCoefficientRange(0.0082838009, 0.029080457),    // CoeffE
    ShippedRangeWidened(5, 250),                           // MinFlow
    ShippedRangeWidened(20, 600),                          // MaxFlow
    ShippedCoefficientRange(0.0066950192, 0.055005196),    // CoeffF
    ShippedCoefficientRange(0.0010249613, 0.046123259),    // CoeffG
    {-1.2, 1.2},                                           // CoeffH
    ShippedRangeWidened(0.212, 13.6),                      // AirFlow
    ShippedRangeWidened(0.04, 13.2),                       // MotorPower
    {60 - 30, 91 + 30},                                    // NoiseLevel
    ShippedRangeWidened(190, 1120),                        // FanDia
    ShippedRangeWidened(0.047, 1.631),                     // CoolArea
    ShippedRangeWidened(8, 303),                           // Weight
    ShippedRangeWidened(0.29, 23.08),                      // OilVolume
    {0, 69},                                               // IP
}};

namespace {

using namespace Catalogue;

// The value as the file holds it, quoted.
QString Value(const QList<TProfileEntry>& Entries, Key Which) {
    return QLatin1Char('\'') +
           WithVisibleControlCharacters(TProfileFile::ValueOf(Entries, CoolerKeyTable[Which])) +
           QLatin1Char('\'');
}

// The catalogue's conductance, which the program's factors for oil grade, altitude and outlet
// air (all positive) turn into the specific heat dissipation, at `Flow` l/min.
double Conductance(const TTableValue& Record, double Flow) {
    return ((Record[CoeffA] * Flow + Record[CoeffB]) * Flow + Record[CoeffC]) * Flow +
           Record[CoeffD];
}

// The flow from MinFlow to MaxFlow at which the cubic conductance is lowest: one of the two
// ends or a turning point between them.
double FlowOfLeastConductance(const TTableValue& Record) {
    const double low = Record[MinFlow];
    const double high = Record[MaxFlow];
    QList<double> flows{low, high};
    // The turning points, where the slope a q^2 + b q + c is zero.
    const double a = 3 * Record[CoeffA];
    const double b = 2 * Record[CoeffB];
    const double c = Record[CoeffC];
    QList<double> turns;
    if (a == 0) {
        if (b != 0)
            turns.append(-c / b);
    } else if (const double discriminant = b * b - 4 * a * c; discriminant >= 0) {
        turns = {(-b - std::sqrt(discriminant)) / (2 * a),
                 (-b + std::sqrt(discriminant)) / (2 * a)};
    }
    for (const double turn : turns) {
        if (turn > low && turn < high)
            flows.append(turn);
    }
    return *std::min_element(flows.cbegin(), flows.cend(), [&](double x, double y) {
        return Conductance(Record, x) < Conductance(Record, y);
    });
}

// The flow part of the pressure drop in bar at `Flow` l/min, before the viscosity correction.
double PressureDropFunction(const TTableValue& Record, double Flow) {
    return Record[CoeffE] * std::pow(Flow, 0.25) + Record[CoeffF] * std::sqrt(Flow) +
           Record[CoeffG] * Flow + Record[CoeffH];
}

// Values that each passed their range but together describe no cooler: a flow range that is
// empty, a dissipation that is not positive or a pressure drop below zero where the model may
// run. Equal flow limits are valid: a cooling system runs at its pump's one flow.
void CheckRecord(const TTableValue& Record, const QList<TProfileEntry>& Entries,
                 const TDataPlace& Where) {
    if (Record[MinFlow] > Record[MaxFlow])
        throw EDataRecordError(QStringLiteral("MinFlow %1 is above MaxFlow %2")
                                   .arg(Value(Entries, MinFlow), Value(Entries, MaxFlow)),
                               Where);
    const double leastFlow = FlowOfLeastConductance(Record);
    const double least = Conductance(Record, leastFlow);
    if (!(least > 0))
        throw EDataRecordError(
            QStringLiteral("CoeffA to CoeffD give a specific heat dissipation of %1 kW/K at %2 "
                           "l/min; it must be positive from MinFlow to MaxFlow")
                .arg(FormatFixed(least, 8, 3), FormatFixed(leastFlow, 6, 1)),
            Where);
    // CoeffE to CoeffG are not negative by their ranges, so the drop is lowest at MinFlow.
    const double drop = PressureDropFunction(Record, Record[MinFlow]);
    if (drop < 0)
        throw EDataRecordError(
            QStringLiteral("CoeffE to CoeffH give a pressure drop of %1 bar at %2 l/min; it "
                           "must not be negative from MinFlow to MaxFlow")
                .arg(FormatFixed(drop, 8, 3), FormatFixed(Record[MinFlow], 6, 1)),
            Where);
}

} // namespace

ModelRecord ReadModelRecord(const QString& Section, const QString& Directory,
                            const QString& FileName) {
    return ModelRecordIn(TProfileFile::ReadSections(Directory + FileName), Section, FileName);
}

ModelRecord ModelRecordIn(const QList<TProfileSection>& Sections, const QString& Section,
                          const QString& FileName) {
    const QString section = Section.left(Catalogue::MaxNameLength);
    ModelRecord record{};
    const QList<TProfileEntry> entries = TProfileFile::SectionEntries(Sections, section);
    for (std::size_t i = 0; i < Catalogue::CoolerKeyTable.size(); ++i)
        record[i] = ReadDataValue(entries, {FileName, section, Catalogue::CoolerKeyTable[i]},
                                  Catalogue::CoolerKeyRanges[i]);
    CheckRecord(record, entries, {FileName, section, QString()});
    return record;
}
