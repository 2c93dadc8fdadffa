// The command line of aircooler-cli: the input is its arguments separated by NUL bytes, as the
// program receives them, run through the dispatch and every command on the shipped catalogue.
#include "FuzzCheck.h"

#include "app/cli/BatchCommand.h"
#include "app/cli/CommandLine.h"
#include "core/RegionalSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

const QString IniFilePath = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

QStringList Arguments(const uint8_t* data, std::size_t size) {
    QStringList arguments;
    for (const QByteArray& argument :
         QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0'))
        arguments.append(QString::fromUtf8(argument));
    return arguments;
}

// The messages of a --json answer, which carries them instead of the error stream.
QJsonArray MessagesOf(const QString& out) {
    return QJsonDocument::fromJson(out.toUtf8())
        .object()
        .value(QStringLiteral("messages"))
        .toArray();
}

// A fuzzer must never write files where its input says, start programs, nor draw pages without
// the Gui platform the program starts for them: the report, the diagram (a program of its own),
// batch sizing (files and worker processes; its table reader has a target of its own) and the
// printed motor table are left out here.
bool LeftOut(const QStringList& arguments) {
    const QString command = arguments.value(0);
    if (command == QStringLiteral("report") || command == QStringLiteral("diagram"))
        return true;
    if (command == QStringLiteral("select"))
        return IsBatchRequest(arguments.mid(1));
    return command == QStringLiteral("motor-table") &&
           std::any_of(arguments.cbegin(), arguments.cend(),
                       [](const QString& a) { return a.startsWith(QStringLiteral("--pdf")); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const TScopedRegionalSettings regional(QLatin1Char('.'));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const QStringList arguments = Arguments(data, size);
    if (LeftOut(arguments))
        return 0;
    const int code = RunCommandLine(arguments, IniFilePath, outStream, errStream);
    outStream.flush();
    errStream.flush();

    Require(code >= 0 && code <= 2, "the exit code is 0, 1 or 2");
    Require(code == 0 || !err.isEmpty() || !MessagesOf(out).isEmpty(),
            "a command without a result says why", out);
    // Messages may echo what was typed ("INF" included); results are the program's own.
    if (code == 0)
        Require(ShowsOnlyNumbers(out), "results show numbers", out);
    Require(ShowsNoControlCharacter(err), "messages show no control character", err);
    return 0;
}
