#include "pages/service/TempDevController.h"

#include "core/MessageService.h"
#include "units/NumericText.h"

#include <QRegularExpression>

#include <optional>

namespace {

constexpr int IntegerPrecision = 10; // every 32-bit integer in full

std::optional<int> IntegerOf(const QString& text) {
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

int32_t& MarginOf(TServiceMargins& margins, TMarginEntry entry) {
    return entry == TMarginEntry::AirOutOilOut ? margins.OutputOilAirDev : margins.OilMaxOilDev;
}

QString& AcceptedOf(std::array<QString, 2>& accepted, TMarginEntry entry) {
    return accepted[static_cast<std::size_t>(entry)];
}

} // namespace

TTempDevController::TTempDevController(TTempDevView& View, TMessageService& Messages)
    : View(View), Messages(Messages) {}

void TTempDevController::FormShow(const TServiceMargins& Current) {
    Edited = Current;
    View.SetCaption(QStringLiteral("Temperature Deviations"));
    View.SetStaticText(TMarginText::TempDev,
                       QStringLiteral("Temperature in Celcius degrees. Integers only."));
    View.SetStaticText(TMarginText::AirOutOilOutDiff,
                       QStringLiteral("Minimum temperature deviation Air to Oil Out"));
    View.SetStaticText(
        TMarginText::OilMaxOilOutDiff,
        QStringLiteral("Maximum temperature deviation for Set Oil temperature vs. Calculated"));
    for (TMarginEntry entry : {TMarginEntry::AirOutOilOut, TMarginEntry::OilMaxOilOut})
        WriteEntry(entry, FormatFixed(MarginOf(Edited, entry), IntegerPrecision, 0));
    View.SetEntryFocus(TMarginEntry::AirOutOilOut);
}

void TTempDevController::WriteEntry(TMarginEntry Entry, const QString& Text) {
    View.SetEntryText(Entry, Text);
    EntryChange(Entry);
}

void TTempDevController::EntryChange(TMarginEntry Entry) {
    const QString text = View.EntryText(Entry);
    if (text.isEmpty()) {
        AcceptedOf(Accepted, Entry) = text;
        return;
    }
    const std::optional<int> value = IntegerOf(text);
    if (value && *value >= 0) {
        AcceptedOf(Accepted, Entry) = text;
        return;
    }
    const QString quoted = QLatin1Char('"') + text + QLatin1Char('"');
    Messages.Error(quoted + (value ? QStringLiteral(" is less than zero.")
                                   : QStringLiteral(" is not an integer.")));
    View.SetEntryText(Entry, AcceptedOf(Accepted, Entry));
    View.SelectEntryText(Entry);
}

void TTempDevController::btDefaultValuesClick() {
    const TServiceMargins defaults;
    WriteEntry(TMarginEntry::AirOutOilOut,
               FormatFixed(defaults.OutputOilAirDev, IntegerPrecision, 0));
    WriteEntry(TMarginEntry::OilMaxOilOut, FormatFixed(defaults.OilMaxOilDev, IntegerPrecision, 0));
}

void TTempDevController::OKBtnClick() {
    for (TMarginEntry entry : {TMarginEntry::AirOutOilOut, TMarginEntry::OilMaxOilOut}) {
        if (const std::optional<int> value = IntegerOf(View.EntryText(entry)))
            MarginOf(Edited, entry) = *value;
    }
}
