#include "ui/ReportDocument.h"

#include "core/DataFault.h"
#include "core/MessageService.h"
#include "report/EditionPaper.h"
#include "report/ReportFile.h"
#include "report/SelectionReport.h"
#include "report/TextDocumentWriter.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

QString NotSavedMessage(const QString& Path, const QString& Reason) {
    return QStringLiteral("The report could not be saved as \"%1\": %2.")
        .arg(QDir::toNativeSeparators(Path), Reason);
}

QString NotOpenedMessage(const QString& Path) {
    return QStringLiteral("The report was saved as \"%1\", but no program could be started to "
                          "open it. Open it from there with a word processor.")
        .arg(QDir::toNativeSeparators(Path));
}

} // namespace

bool OpenDocument(const QString& Path) {
    // The desktop's opener does not report a missing file, so it is looked for first.
    if (!QFileInfo(Path).isReadable())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Path));
}

void WriteAndOpenSelectionReport(const TSelectionReport& Report, const QImage& Diagram,
                                 TMessageService& Messages, const QString& Folder,
                                 const std::function<bool(const QString&)>& Open) {
    const TSelectionReportData& Data = Report.Data;
    TTextDocumentWriter writer;
    const QDate today = QDate::currentDate();
    try {
        WriteSelectionReport(writer, Report, today, Diagram);
    } catch (const EDataFault& e) {
        Messages.Error(e.Message());
        return;
    }

    const QString folder = Folder.isEmpty() ? ReportFolder() : Folder;
    if (folder.isEmpty()) {
        Messages.Error(NotSavedMessage(ReportFileName(Data.ModelName, today),
                                       QStringLiteral("there is no documents folder")));
        return;
    }
    QString error;
    const QString path = ClaimReportFile(folder, Data.ModelName, today, error);
    if (path.isEmpty()) {
        Messages.Error(
            NotSavedMessage(QDir(folder).filePath(ReportFileName(Data.ModelName, today)), error));
        return;
    }
    if (!SaveReport(writer.Document(), path, TReportFormat::Odf, EditionPaper(Report.USEdition),
                    error)) {
        // The name was claimed with an empty file, which must not stay behind.
        QFile::remove(path);
        Messages.Error(NotSavedMessage(path, error));
        return;
    }
    if (!Open(path))
        Messages.Information(NotOpenedMessage(path));
}
