#include "units/UnitLabels.h"

#include "units/Units.h"

const QStringList& TempUnitLabels() {
    static const QStringList labels{"°C", "°F"};
    return labels;
}

QString TemperatureDifferenceUnitStr(int TempUnitIndex) {
    return TempUnitIndex == 1 ? TempUnitLabels()[1] : QStringLiteral("K");
}

const QStringList& FlowUnitLabels() {
    static const QStringList labels{"m³/h", "l/min", "kg/s", "ft³/h", "US gpm", "lb/h"};
    return labels;
}

const QStringList& HeatDissiUnitLabels() {
    static const QStringList labels{"W", "kW", "kcal/hr", "Btu/hr", "HP"};
    return labels;
}

const QStringList& HeatLoadUnitLabels() {
    static const QStringList labels{"W", "kW", "kcal/h", "BTU/h", "HP"};
    return labels;
}

const QStringList& HeatCapacityUnitLabels() {
    static const QStringList labels{"KJ/Kg°K", "Btu/lb°F"};
    return labels;
}

const QStringList& LengthUnitLabels() {
    static const QStringList labels{"m", "ft"};
    return labels;
}

const QStringList& VolumeUnitLabels() {
    static const QStringList labels{"liter", "m³", "quarts", "in³", "US gal"};
    return labels;
}

const QStringList& DensityUnitLabels() {
    static const QStringList labels{"kg/dm³", "lb/ft³", "lb/in³"};
    return labels;
}

const QStringList& WeightUnitLabels() {
    static const QStringList labels{"kg", "lb"};
    return labels;
}

const QStringList& TimeUnitLabels() {
    static const QStringList labels{"min"};
    return labels;
}

const std::array<QString, 5> HeatDissiUnitStr = {QStringLiteral("W"), QStringLiteral("kW"),
                                                 QStringLiteral("kcal_hr"),
                                                 QStringLiteral("BTU/hr"), QStringLiteral("HP")};
const std::array<QString, 3> PressureUnitStr = {QStringLiteral("bar"), QStringLiteral("kPa"),
                                                QStringLiteral("psi")};

QString SpecHeatUnitStr(int HeatUnitIndex) {
    switch (HeatUnitIndex) {
    case Ord(THeatDissi::BTU_hr):
        return QStringLiteral("BTU/hr/°F");
    case Ord(THeatDissi::HP):
        return QStringLiteral("HP/°F");
    default:
        return QStringLiteral("kW/°C");
    }
}

namespace {

// A unit label as it is compared: superscripts as plain digits, no degree sign, in lower case,
// so that "m3/h" and "M³/H" find the same label.
QString Normalised(QString label) {
    label.replace(QStringLiteral("³"), QStringLiteral("3"));
    label.replace(QStringLiteral("²"), QStringLiteral("2"));
    label.remove(QStringLiteral("°"));
    return label.toLower();
}

// Lower case ASCII, the characters Normalised keeps or maps to ASCII, or -1 for another
// character.
int NormalisedAscii(QChar c) {
    if (c.unicode() < 0x80)
        return c.toLower().unicode();
    if (c == u'³')
        return '3';
    if (c == u'²')
        return '2';
    return -1;
}

// Normalised(Typed) == Normalised(Label) without copying either where both hold only such
// characters, as every unit a batch row names does; other text is compared the long way.
bool SameUnit(QStringView Typed, QStringView Label) {
    qsizetype t = 0;
    qsizetype l = 0;
    while (true) {
        while (t < Typed.size() && Typed[t] == u'°')
            ++t;
        while (l < Label.size() && Label[l] == u'°')
            ++l;
        const bool typedEnds = t == Typed.size();
        if (typedEnds || l == Label.size())
            return typedEnds && l == Label.size();
        const int typed = NormalisedAscii(Typed[t++]);
        const int label = NormalisedAscii(Label[l++]);
        if (typed < 0 || label < 0)
            return Normalised(Typed.toString()) == Normalised(Label.toString());
        if (typed != label)
            return false;
    }
}

} // namespace

std::optional<int> TypedUnitIndex(const QStringList& Labels, const QString& Typed) {
    for (int i = 0; i < Labels.size(); ++i) {
        if (SameUnit(Typed, Labels[i]))
            return i;
    }
    return std::nullopt;
}

std::optional<int> TypedHeatUnitIndex(const QString& Typed) {
    if (const std::optional<int> index = TypedUnitIndex(HeatDissiUnitLabels(), Typed))
        return index;
    return TypedUnitIndex(HeatLoadUnitLabels(), Typed);
}
