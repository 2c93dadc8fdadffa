#include "units/UnitLabels.h"

#include "units/Units.h"

const QStringList& TempUnitLabels() {
    static const QStringList labels{QStringLiteral("°C"), QStringLiteral("°F")};
    return labels;
}

QString TemperatureDifferenceUnitStr(int TempUnitIndex) {
    return TempUnitIndex == 1 ? TempUnitLabels()[1] : QStringLiteral("K");
}

const QStringList& FlowUnitLabels() {
    static const QStringList labels{QStringLiteral("m³/h"),   QStringLiteral("l/min"),
                                    QStringLiteral("kg/s"),   QStringLiteral("ft³/h"),
                                    QStringLiteral("US gpm"), QStringLiteral("lb/h")};
    return labels;
}

const QStringList& HeatDissiUnitLabels() {
    static const QStringList labels{QStringLiteral("W"), QStringLiteral("kW"),
                                    QStringLiteral("kcal/hr"), QStringLiteral("Btu/hr"),
                                    QStringLiteral("HP")};
    return labels;
}

const QStringList& HeatLoadUnitLabels() {
    static const QStringList labels{QStringLiteral("W"), QStringLiteral("kW"),
                                    QStringLiteral("kcal/h"), QStringLiteral("BTU/h"),
                                    QStringLiteral("HP")};
    return labels;
}

const QStringList& HeatCapacityUnitLabels() {
    static const QStringList labels{QStringLiteral("KJ/Kg°K"), QStringLiteral("Btu/lb°F")};
    return labels;
}

const QStringList& LengthUnitLabels() {
    static const QStringList labels{QStringLiteral("m"), QStringLiteral("ft")};
    return labels;
}

const QStringList& VolumeUnitLabels() {
    static const QStringList labels{QStringLiteral("liter"), QStringLiteral("m³"),
                                    QStringLiteral("quarts"), QStringLiteral("in³"),
                                    QStringLiteral("US gal")};
    return labels;
}

const QStringList& DensityUnitLabels() {
    static const QStringList labels{QStringLiteral("kg/dm³"), QStringLiteral("lb/ft³"),
                                    QStringLiteral("lb/in³")};
    return labels;
}

const QStringList& WeightUnitLabels() {
    static const QStringList labels{QStringLiteral("kg"), QStringLiteral("lb")};
    return labels;
}

const QStringList& TimeUnitLabels() {
    static const QStringList labels{QStringLiteral("min")};
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
