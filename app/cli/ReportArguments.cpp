#include "app/cli/ReportArguments.h"

#include "app/cli/CommandOptions.h"
#include "app/cli/ExitStatus.h"
#include "core/CodePoints.h"
#include "core/VisibleText.h"
#include "pages/printsetup/PrintSetupSettings.h"

namespace {

const QString YourRefOption = QStringLiteral("--your-ref");
const QString OurRefOption = QStringLiteral("--our-ref");
const QString LanguageOption = QStringLiteral("--report-language");
const QString OutOption = QStringLiteral("--out");

std::optional<TReportFormat> FormatOf(const QString& File) {
    if (File.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive))
        return TReportFormat::Odf;
    if (File.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return TReportFormat::Pdf;
    return std::nullopt;
}

bool ReadReference(const TMoreOptions& More, const QString& Option, QString& Reference,
                   QString& Error) {
    Reference = More.Values.value(Option);
    const qsizetype length = CodePointCount(Reference);
    if (length <= TPrintSetupSettings::MaxReferenceLength)
        return true;
    Error = QStringLiteral("%1 takes at most %2 characters; \"%3\" has %4.")
                .arg(Option)
                .arg(TPrintSetupSettings::MaxReferenceLength)
                .arg(EchoedValue(Reference))
                .arg(length);
    return false;
}

} // namespace

bool ParseReportArguments(const QStringList& Arguments, TReportRequest& Request, QString& Error) {
    TMoreOptions more{{YourRefOption, OurRefOption, LanguageOption, OutOption}, {}};
    if (!ParseSelectArguments(Arguments, Request.Selection, Error, &more))
        return false;
    if (Request.Selection.Json) {
        Error = QStringLiteral("--json is no argument of report: the report is a document.");
        return false;
    }
    if (!ReadReference(more, YourRefOption, Request.YourRef, Error) ||
        !ReadReference(more, OurRefOption, Request.OurRef, Error))
        return false;
    if (more.Values.contains(LanguageOption)) {
        Request.ReportLanguage = LanguageNamed(more.Values.value(LanguageOption));
        if (!Request.ReportLanguage) {
            Error = QStringLiteral("Unknown report language \"%1\": use one of %2.")
                        .arg(EchoedValue(more.Values.value(LanguageOption)),
                             LanguageNames().join(", "));
            return false;
        }
    }
    Request.OutFile = more.Values.value(OutOption);
    const std::optional<TReportFormat> format = FormatOf(Request.OutFile);
    if (!format) {
        Error = more.Values.contains(OutOption)
                    ? QStringLiteral("--out names \"%1\": the file must end in .odt or .pdf.")
                          .arg(WithVisibleControlCharacters(Request.OutFile))
                    : QStringLiteral("--out is required: the .odt or .pdf file to write.");
        return false;
    }
    Request.Format = *format;
    return true;
}

QString ReportUsage() {
    const QString usage = QStringLiteral(
        "Usage: aircooler-cli report SELECTION [--your-ref TEXT] [--our-ref TEXT]\n"
        "           [--report-language LANGUAGE] --out FILE.odt|FILE.pdf\n"
        "\n"
        "Sizes a cooler as \"aircooler-cli select\" does with the same SELECTION arguments\n"
        "(without --json), then writes the selection report the window's print command writes:\n"
        "as OpenDocument text for a .odt file, as PDF for a .pdf file. The file is replaced\n"
        "as a whole: until the new report is complete, the old file stays as it was.\n"
        "\n"
        "  --your-ref, --our-ref  the two references of the report, at most 50 characters each\n"
        "                         (default empty)\n"
        "  --report-language      language of the report's texts (default ENGLISH), one of\n"
        "                         the names --language takes; units and values are printed\n"
        "                         as the page shows them\n"
        "  --out                  the file to write\n"
        "\n"
        "The user's settings are neither read nor written, and no window is opened.\n"
        "\n"
        "Example: aircooler-cli report --series VAM --oil \"ISO VG 46\" --flow 100 --max-oil-temp "
        "60\n"
        "             --air-temp 30 --altitude 0 --heat 20 --your-ref \"Press 4\" --out "
        "press4.odt\n"
        "\n");
    return usage + ExitStatusHelp();
}
