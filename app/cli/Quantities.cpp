#include "app/cli/Quantities.h"

#include "units/UnitLabels.h"

std::optional<int> TQuantity::UnitIndex(const QString& label) const {
    if (Name == QStringLiteral("heat"))
        return TypedHeatUnitIndex(label);
    return TypedUnitIndex(Labels, label);
}

const QList<TQuantity>& Quantities() {
    static const QList<TQuantity> quantities = {
        {"temperature", TempUnitLabels(), &TUnitConv::TempToC, &TUnitConv::TempFromC},
        {"flow", FlowUnitLabels(), &TUnitConv::FlowToLiterPerMin, &TUnitConv::FlowFromLiterPerMin},
        {"heat", HeatDissiUnitLabels(), &TUnitConv::HeatDissiTokW, &TUnitConv::HeatDissiFromkW},
        {"capacity", HeatCapacityUnitLabels(), &TUnitConv::CapacitivityHeatToKJKgK,
         &TUnitConv::CapacitivityHeatFromKJKgK},
        {"length", LengthUnitLabels(), &TUnitConv::LengthTom, &TUnitConv::LengthFromm},
        {"volume", VolumeUnitLabels(), &TUnitConv::VolumeToliter, &TUnitConv::VolumeFromliter},
        {"density", DensityUnitLabels(), &TUnitConv::DensityTokg_dm3,
         &TUnitConv::DensityFromkg_dm3},
        {"weight", WeightUnitLabels(), &TUnitConv::WeightToKilo, &TUnitConv::WeightFromKilo},
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
