#include "app/cli/SelectCommand.h"

#include "app/cli/CommandLineSelection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// The keys of the results in the JSON, by the panel line that shows them.
const QList<std::pair<TResultLine, QString>> ResultKeys{
    {TResultLine::OilInletTemp, "OilTempInStr"},      {TResultLine::OilOutletTemp, "OilTempOutStr"},
    {TResultLine::AirOutletTemp, "AirTempOutStr"},    {TResultLine::HeatLoad, "HeatLoadStr"},
    {TResultLine::OilPressure, "PressureDropStr"},    {TResultLine::AirFlow, "AirFlowStr"},
    {TResultLine::MotorCapacity, "MotorCapacityStr"}, {TResultLine::NoiseLevel, "NoiseLevelStr"},
    {TResultLine::ProtectionStd, "ProtectionStr"}};

const QStringList CandidateKeys{"model", "heat", "inletTemp", "noise", "pressureDrop"};

// The keys of the results' numbers, by the panel line that shows them; the protection class is
// no number.
const QList<std::pair<TResultLine, QString>> ValueKeys{
    {TResultLine::OilInletTemp, "inletOilTemp"},   {TResultLine::OilOutletTemp, "outletOilTemp"},
    {TResultLine::AirOutletTemp, "outletAirTemp"}, {TResultLine::HeatLoad, "heat"},
    {TResultLine::OilPressure, "pressureDrop"},    {TResultLine::AirFlow, "airFlow"},
    {TResultLine::MotorCapacity, "motorPower"},    {TResultLine::NoiseLevel, "noise"}};

QJsonObject ValueJson(const ResultValue& value) {
    return {{"value", value.Value}, {"unit", value.Unit}};
}

QJsonObject ValuesJson(const ShownNumbers& numbers) {
    QJsonObject values;
    for (const auto& [line, key] : ValueKeys) {
        if (const std::optional<ResultValue>& value = numbers.Values[static_cast<int>(line)])
            values.insert(key, ValueJson(*value));
    }
    return values;
}

struct ShownLine {
    QString Caption;
    QString Value;
    bool Highlighted = false;
};

// What the page shows: the visible result lines with their captions; a cooling system's flow
// first, since it runs at its pump's.
QList<ShownLine> ShownLines(const CommandLineSelection& run) {
    const SelectionRequest& request = run.Request;
    QList<ShownLine> lines;
    if (RunsAtPumpFlow(request.Series))
        lines.append({run.Captions->Group(TSelectionGroup::OilFlow), run.PumpFlowText()});
    for (int i = 0; i < ResultLineCount; ++i) {
        const auto line = static_cast<TResultLine>(i);
        // The US catalogue states no protection class.
        if (line == TResultLine::ProtectionStd && request.USEdition)
            continue;
        const QString caption =
            run.Captions->ResultCaption(line, request.Series, request.Units.Altitude != 0, false);
        const QString& value = run.Outcome.Result.Value(line);
        if (!(caption.isEmpty() && value.isEmpty()))
            lines.append({caption, value, run.Outcome.Result.Highlighted(line)});
    }
    return lines;
}

QString WithoutTrailingBlanks(QString line) {
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

void PrintText(const CommandLineSelection& run, QTextStream& out) {
    const QList<TSampleRow>& grid = run.Outcome.Grid;
    if (!grid.isEmpty()) {
        std::array<qsizetype, SampleColumnCount> widths{};
        for (const TSampleRow& row : grid) {
            for (int column = 0; column < SampleColumnCount; ++column)
                widths[column] = std::max(widths[column], row.Cells[column].trimmed().size());
        }
        for (const TSampleRow& row : grid) {
            QString line = row.Undersized ? QStringLiteral("* ") : QStringLiteral("  ");
            for (int column = 0; column < SampleColumnCount; ++column)
                line += row.Cells[column].trimmed().leftJustified(widths[column] + 2);
            out << WithoutTrailingBlanks(line) << '\n';
        }
        if (std::any_of(grid.cbegin(), grid.cend(),
                        [](const TSampleRow& row) { return row.Undersized; }))
            out << "  * cannot remove the cooling required below the max. inlet oil temperature\n";
        out << '\n';
    }
    out << run.Captions->Group(TSelectionGroup::Output) << ": " << run.ResultModel() << '\n';
    const QList<ShownLine> lines = ShownLines(run);
    qsizetype width = 0;
    for (const ShownLine& line : lines)
        width = std::max(width, line.Caption.size());
    for (const ShownLine& line : lines)
        out << WithoutTrailingBlanks(
                   (line.Highlighted ? QStringLiteral("! ") : QStringLiteral("  ")) +
                   line.Caption.leftJustified(width + 2) + line.Value)
            << '\n';
    if (std::any_of(lines.cbegin(), lines.cend(), [](const ShownLine& l) { return l.Highlighted; }))
        out << "  ! shown in red: the cooler falls short of the operating point here\n";
}

void PrintJson(const CommandLineSelection& run, const QStringList& messages, QTextStream& out) {
    const SelectionOutcome& outcome = run.Outcome;
    QJsonArray candidates;
    for (qsizetype row = 1; row < outcome.Grid.size(); ++row) {
        QJsonObject candidate;
        for (int column = 0; column < SampleColumnCount; ++column)
            candidate.insert(CandidateKeys[column], outcome.Grid[row].Cells[column]);
        candidate.insert("undersized", outcome.Grid[row].Undersized);
        candidate.insert("values", ValuesJson(outcome.CandidateNumbers[row - 1]));
        candidate.insert("verdict", outcome.CandidateNumbers[row - 1].Verdict);
        candidates.append(candidate);
    }
    QJsonObject results;
    QJsonArray highlighted;
    for (const auto& [line, key] : ResultKeys) {
        const bool visible = !(line == TResultLine::ProtectionStd && run.Request.USEdition);
        results.insert(key, visible ? outcome.Result.Value(line) : QString());
        if (visible && outcome.Result.Highlighted(line))
            highlighted.append(key);
    }
    QJsonObject document{{"candidates", candidates},
                         {"results", results},
                         {"highlighted", highlighted},
                         {"messages", QJsonArray::fromStringList(messages)}};
    // Without a result there is no model the results belong to.
    if (outcome.Calculated) {
        document.insert("model", run.ResultModel());
        QJsonObject values = ValuesJson(outcome.Numbers);
        if (RunsAtPumpFlow(run.Request.Series)) {
            document.insert("pumpFlow", run.PumpFlowText());
            values.insert("pumpFlow", ValueJson(run.PumpFlowValue()));
        }
        document.insert("values", values);
        document.insert("verdict", outcome.Numbers.Verdict);
    }
    out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

QStringList MessageTexts(const SelectionOutcome& outcome) {
    QStringList texts;
    for (const TShownMessage& message : outcome.Messages)
        texts.append(message.Text);
    return texts;
}

} // namespace

int RunSelectCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                     QTextStream& Err) {
    TSelectRequest request;
    QString error;
    if (!ParseSelectArguments(Arguments, request, error)) {
        Err << error << "\nRun \"aircooler-cli select --help\" for the arguments.\n";
        return 2;
    }

    // One reading of each data file serves every model the run rates.
    const KeptCatalogue catalogue(IniFilePath);
    const SelectionCaptions captions = CaptionsIn(request.Language);
    CommandLineSelection run;
    if (!RunCommandLineSelection(request, request.Model.isEmpty(), captions, catalogue, run,
                                 error)) {
        Err << error << '\n';
        return 2;
    }

    const QStringList shown = MessageTexts(run.Outcome);
    if (request.Json) {
        PrintJson(run, shown, Out);
    } else {
        for (const QString& message : shown)
            Err << message << '\n';
        if (run.Outcome.Calculated)
            PrintText(run, Out);
        else if (shown.isEmpty())
            Err << "No result.\n";
    }
    return run.Outcome.Succeeded() ? 0 : 1;
}
