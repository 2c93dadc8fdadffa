#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>

class QTextDocument;

enum class TReportFormat { Odf, Pdf };

// The report's file name: the model and the date, e.g. "KVAM 300-B 2026-12-10.odt". Every
// character other than a letter, a digit, a blank, "-", "_" and "." becomes "_", so a model
// name such as "KVHM 30 1500 U/min" names no folder.
QString ReportFileName(const QString& ModelName, const QDate& Date);

// The user's documents folder, created when missing; empty when there is none to be had.
QString ReportFolder();

// Claims a new file for the report in Folder: the report's file name, or with " (2)",
// " (3)", ... before the extension when that exists. The file is created empty so that no
// other writer takes the name; an existing file is never touched. Empty, with the reason in
// Error, when no file can be created there.
QString ClaimReportFile(const QString& Folder, const QString& ModelName, const QDate& Date,
                        QString& Error);

// Writes the document to Path as a whole or not at all (core/WholeFileWriter.h), so a failed
// write leaves the file as it was. A PDF is laid out on `Paper` (EditionPaper); an
// OpenDocument report leaves the paper to the word processor. False with the system's reason
// in Error.
bool SaveReport(const QTextDocument& Document, const QString& Path, TReportFormat Format,
                const QPageSize& Paper, QString& Error);
