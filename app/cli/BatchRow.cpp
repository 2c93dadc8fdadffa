#include "app/cli/BatchRow.h"

#include "app/cli/CommandLineSelection.h"
#include "app/cli/SelectArguments.h"

#include <array>

namespace {

// The result columns under select's JSON keys, in the order of the panel's lines.
const QStringList ResultKeys{QStringLiteral("OilTempInStr"),     QStringLiteral("OilTempOutStr"),
                             QStringLiteral("AirTempOutStr"),    QStringLiteral("HeatLoadStr"),
                             QStringLiteral("PressureDropStr"),  QStringLiteral("AirFlowStr"),
                             QStringLiteral("MotorCapacityStr"), QStringLiteral("NoiseLevelStr"),
                             QStringLiteral("ProtectionStr")};
constexpr std::array<TResultLine, 9> ResultLines{
    TResultLine::OilInletTemp,  TResultLine::OilOutletTemp, TResultLine::AirOutletTemp,
    TResultLine::HeatLoad,      TResultLine::OilPressure,   TResultLine::AirFlow,
    TResultLine::MotorCapacity, TResultLine::NoiseLevel,    TResultLine::ProtectionStd};

const QString MessageSeparator = QStringLiteral(" | ");

} // namespace

const QStringList& BatchResultColumns() {
    static const QStringList columns =
        QStringList{"chosen"} + ResultKeys + QStringList{"candidates", "status", "messages"};
    return columns;
}

const SelectionCaptions& TBatchSizer::CaptionsIn(TLanguageType Language) const {
    const QMutexLocker lock(&CaptionsGuard);
    auto kept = Captions.find(Language);
    if (kept == Captions.end())
        kept = Captions.insert(Language, ::CaptionsIn(Language));
    return *kept;
}

QStringList TBatchSizer::SizeRow(const QMap<QString, QString>& Options) const {
    TSelectRequest request;
    QString error;
    // Cells that select cannot use are worded by its reader.
    if (!ReadSelectOptions(Options, request, error))
        return UnsizedBatchRow(2, error);
    CommandLineSelection run;
    if (!RunCommandLineSelection(request, request.Model.isEmpty(), CaptionsIn(request.Language),
                                 Catalogue, run, error, SelectionDetail::ShownResult))
        return UnsizedBatchRow(2, error.trimmed().split(QLatin1Char('\n')).join(MessageSeparator));

    const SelectionOutcome& outcome = run.Outcome;
    QStringList added{outcome.Calculated ? run.ResultModel() : QString()};
    for (TResultLine line : ResultLines) {
        const bool shown = !(line == TResultLine::ProtectionStd && run.Request.USEdition);
        added.append(shown ? outcome.Result.Value(line) : QString());
    }
    QStringList candidates;
    for (const Candidate& candidate : outcome.Candidates)
        candidates.append(run.Models.Names.value(candidate.Position));
    QStringList messages;
    for (const TShownMessage& message : outcome.Messages)
        messages.append(message.Text);
    added << candidates.join(QStringLiteral("; ")) << QString::number(outcome.Succeeded() ? 0 : 1)
          << messages.join(MessageSeparator);
    return added;
}

QStringList UnsizedBatchRow(int Status, const QString& Message) {
    QStringList added(BatchResultColumns().size() - 2);
    added << QString::number(Status) << Message;
    return added;
}

QStringList BatchOutputRow(const TBatchTable& Table, const TCsvRecord& Row,
                           const QStringList& Added) {
    QStringList cells = Row.Fields.mid(0, Table.Header.size());
    cells.resize(Table.Header.size());
    return cells + Added;
}
