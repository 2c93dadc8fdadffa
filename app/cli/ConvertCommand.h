#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli convert QUANTITY VALUE FROM TO: converts through the base unit and prints the
// result with the target unit's decimals. Returns the process exit code.
int RunConvertCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

QString ConvertUsage();
