#include "UnitLabels.h"

namespace {

QString Normalised(QString label) {
    label.replace(QStringLiteral("³"), QStringLiteral("3"));
    label.replace(QStringLiteral("²"), QStringLiteral("2"));
    label.remove(QStringLiteral("°"));
    return label.toLower();
}

// The heat-load page spells three heat units differently from the selection page.
const QStringList HeatLoadPageHeatLabels = {"W", "kW", "kcal/h", "BTU/h", "HP"};

} // namespace

std::optional<int> TQuantity::UnitIndex(const QString& label) const {
    const QString wanted = Normalised(label);
    for (int i = 0; i < Labels.size(); ++i) {
        if (Normalised(Labels[i]) == wanted)
            return i;
    }
    if (Name == QStringLiteral("heat")) {
        for (int i = 0; i < HeatLoadPageHeatLabels.size(); ++i) {
            if (Normalised(HeatLoadPageHeatLabels[i]) == wanted)
                return i;
        }
    }
    return std::nullopt;
}

const QList<TQuantity>& Quantities() {
    static const QList<TQuantity> quantities = {
        {"temperature", {"°C", "°F"}, &TUnitConv::TempToC, &TUnitConv::TempFromC},
        {"flow",
         {"m³/h", "l/min", "kg/s", "ft³/h", "US gpm", "lb/h"},
         &TUnitConv::FlowToLiterPerMin,
         &TUnitConv::FlowFromLiterPerMin},
        {"heat",
         {"W", "kW", "kcal/hr", "Btu/hr", "HP"},
         &TUnitConv::HeatDissiTokW,
         &TUnitConv::HeatDissiFromkW},
        {"capacity",
         {"KJ/Kg°K", "Btu/lb°F"},
         &TUnitConv::CapacitivityHeatToKJKgK,
         &TUnitConv::CapacitivityHeatFromKJKgK},
        {"length", {"m", "ft"}, &TUnitConv::LengthTom, &TUnitConv::LengthFromm},
        {"volume",
         {"liter", "m³", "quarts", "in³", "US gal"},
         &TUnitConv::VolumeToliter,
         &TUnitConv::VolumeFromliter},
        {"density",
         {"kg/dm³", "lb/ft³", "lb/in³"},
         &TUnitConv::DensityTokg_dm3,
         &TUnitConv::DensityFromkg_dm3},
        {"weight", {"kg", "lb"}, &TUnitConv::WeightToKilo, &TUnitConv::WeightFromKilo},
    };
    return quantities;
}

const TQuantity* FindQuantity(const QString& name) {
    for (const TQuantity& quantity : Quantities()) {
        if (quantity.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &quantity;
    }
    return nullptr;
}
