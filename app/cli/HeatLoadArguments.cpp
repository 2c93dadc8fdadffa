#include "app/cli/HeatLoadArguments.h"

#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "core/VisibleText.h"
#include "pages/heatload/HeatLoadPageItems.h"
#include "units/UnitLabels.h"
#include "units/Units.h"

#include <optional>

namespace {

// An entry with its options; an entry without a value option is not typed into, one without a
// unit option has a single unit.
struct TEntryOption {
    THeatLoadEntry Entry;
    QString ValueOption;
    QString UnitOption;
    bool Required;
    int DefaultUnit;
};

const QList<TEntryOption>& EntryOptions() {
    static const QList<TEntryOption> options{
        {THeatLoadEntry::OilVolume, "--volume", "--volume-unit", true, 0},
        {THeatLoadEntry::Density, "--density", "--density-unit", false, 0},
        {THeatLoadEntry::HeatCapa, "--heat-capacity", "--heat-capacity-unit", false, 0},
        {THeatLoadEntry::StartTemp, "--start-temp", "--start-temp-unit", true, 0},
        {THeatLoadEntry::EndTemp, "--end-temp", "--end-temp-unit", true, 0},
        {THeatLoadEntry::TimeInterval, "--time", QString(), true, 0},
        {THeatLoadEntry::Result, QString(), "--result-unit", false, Ord(THeatDissi::kW)},
    };
    return options;
}

QStringList ValueOptions() {
    QStringList names{"--language"};
    for (const TEntryOption& option : EntryOptions()) {
        for (const QString& name : {option.ValueOption, option.UnitOption}) {
            if (!name.isEmpty())
                names << name;
        }
    }
    return names;
}

} // namespace

QString HeatLoadValueOption(THeatLoadEntry Entry) {
    for (const TEntryOption& option : EntryOptions()) {
        if (option.Entry == Entry)
            return option.ValueOption;
    }
    return {};
}

bool ParseHeatLoadArguments(const QStringList& Arguments, THeatLoadRequest& Request,
                            QString& Error) {
    QMap<QString, QString> values;
    if (!CollectOptions(Arguments, ValueOptions(), values, Request.Json, Error))
        return false;

    for (const TEntryOption& option : EntryOptions()) {
        if (values.contains(option.ValueOption))
            Request.Typed.insert(option.Entry, values.value(option.ValueOption));
        else if (option.Required) {
            Error = QStringLiteral("%1 is required.").arg(option.ValueOption);
            return false;
        }
        Request.UnitIndex.insert(option.Entry, option.DefaultUnit);
        if (!values.contains(option.UnitOption))
            continue;
        const QStringList& items = UnitListItems(option.Entry);
        // The result is a heat, and every command takes a heat unit in either page's spelling.
        const std::optional<int> unit =
            option.Entry == THeatLoadEntry::Result
                ? TypedHeatUnitIndex(values.value(option.UnitOption))
                : TypedUnitIndex(items, values.value(option.UnitOption));
        if (!unit) {
            Error = QStringLiteral("Unknown unit \"%1\" for %2: use one of %3.")
                        .arg(EchoedValue(values.value(option.UnitOption)), option.UnitOption,
                             Quoted(items));
            return false;
        }
        Request.UnitIndex.insert(option.Entry, *unit);
    }

    return ReadLanguageOption(values, Request.Language, Error);
}

QString HeatLoadUsage() {
    QString text = QStringLiteral(
        "Usage: aircooler-cli heatload --volume VALUE [--volume-unit UNIT] [--density VALUE]\n"
        "           [--density-unit UNIT] [--heat-capacity VALUE] [--heat-capacity-unit UNIT]\n"
        "           --start-temp VALUE [--start-temp-unit UNIT] --end-temp VALUE\n"
        "           [--end-temp-unit UNIT] --time MINUTES [--result-unit UNIT]\n"
        "           [--language LANGUAGE] [--json]\n"
        "\n"
        "Calculates the required cooling capacity from a measured temperature rise as the\n"
        "heat-load page does: the oil of a running system without a cooler, measured at two\n"
        "moments the given number of minutes apart. It prints the result and its unit exactly\n"
        "as the page shows them.\n"
        "\n"
        "  --volume         oil volume of the system\n"
        "  --density        oil density (default 0,89 kg/dm³)\n"
        "  --heat-capacity  specific heat of the oil (default 2,08 KJ/Kg°K)\n"
        "  --start-temp     oil temperature at the first reading\n"
        "  --end-temp       oil temperature at the second reading\n"
        "  --time           minutes between the readings\n"
        "  --language       language of captions and messages (default ENGLISH), one of\n"
        "                   %1\n"
        "  --json           print one JSON object: \"result\" and \"unit\" as shown, \"kW\" the\n"
        "                   calculated value as a number (all three only with a result), and\n"
        "                   \"messages\"\n"
        "\n"
        "Values are read like typed entries, with a point or a comma as decimal sign; a comma\n"
        "before exactly three digits may be a thousands separator and is refused (write 1500\n"
        "or 1.5, not 1,500). Units are the labels of the page's lists (\"°\" and superscripts\n"
        "may be typed plainly: m3, C):\n");
    text = text.arg(LanguageNames().mid(0, 7).join(", ") +
                    QStringLiteral(",\n                   ") + LanguageNames().mid(7).join(", "));
    for (const TEntryOption& option : EntryOptions()) {
        if (option.UnitOption.isEmpty())
            continue;
        const QStringList& items = UnitListItems(option.Entry);
        text +=
            QStringLiteral("  %1 %2 (default \"%3\")\n")
                .arg(option.UnitOption.leftJustified(20), Quoted(items), items[option.DefaultUnit]);
    }
    text += QStringLiteral(
        "\n"
        "Messages go to the standard error (in the JSON object with --json). The user's\n"
        "settings are neither read nor written.\n"
        "\n"
        "Example: aircooler-cli heatload --volume 200 --start-temp 20 --end-temp 50 --time 30\n"
        "\n");
    return text + ExitStatusHelp();
}
