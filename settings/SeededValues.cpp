#include "settings/SeededValues.h"

const QList<TSeededKey>& SeededKeys() {
    constexpr TSeededType Text = TSeededType::Text;
    constexpr TSeededType Integer = TSeededType::Integer;
    static const QList<TSeededKey> keys = {
        {QStringLiteral("\\FilePath"), {{QStringLiteral("FilePath"), Text}}},
        {QStringLiteral("\\MainData"),
         {{QStringLiteral("InstallTime"), Text}, {QStringLiteral("Version"), Text}}},
        {QStringLiteral("\\Page1"),
         {{QStringLiteral("AirTempCombo"), Integer},
          {QStringLiteral("AirTempData"), Text},
          {QStringLiteral("AltitudeCombo"), Integer},
          {QStringLiteral("AltitudeData"), Text},
          {QStringLiteral("CoolerType"), Integer},
          {QStringLiteral("CoolerTypeCombo"), Integer},
          {QStringLiteral("HeatDissCombo"), Integer},
          {QStringLiteral("HeatDissData"), Text},
          {QStringLiteral("MaxTempCombo"), Integer},
          {QStringLiteral("MaxTempData"), Text},
          {QStringLiteral("OilflowCombo"), Integer},
          {QStringLiteral("OilflowData"), Text},
          {QStringLiteral("OilTypeCombo"), Integer}}},
        {QStringLiteral("\\Page2"),
         {{QStringLiteral("DensityCombo"), Integer},
          {QStringLiteral("DensityData"), Text},
          {QStringLiteral("EndTempCombo"), Integer},
          {QStringLiteral("EndTempData"), Text},
          {QStringLiteral("HeatCapCombo"), Integer},
          {QStringLiteral("HeatCapData"), Text},
          {QStringLiteral("OilVolumeCombo"), Integer},
          {QStringLiteral("OilVolumeData"), Text},
          {QStringLiteral("ResultlCombo"), Integer},
          {QStringLiteral("StartTempCombo"), Integer},
          {QStringLiteral("StartTempData"), Text},
          {QStringLiteral("TimeIntervalData"), Text}}},
        {QStringLiteral("\\Page3"),
         {{QStringLiteral("CoolerType"), Integer}, {QStringLiteral("CoolerTypeCombo"), Integer}}},
        {QStringLiteral("\\Page5"), {{QStringLiteral("Language"), Integer}}},
        {QStringLiteral("\\PrintPage"),
         {{QStringLiteral("LocalLaguage"), Integer},
          {QStringLiteral("OurRef"), Text},
          {QStringLiteral("YourRef"), Text}}},
    };
    return keys;
}
