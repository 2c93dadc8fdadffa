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

QString Normalised(QString label) {
    label.replace(QStringLiteral("³"), QStringLiteral("3"));
    label.replace(QStringLiteral("²"), QStringLiteral("2"));
    label.remove(QStringLiteral("°"));
    return label.toLower();
}

} // namespace

std::optional<int> TypedUnitIndex(const QStringList& Labels, const QString& Typed) {
    const QString wanted = Normalised(Typed);
    for (int i = 0; i < Labels.size(); ++i) {
        if (Normalised(Labels[i]) == wanted)
            return i;
    }
    return std::nullopt;
}

std::optional<int> TypedHeatUnitIndex(const QString& Typed) {
    if (const std::optional<int> index = TypedUnitIndex(HeatDissiUnitLabels(), Typed))
        return index;
    return TypedUnitIndex(HeatLoadUnitLabels(), Typed);
}
