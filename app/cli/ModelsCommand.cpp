#include "app/cli/ModelsCommand.h"

#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "core/DataFault.h"
#include "core/MessageService.h"
#include "core/VisibleText.h"
#include "engine/VerDep.h"
#include "pages/dimensions/DimensionsController.h"
#include "pages/dimensions/DimensionsTexts.h"
#include "pages/dimensions/HeadlessDimensionsView.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionTexts.h"
#include "settings/Edition.h"
#include "texts/Language.h"
#include "units/UnitLabels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QStringList SeriesNames{"VAM", "VDM", "VHM", "VCS"};
constexpr int DefaultEnergyUnit = 1; // kW

struct TModelsRequest {
    TCoolerType Series = AC_Cooler;
    int EnergyUnit = DefaultEnergyUnit;
    TLanguageType Language = ENGLISH;
    bool Json = false;
};

bool ParseModelsArguments(const QStringList& arguments, TModelsRequest& request, QString& error) {
    TCommandOptions options;
    if (!CollectOptions(arguments, {"--series", "--energy-unit", "--language"}, {"--json"}, options,
                        error))
        return false;
    request.Json = !options.FlagsGiven.isEmpty();
    const QString series = options.Values.value("--series");
    if (!SeriesNames.contains(series.toUpper())) {
        error = options.Values.contains("--series")
                    ? QStringLiteral("Unknown series \"%1\": use VAM, VDM, VHM or VCS.")
                          .arg(EchoedValue(series))
                    : QStringLiteral("--series is required: VAM, VDM, VHM or VCS.");
        return false;
    }
    request.Series = static_cast<TCoolerType>(SeriesNames.indexOf(series.toUpper()));
    if (options.Values.contains("--energy-unit")) {
        const std::optional<int> unit = TypedHeatUnitIndex(options.Values.value("--energy-unit"));
        if (!unit) {
            error = QStringLiteral("Unknown energy unit \"%1\": use one of %2.")
                        .arg(EchoedValue(options.Values.value("--energy-unit")),
                             HeatDissiUnitLabels().join(", "));
            return false;
        }
        request.EnergyUnit = *unit;
    }
    if (options.Values.contains("--language")) {
        const std::optional<TLanguageType> language =
            LanguageNamed(options.Values.value("--language"));
        if (!language) {
            error = QStringLiteral("Unknown language \"%1\": use one of %2.")
                        .arg(EchoedValue(options.Values.value("--language")),
                             LanguageNames().join(", "));
            return false;
        }
        request.Language = *language;
    }
    return true;
}

struct TListedModel {
    QString Name;
    QString Section;
    QStringList Lines;
    QString Drawing;
};

void PrintText(const QList<TListedModel>& models, const QString& keySheet, QTextStream& out) {
    for (const TListedModel& model : models) {
        out << model.Name << "  [" << model.Section << "]\n";
        for (const QString& line : model.Lines)
            out << "  " << line << '\n';
        out << "  " << model.Drawing << '\n';
    }
    out << keySheet << '\n';
}

void PrintJson(const QList<TListedModel>& models, const QString& keySheet, QTextStream& out) {
    QJsonArray list;
    for (const TListedModel& model : models) {
        list.append(QJsonObject{{"name", model.Name},
                                {"section", model.Section},
                                {"lines", QJsonArray::fromStringList(model.Lines)},
                                {"drawing", model.Drawing}});
    }
    const QJsonObject document{{"models", list}, {"keySheet", keySheet}};
    out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

// What keeps each data sheet from being opened, each sheet told once (the two speeds of a KVHM
// size share their drawing), in list order.
QStringList DataSheetFaults(const QList<TListedModel>& models, const QString& keySheet) {
    QStringList sheets;
    for (const TListedModel& model : models)
        sheets.append(model.Drawing);
    sheets.append(keySheet);
    sheets.removeDuplicates();
    QStringList faults;
    for (const QString& sheet : sheets) {
        if (const QString fault = DataFileFault(sheet, true); !fault.isEmpty())
            faults.append(fault);
    }
    return faults;
}

} // namespace

int RunModelsCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err) {
    TModelsRequest request;
    QString error;
    if (!ParseModelsArguments(Arguments, request, error)) {
        Err << error << "\nRun \"aircooler-cli models --help\" for the arguments.\n";
        return 2;
    }

    TRecordingMessages messages;
    TLanguage language;
    language.SetLanguageType(request.Language);
    // The model names end in the main group's "rpm" word, which the selection page's texts
    // apply, as the window applies every page's texts.
    THeadlessSelectionView selectionTexts;
    selectionTexts.Language = &language;
    ApplySelectionTexts(selectionTexts);
    THeadlessDimensionsView view;
    view.ProgramEdition = BuildEdition();
    view.CatalogueDirectory = IniFilePath;
    view.EnergyUnit = request.EnergyUnit;
    view.KeptCaptions.RpmText = selectionTexts.RpmTextStr();
    ApplyDimensionsTexts(language, view);
    TMemoryDimensionsSettings settings;
    TDimensionsController controller(view, settings, messages);

    controller.ShowDimensionSeries(request.Series);
    QList<TListedModel> models;
    const TVerDep names;
    for (int index = 0; index < view.ModelItems.size(); ++index) {
        view.SetModelIndex(index);
        controller.cbDimensionChange();
        QStringList lines;
        for (const QString& line : view.Lines)
            lines.append(line);
        models.append({view.ModelItems[index],
                       names.ChangeToSectionName(controller.ShadowList()[index], request.Series),
                       lines, controller.DrawingFileName(index)});
    }
    const QString keySheet = controller.CodeKeyFileName();

    // A fault of a file the whole series reads (the oil data, the catalogue) is the same for
    // every model; it is told once.
    QStringList faults = messages.Texts();
    faults.removeDuplicates();
    faults += DataSheetFaults(models, keySheet);
    for (const QString& fault : faults)
        Err << fault << '\n';
    if (request.Json)
        PrintJson(models, keySheet, Out);
    else
        PrintText(models, keySheet, Out);
    return faults.isEmpty() ? 0 : 1;
}

QString ModelsUsage() {
    const QString usage =
        QStringLiteral(
            "Usage: aircooler-cli models --series VAM|VDM|VHM|VCS [--energy-unit UNIT]\n"
            "           [--language LANGUAGE] [--json]\n"
            "\n"
            "Lists the models of a series as the dimensions page shows them: the model's name,\n"
            "its catalogue section, its motor (or fan) power, weight, cooling area and oil\n"
            "volume lines, and the full name of its drawing; then the series' ordering key.\n"
            "\n"
            "  --energy-unit  unit of the power line (the selection page's required-cooling\n"
            "                 unit; the US edition always gives HP), one of %1; default kW\n"
            "  --language     language of the captions, one of\n"
            "                 %2\n"
            "  --json         print {\"models\": [{\"name\", \"section\", \"lines\", "
            "\"drawing\"}],\n"
            "                 \"keySheet\"}\n"
            "\n"
            "A model whose data cannot be read, and a drawing or ordering key that is missing\n"
            "or empty, is named with what is wrong; the rest is still listed.\n"
            "\n")
            .arg(HeatDissiUnitLabels().join(", "), LanguageNames().join(", "));
    return usage + ExitStatusHelp();
}
