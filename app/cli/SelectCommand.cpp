#include "app/cli/SelectCommand.h"

#include "app/cli/SelectArguments.h"
#include "app/cli/SelectionRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// The result fields of the engine state, by the panel line that shows them.
const QList<std::pair<TResultLine, QString>> ResultKeys{
    {TResultLine::OilInletTemp, "OilTempInStr"},      {TResultLine::OilOutletTemp, "OilTempOutStr"},
    {TResultLine::AirOutletTemp, "AirTempOutStr"},    {TResultLine::HeatLoad, "HeatLoadStr"},
    {TResultLine::OilPressure, "PressureDropStr"},    {TResultLine::AirFlow, "AirFlowStr"},
    {TResultLine::MotorCapacity, "MotorCapacityStr"}, {TResultLine::NoiseLevel, "NoiseLevelStr"},
    {TResultLine::ProtectionStd, "ProtectionStr"}};

const QStringList CandidateKeys{"model", "heat", "inletTemp", "noise", "pressureDrop"};

// What the page shows: the visible result lines with their captions.
QList<std::pair<QString, QString>> ShownLines(const THeadlessSelectionView& view) {
    QList<std::pair<QString, QString>> lines;
    for (int i = 0; i < ResultLineCount; ++i) {
        const auto& line = view.Line(static_cast<TResultLine>(i));
        if (line.Visible && !(line.Caption.isEmpty() && line.Value.isEmpty()))
            lines.append({line.Caption, line.Value});
    }
    return lines;
}

QString WithoutTrailingBlanks(QString line) {
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

// The model the shown results belong to.
QString ResultModel(const THeadlessSelectionView& view) {
    return view.ListItems(TSelectionList::Model).value(view.ListIndex(TSelectionList::Model));
}

// A cooling system's oil flow is its pump's: the entry as the page shows it, with its unit.
QString PumpFlowText(const THeadlessSelectionView& view) {
    return view.EntryText(TSelectionEntry::OilFlow) + QLatin1Char(' ') +
           view.ListItems(TSelectionList::OilFlowUnit)
               .value(view.ListIndex(TSelectionList::OilFlowUnit));
}

bool RunsAtPumpFlow(const THeadlessSelectionView& view) {
    return view.SelectedSeries() == VCS_Cooler;
}

void PrintText(const THeadlessSelectionView& view, QTextStream& out) {
    if (view.GridShown) {
        std::array<qsizetype, SampleColumnCount> widths{};
        for (const TSampleRow& row : view.GridRows) {
            for (int column = 0; column < SampleColumnCount; ++column)
                widths[column] = std::max(widths[column], row.Cells[column].trimmed().size());
        }
        for (const TSampleRow& row : view.GridRows) {
            QString line = row.Undersized ? QStringLiteral("* ") : QStringLiteral("  ");
            for (int column = 0; column < SampleColumnCount; ++column)
                line += row.Cells[column].trimmed().leftJustified(widths[column] + 2);
            out << WithoutTrailingBlanks(line) << '\n';
        }
        if (std::any_of(view.GridRows.cbegin(), view.GridRows.cend(),
                        [](const TSampleRow& row) { return row.Undersized; }))
            out << "  * removes less than the cooling required\n";
        out << '\n';
    }
    out << view.GroupCaption(TSelectionGroup::Output) << ": " << ResultModel(view) << '\n';
    QList<std::pair<QString, QString>> lines = ShownLines(view);
    if (RunsAtPumpFlow(view))
        lines.prepend({view.GroupCaption(TSelectionGroup::OilFlow), PumpFlowText(view)});
    qsizetype width = 0;
    for (const auto& [caption, value] : lines)
        width = std::max(width, caption.size());
    for (const auto& [caption, value] : lines)
        out << WithoutTrailingBlanks(QStringLiteral("  ") + caption.leftJustified(width + 2) +
                                     value)
            << '\n';
}

void PrintJson(const THeadlessSelectionView& view, const QStringList& messages, QTextStream& out) {
    QJsonArray candidates;
    for (qsizetype row = 1; view.GridShown && row < view.GridRows.size(); ++row) {
        QJsonObject candidate;
        for (int column = 0; column < SampleColumnCount; ++column)
            candidate.insert(CandidateKeys[column], view.GridRows[row].Cells[column]);
        candidate.insert("undersized", view.GridRows[row].Undersized);
        candidates.append(candidate);
    }
    QJsonObject results;
    for (const auto& [line, key] : ResultKeys) {
        const auto& shown = view.Line(line);
        results.insert(key, shown.Visible ? shown.Value : QString());
    }
    QJsonObject document{{"candidates", candidates},
                         {"results", results},
                         {"messages", QJsonArray::fromStringList(messages)}};
    // Without a result there is no model the results belong to.
    if (view.PrintEnabled) {
        document.insert("model", ResultModel(view));
        if (RunsAtPumpFlow(view))
            document.insert("pumpFlow", PumpFlowText(view));
    }
    out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
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

    TSelectionRun run(IniFilePath, request.Language);
    if (!run.Enter(request, error)) {
        Err << error << '\n';
        return 2;
    }
    run.Calculate(request);

    const THeadlessSelectionView& view = run.View();
    const QStringList shown = run.Messages().Texts();
    if (request.Json) {
        PrintJson(view, shown, Out);
    } else {
        for (const QString& message : shown)
            Err << message << '\n';
        if (run.Controller().PrintingEnabled())
            PrintText(view, Out);
        else if (shown.isEmpty())
            Err << "No result.\n";
    }
    return run.Status();
}
