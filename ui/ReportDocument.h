#pragma once

#include <QImage>
#include <QString>

#include <functional>

class TMessageService;
struct TSelectionReport;

// Opens a saved document with the desktop's default application for its type. False when the
// file is not there to be read or the desktop refuses; on Linux the desktop cannot tell more,
// so a program that starts and then fails goes unnoticed.
bool OpenDocument(const QString& Path);

// The window's last step of printing: writes the selection report, with the page's diagram
// (none when null), into a new document in `Folder` (the user's documents folder when empty)
// and opens it with `Open`. Whatever goes wrong is told through `Messages`; nothing
// half-written is left behind.
void WriteAndOpenSelectionReport(const TSelectionReport& Report, const QImage& Diagram,
                                 TMessageService& Messages, const QString& Folder = QString(),
                                 const std::function<bool(const QString&)>& Open = &OpenDocument);
