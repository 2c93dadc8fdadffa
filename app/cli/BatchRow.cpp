#include "app/cli/BatchRow.h"

#include "app/cli/SelectArguments.h"
#include "app/cli/SelectCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QStringList ResultKeys{"OilTempInStr",     "OilTempOutStr",   "AirTempOutStr",
                             "HeatLoadStr",      "PressureDropStr", "AirFlowStr",
                             "MotorCapacityStr", "NoiseLevelStr",   "ProtectionStr"};

QString Joined(const QJsonArray& texts, const QString& separator) {
    QStringList joined;
    for (const QJsonValue& text : texts)
        joined.append(text.toString());
    return joined.join(separator);
}

const QString MessageSeparator = QStringLiteral(" | ");

} // namespace

const QStringList& BatchResultColumns() {
    static const QStringList columns =
        QStringList{"chosen"} + ResultKeys + QStringList{"candidates", "status", "messages"};
    return columns;
}

QStringList SizeBatchRow(const QStringList& Arguments, const QString& IniFilePath) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status =
        RunSelectCommand(Arguments + QStringList{"--json"}, IniFilePath, outStream, errStream);
    outStream.flush();
    errStream.flush();
    if (status == 2) {
        // Cells that are no arguments of select are worded by its parser; on a terminal select
        // adds a hint for the user.
        TSelectRequest request;
        QString error;
        if (ParseSelectArguments(Arguments, request, error))
            error = err.trimmed().split(QLatin1Char('\n')).join(MessageSeparator);
        return UnsizedBatchRow(status, error);
    }

    const QJsonObject document = QJsonDocument::fromJson(out.toUtf8()).object();
    QStringList added{document["model"].toString()};
    const QJsonObject results = document["results"].toObject();
    for (const QString& key : ResultKeys)
        added.append(results[key].toString());
    QStringList candidates;
    for (const QJsonValue& candidate : document["candidates"].toArray())
        candidates.append(candidate["model"].toString());
    added << candidates.join(QStringLiteral("; ")) << QString::number(status)
          << Joined(document["messages"].toArray(), MessageSeparator);
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
