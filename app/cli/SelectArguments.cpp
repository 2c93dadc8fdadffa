#include "app/cli/SelectArguments.h"

#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "app/cli/Quantities.h"
#include "core/VisibleText.h"
#include "pages/selection/SelectionPageItems.h"

#include <optional>

namespace {

// An entry with its options: the value, the unit and the name of its unit quantity.
struct TEntryOption {
    TSelectionEntry Entry;
    QString ValueOption;
    QString UnitOption;
    const TQuantity* Quantity; // of the unit option's labels
    int DefaultUnit;
};

const QList<TEntryOption>& EntryOptions() {
    static const QList<TEntryOption> options{
        {TSelectionEntry::OilFlow, QStringLiteral("--flow"), QStringLiteral("--flow-unit"),
         FindQuantity(QStringLiteral("flow")), 1},
        {TSelectionEntry::MaxTemp, QStringLiteral("--max-oil-temp"),
         QStringLiteral("--oil-temp-unit"), FindQuantity(QStringLiteral("temperature")), 0},
        {TSelectionEntry::AirTemp, QStringLiteral("--air-temp"), QStringLiteral("--air-temp-unit"),
         FindQuantity(QStringLiteral("temperature")), 0},
        {TSelectionEntry::Altitude, QStringLiteral("--altitude"), QStringLiteral("--altitude-unit"),
         FindQuantity(QStringLiteral("length")), 0},
        {TSelectionEntry::HeatDiss, QStringLiteral("--heat"), QStringLiteral("--heat-unit"),
         FindQuantity(QStringLiteral("heat")), 1},
    };
    return options;
}

const QStringList SeriesNames{QStringLiteral("VAM"), QStringLiteral("VDM"), QStringLiteral("VHM"),
                              QStringLiteral("VCS")};
const QString SeriesOption = QStringLiteral("--series");
const QString OilOption = QStringLiteral("--oil");
const QString ModelOption = QStringLiteral("--model");
const QStringList OtherValueOptions{SeriesOption, OilOption, ModelOption,
                                    QStringLiteral("--language")};

// Grades may be written with underscores or in any letter case: "iso_vg_46".
std::optional<int> OilGradeIndex(QString grade) {
    grade = grade.replace(QLatin1Char('_'), QLatin1Char(' ')).simplified();
    for (int i = 0; i < OilGradeItems().size(); ++i) {
        if (OilGradeItems()[i].compare(grade, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

} // namespace

QString EntryValueOption(TSelectionEntry Entry) {
    for (const TEntryOption& option : EntryOptions()) {
        if (option.Entry == Entry)
            return option.ValueOption;
    }
    return {};
}

QStringList SelectValueOptions() {
    QStringList options = OtherValueOptions;
    for (const TEntryOption& option : EntryOptions())
        options << option.ValueOption << option.UnitOption;
    return options;
}

bool ParseSelectArguments(const QStringList& Arguments, TSelectRequest& Request, QString& Error,
                          TMoreOptions* More) {
    QStringList valueOptions = SelectValueOptions();
    if (More)
        valueOptions << More->Names;
    QMap<QString, QString> values;
    if (!CollectOptions(Arguments, valueOptions, values, Request.Json, Error))
        return false;
    if (More) {
        for (const QString& name : More->Names) {
            if (values.contains(name))
                More->Values.insert(name, values.take(name));
        }
    }
    return ReadSelectOptions(values, Request, Error);
}

bool ReadSelectOptions(const QMap<QString, QString>& values, TSelectRequest& Request,
                       QString& Error) {
    const qsizetype series = SeriesNames.indexOf(values.value(SeriesOption).toUpper());
    if (series < 0) {
        Error = values.contains(SeriesOption)
                    ? QStringLiteral("Unknown series \"%1\": use VAM, VDM, VHM or VCS.")
                          .arg(EchoedValue(values.value(SeriesOption)))
                    : QStringLiteral("--series is required: VAM, VDM, VHM or VCS.");
        return false;
    }
    Request.Series = static_cast<TCoolerType>(series);

    const std::optional<int> grade = OilGradeIndex(values.value(OilOption));
    if (!grade) {
        Error = QStringLiteral("%1 oil grade: use one of %2.")
                    .arg(values.contains(OilOption) ? QStringLiteral("Unknown \"%1\" as")
                                                          .arg(EchoedValue(values.value(OilOption)))
                                                    : QStringLiteral("--oil needs an"),
                         Quoted(OilGradeItems()));
        return false;
    }
    Request.OilGrade = *grade;

    for (const TEntryOption& option : EntryOptions()) {
        // A cooling system runs at its pump's flow, which the program fills in.
        const bool optional =
            option.Entry == TSelectionEntry::OilFlow && Request.Series == VCS_Cooler;
        if (const auto typed = values.constFind(option.ValueOption); typed != values.cend())
            Request.Typed.insert(option.Entry, *typed);
        else if (!optional) {
            Error = QStringLiteral("%1 is required.").arg(option.ValueOption);
            return false;
        }
        Request.UnitIndex.insert(option.Entry, option.DefaultUnit);
        const auto label = values.constFind(option.UnitOption);
        if (label == values.cend())
            continue;
        const std::optional<int> unit = option.Quantity->UnitIndex(*label);
        if (!unit) {
            Error =
                QStringLiteral("Unknown unit \"%1\" for %2: use one of %3.")
                    .arg(EchoedValue(*label), option.UnitOption, Quoted(UnitItems(option.Entry)));
            return false;
        }
        Request.UnitIndex.insert(option.Entry, *unit);
    }

    Request.Model = values.value(ModelOption);
    // A cooling system is chosen by what it does at its own pump's flow; only a given model can
    // be calculated at another flow.
    if (Request.Series == VCS_Cooler && Request.Model.isEmpty() && values.contains("--flow")) {
        Error = QStringLiteral("--flow cannot be given for VCS without --model: each cooling "
                               "system runs at the flow of its own pump.");
        return false;
    }
    return ReadLanguageOption(values, Request.Language, Error);
}

QString SelectUsage() {
    QString text = QStringLiteral(
        "Usage: aircooler-cli select --series VAM|VDM|VHM|VCS --oil GRADE\n"
        "           --flow VALUE [--flow-unit UNIT] --max-oil-temp VALUE [--oil-temp-unit UNIT]\n"
        "           --air-temp VALUE [--air-temp-unit UNIT] --altitude VALUE [--altitude-unit "
        "UNIT]\n"
        "           --heat VALUE [--heat-unit UNIT] [--model NAME] [--language LANGUAGE] [--json]\n"
        "\n"
        "Sizes a cooler as the selection page does. Without --model it chooses the smallest\n"
        "cooler of the series that removes the required cooling (\"Calculate New Cooler\") and\n"
        "lists it with its neighbours; with --model it calculates that model (\"Calculate\n"
        "Selected Cooler\"). It prints the candidates and the calculated data exactly as the\n"
        "window shows them; a candidate marked * cannot remove the cooling required below\n"
        "the max. inlet oil temperature, and a result marked ! (with --json: listed in\n"
        "\"highlighted\") is one the window shows in red because the cooler falls short of\n"
        "the operating point there.\n"
        "\n"
        "  --series      VAM (A.C. motor), VDM (D.C. motor), VHM (hydraulic motor) or VCS\n"
        "                (cooling system with its own pump)\n"
        "  --oil         the oil grade, one of\n"
        "                %1\n"
        "  --flow        oil flow; for VCS only with --model, since each system runs at its\n"
        "                own pump's flow, which is filled in when --flow is left out\n"
        "  --max-oil-temp  maximum inlet oil temperature\n"
        "  --air-temp    maximum ambient air temperature\n"
        "  --altitude    altitude of the site\n"
        "  --heat        cooling required\n"
        "  --model       a model of the series, as the model list names it in any language\n"
        "                (\"KVAM 300-B\", \"KVHM 500-1500 rpm\") or by its catalogue section\n"
        "                (\"VAM_300_4_B\"); the results name it in --language\n"
        "  --language    language of captions and messages (default ENGLISH), one of\n"
        "                %2\n"
        "  --json        print one JSON object with \"model\" (the model the results belong to),\n"
        "                \"pumpFlow\" (VCS only), \"candidates\", \"results\" and \"messages\";\n"
        "                \"values\" gives the results as numbers ({\"value\", \"unit\"}, in the\n"
        "                unit the text shows) and \"verdict\" how the model meets the point:\n"
        "                \"fits\", \"removesTooLittle\" or \"inletAboveMaximum\"; each candidate\n"
        "                has its \"values\" and \"verdict\" too\n"
        "\n"
        "Values are read like typed entries, with a point or a comma as decimal sign; a comma\n"
        "before exactly three digits may be a thousands separator and is refused (write 68200\n"
        "or 68.2, not 68,200). Units are the labels of the page's lists (\"°\" and superscripts\n"
        "may be typed plainly: C, m3/h):\n");
    text = text.arg(Quoted(OilGradeItems().mid(0, 5)) + QStringLiteral(",\n                ") +
                        Quoted(OilGradeItems().mid(5)),
                    LanguageNames().mid(0, 7).join(", ") + QStringLiteral(",\n                ") +
                        LanguageNames().mid(7).join(", "));
    for (const TEntryOption& option : EntryOptions()) {
        text += QStringLiteral("  %1 %2 (default \"%3\")\n")
                    .arg(option.UnitOption.leftJustified(16), Quoted(UnitItems(option.Entry)),
                         UnitItems(option.Entry)[option.DefaultUnit]);
    }
    text += QStringLiteral(
        "\n"
        "Messages go to the standard error (in the JSON object with --json). The user's\n"
        "settings are neither read nor written.\n"
        "\n"
        "Example: aircooler-cli select --series VAM --oil \"ISO VG 46\" --flow 100 "
        "--max-oil-temp 60\n"
        "             --air-temp 30 --altitude 0 --heat 20\n");
    return text;
}
