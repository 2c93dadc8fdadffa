#pragma once

#include <QStringList>
#include <QTextStream>

// aircooler-cli diagram: the diagram is drawn with the toolkit's charts, which the other
// commands do without, so that they start fast. This process becomes the drawing program
// installed beside it, aircooler-diagram, with the same arguments; it returns only when that
// program cannot be started, with exit code 1.
int RunDiagramProgram(const QStringList& Arguments, QTextStream& Err);
