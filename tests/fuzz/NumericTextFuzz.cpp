// The numeric reader: a typed text through StringToFloat and every unit conversion after it,
// written back by the one number writer, and the same text read as a data-file value.
#include "FuzzCheck.h"

#include "core/CodePoints.h"
#include "core/ConvertError.h"
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "units/NumericText.h"
#include "units/UnitConv.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

using Conversion = float (*)(int&, float, int);

struct TConversionPair {
    Conversion ToBase;
    Conversion FromBase;
};

constexpr TConversionPair Pairs[] = {
    {&TUnitConv::TempToC, &TUnitConv::TempFromC},
    {&TUnitConv::FlowToLiterPerMin, &TUnitConv::FlowFromLiterPerMin},
    {&TUnitConv::HeatDissiTokW, &TUnitConv::HeatDissiFromkW},
    {&TUnitConv::CapacitivityHeatToKJKgK, &TUnitConv::CapacitivityHeatFromKJKgK},
    {&TUnitConv::LengthTom, &TUnitConv::LengthFromm},
    {&TUnitConv::VolumeToliter, &TUnitConv::VolumeFromliter},
    {&TUnitConv::DensityTokg_dm3, &TUnitConv::DensityFromkg_dm3},
    {&TUnitConv::WeightToKilo, &TUnitConv::WeightFromKilo},
};

// Every written finite number reads back, whatever its size, precision or decimals.
void CheckWritten(double value, int decimals) {
    if (!std::isfinite(value))
        return;
    for (int precision : {8, 10, 12}) {
        const QString text = FormatFixed(value, precision, decimals);
        Require(ShowsOnlyNumbers(text), "a finite number is written as a number", text);
        Require(ParseRegionalNumber(text).has_value(), "a written number reads back", text);
    }
}

void ReadTyped(const QString& typed) {
    TRecordingMessages messages;
    const TUnitConv conv(messages);
    float value = 0;
    const bool read = conv.StringToFloat(value, typed, QStringLiteral("Oil flow"));
    Require(read == messages.Shown.isEmpty(), "an unreadable entry gets one message");
    if (!read) {
        const QString message = messages.Shown.first().Text;
        // The box holds 255 characters, an emoji or any other character beyond the first
        // 65,536 counted once; a cut never leaves half of one.
        Require(message.startsWith(QStringLiteral("Oil flow: ")) && CodePointCount(message) <= 255,
                "the message names the entry and fits its box", message);
        Require(QString::fromUtf8(message.toUtf8()) == message,
                "the message holds no half of a character", message);
        Require(ShowsNoControlCharacter(message), "the message shows no control character",
                message);
        return;
    }
    Require(std::isfinite(value), "a read entry is finite", typed);
    Require(TUnitConv::GetNoOfDeciFromString(typed) >= 0, "typed decimals are counted");

    for (const TConversionPair& pair : Pairs) {
        // -1 is a list with nothing picked; 6 lies beyond every list.
        for (int unit = -1; unit <= 6; ++unit) {
            int decimals = 0;
            const float base = pair.ToBase(decimals, value, unit);
            Require(decimals >= 0 && decimals <= 5, "decimals of a conversion");
            CheckWritten(base, decimals);
            const float shown = pair.FromBase(decimals, base, unit);
            Require(decimals >= 0 && decimals <= 5, "decimals of a conversion");
            CheckWritten(shown, decimals);
        }
    }
}

void ReadAsDataValue(const QString& text) {
    try {
        Require(std::isfinite(DataValueToFloat(text)), "a data value is finite", text);
    } catch (const EConvertError& error) {
        Require(ShowsNoControlCharacter(error.Message()),
                "the conversion error shows no control character", error.Message());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
        const TScopedRegionalSettings regional(separator);
        ReadTyped(text);
        ReadAsDataValue(text);
    }
    return 0;
}
