#include "app/cli/SelectCommand.h"

#include "app/cli/SelectArguments.h"
#include "core/EngineState.h"
#include "core/MessageService.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionTexts.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QList<TSelectionEntry> TypingOrder{TSelectionEntry::OilFlow, TSelectionEntry::MaxTemp,
                                         TSelectionEntry::AirTemp, TSelectionEntry::Altitude,
                                         TSelectionEntry::HeatDiss};

// The result fields of the engine state, by the panel line that shows them.
const QList<std::pair<TResultLine, QString>> ResultKeys{
    {TResultLine::OilInletTemp, "OilTempInStr"},      {TResultLine::OilOutletTemp, "OilTempOutStr"},
    {TResultLine::AirOutletTemp, "AirTempOutStr"},    {TResultLine::HeatLoad, "HeatLoadStr"},
    {TResultLine::OilPressure, "PressureDropStr"},    {TResultLine::AirFlow, "AirFlowStr"},
    {TResultLine::MotorCapacity, "MotorCapacityStr"}, {TResultLine::NoiseLevel, "NoiseLevelStr"},
    {TResultLine::ProtectionStd, "ProtectionStr"}};

const QStringList CandidateKeys{"model", "heat", "inletTemp", "noise", "pressureDrop"};

// A model as the list names it; a hydraulic-motor model may be named without the rpm word.
int ModelIndex(const QStringList& models, const QString& wanted) {
    for (int i = 0; i < models.size(); ++i) {
        if (models[i].compare(wanted, Qt::CaseInsensitive) == 0 ||
            models[i].startsWith(wanted + QLatin1Char(' '), Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

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
    const QString model =
        view.ListItems(TSelectionList::Model).value(view.ListIndex(TSelectionList::Model));
    out << view.GroupCaption(TSelectionGroup::Output) << ": " << model << '\n';
    const QList<THeadlessSelectionView::TResultLineState> lines = ShownLines(view);
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
    const QJsonObject document{{"candidates", candidates},
                               {"results", results},
                               {"highlighted", highlighted},
                               {"messages", QJsonArray::fromStringList(messages)}};
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
    if (request.Help) {
        Out << SelectUsage();
        return 0;
    }

    // A fresh page of a freshly started program, whose messages are kept, not shown.
    ResetEngineState();
    const TVersUnit version; // fixes the edition
    TEngineState& s = EngineState();
    s.IniFilePath = IniFilePath;
    TRecordingMessages messages;
    const TScopedMessageService recordMessages(messages);
    TLanguage language;
    language.SetLanguageType(request.Language);
    THeadlessSelectionView view;
    view.Language = &language;
    TMemorySelectionSettings settings;
    TSelectionController controller(view, settings);
    view.OnApplyLanguageTexts = [&] { ApplySelectionTexts(view); };
    view.ApplyLanguageTexts();
    controller.InitialisePage();
    controller.LoadFixedTempMode();
    s.ShowMessagesFLG = true; // as on entering the page

    // The user's steps: series, grade, units, model, then the entries one by one.
    view.SetSelectedSeries(request.Series);
    controller.SeriesClick(request.Series);
    view.SetListIndex(TSelectionList::Oil, request.OilGrade);
    controller.cbOilCoolerDataChange();
    for (TSelectionEntry entry : TypingOrder) {
        view.SetListIndex(UnitListOf(entry), request.UnitIndex.value(entry));
        controller.UnitChange(entry);
    }
    if (!request.Model.isEmpty()) {
        const QStringList models = view.ListItems(TSelectionList::Model);
        const int model = ModelIndex(models, request.Model);
        if (model < 0) {
            Err << QStringLiteral("Unknown model \"%1\": the series has %2.\n")
                       .arg(request.Model, models.join(", "));
            return 2;
        }
        view.SetListIndex(TSelectionList::Model, model);
        controller.cbTypeCoolerDataChange();
    }
    for (TSelectionEntry entry : TypingOrder) {
        if (!request.Typed.contains(entry))
            continue;
        const qsizetype shownBefore = messages.Shown.size();
        view.SetEntryText(entry, request.Typed.value(entry));
        controller.EntryChange(entry);
        controller.EntryExit(entry);
        if (messages.Shown.size() > shownBefore) {
            Err << messages.Shown.last().Text << '\n';
            return 2;
        }
    }

    // A step the page refused (a damaged data file) ends the selection: calculating could
    // only repeat its message.
    const bool refused = !messages.Shown.isEmpty();
    if (!refused && request.Model.isEmpty())
        controller.btCalcNewCoolerClick();
    else if (!refused)
        controller.btCalcSelectedCoolerClick();

    const QStringList shown = messages.Texts();
    if (request.Json) {
        PrintJson(view, shown, Out);
    } else {
        for (const QString& message : shown)
            Err << message << '\n';
        if (controller.PrintingEnabled())
            PrintText(view, Out);
        else if (shown.isEmpty())
            Err << "No result.\n";
    }
    const bool told =
        std::any_of(messages.Shown.cbegin(), messages.Shown.cend(),
                    [](const TShownMessage& m) { return m.Kind == TMessageKind::Error; });
    return controller.PrintingEnabled() && !told ? 0 : 1;
}
