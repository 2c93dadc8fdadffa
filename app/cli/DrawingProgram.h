#pragma once

#include <QStringList>
#include <QTextStream>

// The commands that draw with the toolkit's charts (diagram, and report with its diagram) run in
// a program of their own, aircooler-draw, so that every other command starts without the
// charts' libraries. This process becomes that program, installed with it, with the same
// arguments, the command first; it returns only when the program cannot be started, with exit
// code 1.
int RunDrawingProgram(const QStringList& Arguments, QTextStream& Err);
