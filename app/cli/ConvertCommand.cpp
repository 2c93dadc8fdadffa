#include "app/cli/ConvertCommand.h"

#include "app/cli/CommandLine.h"
#include "app/cli/ExitStatus.h"
#include "app/cli/Quantities.h"
#include "core/VisibleText.h"
#include "pages/selection/SelectionTextKeys.h"
#include "texts/Language.h"
#include "units/NumericText.h"

#include <cmath>

QString ConvertUsage() {
    QString text = QStringLiteral(
        "Usage: aircooler-cli convert QUANTITY VALUE FROM TO\n"
        "\n"
        "Converts VALUE from the unit FROM to the unit TO. VALUE is read like a typed entry\n"
        "(a point or a comma as decimal sign; a comma before exactly three digits may be a\n"
        "thousands separator and is refused: write 68200 or 68.2, not 68,200); the result is\n"
        "written with the decimals the program shows for that unit, followed by the unit label.\n"
        "\n"
        "Quantities and their units (\"°\" and superscripts may be typed plainly: C, m3/h):\n");
    for (const TQuantity& quantity : Quantities())
        text += QStringLiteral("  %1: \"%2\"\n").arg(quantity.Name, quantity.Labels.join("\", \""));
    text += QStringLiteral("\nExample: aircooler-cli convert flow 10 \"US gpm\" \"l/min\"\n\n");
    return text + ExitStatusHelp();
}

namespace {

// VALUE, the second argument, is always a value: "-h" there is a number that cannot be read.
bool AsksForHelp(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i != 1 && IsHelpOption(arguments[i]))
            return true;
    }
    return false;
}

QStringList QuantityNames() {
    QStringList names;
    for (const TQuantity& quantity : Quantities())
        names.append(quantity.Name);
    return names;
}

} // namespace

int RunConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (AsksForHelp(arguments)) {
        out << ConvertUsage();
        return 0;
    }
    if (arguments.size() != 4) {
        err << ConvertUsage();
        return 2;
    }
    const TQuantity* quantity = FindQuantity(arguments[0]);
    if (!quantity) {
        err << QStringLiteral("Unknown quantity \"%1\". Valid quantities: %2.\n")
                   .arg(EchoedValue(arguments[0]), QuantityNames().join(", "));
        return 2;
    }
    const std::optional<int> from = quantity->UnitIndex(arguments[2]);
    const std::optional<int> to = quantity->UnitIndex(arguments[3]);
    for (const auto& [unit, label] : {std::pair{from, arguments[2]}, std::pair{to, arguments[3]}}) {
        if (!unit) {
            err << QStringLiteral("Unknown %1 unit \"%2\". Valid units: \"%3\".\n")
                       .arg(quantity->Name, EchoedValue(label), quantity->Labels.join("\", \""));
            return 2;
        }
    }

    // The command speaks English, the wording of a number's two readings included.
    TLanguage english;
    english.SetLanguageType(ENGLISH);
    english.NewPageText(MainGroup);
    TRecordingMessages messages;
    const TUnitConv conv(messages, english.GetTxt(SelectionTextKey::ThousandsReadings));
    float value = 0;
    if (!conv.StringToFloat(value, arguments[1], quantity->Name)) {
        err << messages.Texts().join('\n') << '\n';
        return 2;
    }
    int decimals = 0;
    const float base = quantity->ToBase(decimals, value, *from);
    const float result = quantity->FromBase(decimals, base, *to);
    const QString given = EchoedValue(arguments[1]) + QLatin1Char(' ') + quantity->Labels[*from];
    if (!std::isfinite(base) || !std::isfinite(result)) {
        err << QStringLiteral("%1: %2 is too large to be written in %3.\n")
                   .arg(quantity->Name, given, quantity->Labels[*to]);
        return 2;
    }
    if (quantity->IsTemperature() && base < AbsoluteZero) {
        err << QStringLiteral("%1: %2 is below absolute zero (%3 °C).\n")
                   .arg(quantity->Name, given, FormatFixed(AbsoluteZero, 8, 2));
        return 2;
    }
    out << FormatFixed(result, 8, decimals) << ' ' << quantity->Labels[*to] << '\n';
    return 0;
}
