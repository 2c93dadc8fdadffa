#pragma once

#include <QString>
#include <QTextStream>

// A first look from a terminal: one cooler of each series sized on the catalogue in
// `IniFilePath`, through the same path as "aircooler-cli select".
int RunDemoCommand(const QString& IniFilePath, QTextStream& out);

QString DemoUsage();
