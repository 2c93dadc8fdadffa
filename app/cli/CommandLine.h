#pragma once

#include "core/RegionalSettings.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// aircooler-cli as a function of its arguments (those after the program name): picks the
// command and runs it, reading the catalogue from `IniFilePath` (ending in a separator).
// Returns the exit code: 0 with a result, 1 for the page's own message, 2 for arguments that
// cannot be read. Runs under CommandLineRegional of the current regional settings. Nothing but
// the two streams and the catalogue is touched, so the tests and the fuzzer run it in-process.
int RunCommandLine(const QStringList& Arguments, const QString& IniFilePath, QTextStream& Out,
                   QTextStream& Err);

// The regional settings the commands run under: the system's, with a comma as the group
// separator whatever the system's is. A point is always a decimal sign on the command line
// ("1.500" is 1.5), and a comma before exactly three digits may be a thousands separator
// ("68,200" is refused as ambiguous), as in the scripts and tables the options come from.
TRegionalSettings CommandLineRegional(TRegionalSettings System);

// True for the arguments that ask for a command's usage, where an option name stands.
bool IsHelpOption(const QString& Argument);

// Whether a command's options ask for its usage: a help option where an option name stands.
// Every other option but --json takes the next argument as its value, whatever it looks like,
// so "--heat -h" gives -h as the cooling required.
bool HelpAsked(const QStringList& Options);
