#include "app/cli/SelectCommand.h"

#include "app/cli/HeadlessSelection.h"

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

// A result the window shows on a red background: the model falls short of the operating
// point there.
bool Highlighted(const THeadlessSelectionView::TResultLineState& line) {
    return line.Visible && !line.Value.isEmpty() && line.Background != clWhite;
}

// What the page shows: the visible result lines with their captions.
QList<THeadlessSelectionView::TResultLineState> ShownLines(const THeadlessSelectionView& view) {
    QList<THeadlessSelectionView::TResultLineState> lines;
    for (int i = 0; i < ResultLineCount; ++i) {
        const auto& line = view.Line(static_cast<TResultLine>(i));
        if (line.Visible && !(line.Caption.isEmpty() && line.Value.isEmpty()))
            lines.append(line);
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
            out << "  * cannot remove the cooling required below the max. inlet oil temperature\n";
        out << '\n';
    }
    out << view.GroupCaption(TSelectionGroup::Output) << ": " << ResultModel(view) << '\n';
    QList<THeadlessSelectionView::TResultLineState> lines = ShownLines(view);
    if (RunsAtPumpFlow(view)) {
        THeadlessSelectionView::TResultLineState pump;
        pump.Caption = view.GroupCaption(TSelectionGroup::OilFlow);
        pump.Value = PumpFlowText(view);
        lines.prepend(pump);
    }
    qsizetype width = 0;
    for (const auto& line : lines)
        width = std::max(width, line.Caption.size());
    for (const auto& line : lines)
        out << WithoutTrailingBlanks(
                   (Highlighted(line) ? QStringLiteral("! ") : QStringLiteral("  ")) +
                   line.Caption.leftJustified(width + 2) + line.Value)
            << '\n';
    if (std::any_of(lines.cbegin(), lines.cend(), Highlighted))
        out << "  ! shown in red: the cooler falls short of the operating point here\n";
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
    QJsonArray highlighted;
    for (const auto& [line, key] : ResultKeys) {
        const auto& shown = view.Line(line);
        results.insert(key, shown.Visible ? shown.Value : QString());
        if (Highlighted(shown))
            highlighted.append(key);
    }
    QJsonObject document{{"candidates", candidates},
                         {"results", results},
                         {"highlighted", highlighted},
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

    THeadlessSelection page(IniFilePath, request.Language);
    if (!page.Run(request, error)) {
        Err << error << '\n';
        return 2;
    }

    const QStringList shown = page.Messages.Texts();
    if (request.Json) {
        PrintJson(page.View, shown, Out);
    } else {
        for (const QString& message : shown)
            Err << message << '\n';
        if (page.Controller.PrintingEnabled())
            PrintText(page.View, Out);
        else if (shown.isEmpty())
            Err << "No result.\n";
    }
    return page.Succeeded() ? 0 : 1;
}
