#include "app/cli/MotorTableCommand.h"

#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "core/OutputPath.h"
#include "core/RegionalSettings.h"
#include "core/VisibleText.h"
#include "pages/dimensions/DimensionsTextKeys.h"
#include "pages/dimensions/MotorDataTable.h"
#include "settings/VersUnit.h"
#include "texts/Language.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString PdfOption = QStringLiteral("--pdf");

QString WithoutTrailingBlanks(QString line) {
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

void PrintText(const QList<TMotorDataCells>& grid, QTextStream& out) {
    std::array<qsizetype, MotorDataColumnCount> widths{};
    for (const TMotorDataCells& row : grid) {
        for (int column = 0; column < MotorDataColumnCount; ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    for (const TMotorDataCells& row : grid) {
        QString line;
        for (int column = 0; column < MotorDataColumnCount; ++column)
            line += row[column].leftJustified(widths[column] + 2);
        out << WithoutTrailingBlanks(line) << '\n';
    }
}

void PrintJson(const QList<TMotorDataCells>& grid, QTextStream& out) {
    QJsonArray rows;
    for (const TMotorDataCells& row : grid) {
        QJsonArray cells;
        for (const QString& cell : row)
            cells.append(cell);
        rows.append(cells);
    }
    const QJsonObject document{{"caption", MotorDataCaption}, {"rows", rows}};
    out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

QString NotWrittenMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("The PDF file \"%1\" could not be written: %2.\n")
        .arg(WithVisibleControlCharacters(fileName), reason);
}

// The version text as the window prints it in English.
QString EnglishVersion(TVersUnit& version) {
    TLanguage language;
    language.SetLanguageType(ENGLISH);
    language.NewPageText(MainGroup);
    version.SetMianGroupVersion(language.GetTxt(DimensionsTextKey::VersionWord));
    return version.GetVersion();
}

} // namespace

bool MotorTableDrawsPages(const QStringList& Arguments) {
    return std::any_of(Arguments.cbegin(), Arguments.cend(),
                       [](const QString& argument) { return argument.startsWith(PdfOption); });
}

int RunMotorTableCommand(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                         QTextStream& Err, const TMotorTablePdfWriter& WritePdf) {
    TCommandOptions options;
    QString error;
    if (!CollectOptions(Arguments, {PdfOption}, {"--json"}, options, error)) {
        Err << error << "\nRun \"aircooler-cli motor-table --help\" for the arguments.\n";
        return 2;
    }

    const QString fileName = options.Values.value(PdfOption);
    const QString refusal = OutputPathRefusal(fileName);
    if (!refusal.isEmpty()) {
        Err << NotWrittenMessage(fileName, refusal);
        return 2;
    }

    TVersUnit version;
    const TMotorDataGrid table = InstalledMotorDataGrid(IniFilePath, version.Edition());
    const QList<TMotorDataCells>& grid = table.Rows;
    // A damaged file is told, and whatever it gave is still shown, as the window shows it.
    const int status = table.Fault.isEmpty() ? 0 : 1;
    if (status != 0)
        Err << table.Fault << '\n';

    if (options.Values.contains(PdfOption) && WritePdf) {
        TMotorTableInput input;
        input.Grid = grid;
        input.Title = MotorDataCaption;
        input.VersionLine = MotorDataVersionLine(EnglishVersion(version), QDate::currentDate());
        input.DecimalSeparator = Regional().DecimalSeparator;
        if (!WritePdf(fileName, input, error)) {
            Err << NotWrittenMessage(fileName, error);
            return 1;
        }
        return status;
    }
    if (options.FlagsGiven.contains("--json"))
        PrintJson(grid, Out);
    else
        PrintText(grid, Out);
    return status;
}

QString MotorTableUsage() {
    const QString usage = QStringLiteral(
        "Usage: aircooler-cli motor-table [--pdf FILE] [--json]\n"
        "\n"
        "The motor variants of the hydraulic-motor coolers as the motor data window shows\n"
        "them: the titles and the units of this edition, then one row per variant, the model\n"
        "named on the first row of its group. Values are shown as the data file holds them,\n"
        "with the regional decimal sign.\n"
        "\n"
        "  --pdf FILE  print the table into FILE as the printer prints it (600 dpi, A4 in the\n"
        "              European edition, Letter in the US edition)\n"
        "  --json      print {\"caption\", \"rows\": [[8 texts], ...]}, heading rows first\n"
        "\n"
        "The PDF file is written whole or not at all: until the new table is complete, the\n"
        "file stays as it was. A motor data file that is missing or damaged is named with what\n"
        "is wrong; the variants it gave are still shown.\n"
        "\n");
    return usage + ExitStatusHelp();
}
