#pragma once

#include "core/CoolerTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

// The built-in text tables, compiled into the program as resources.
//
// A table is the UTF-8 file tables/<LANGUAGE>/<Page>.txt. Each line of the file is one table
// line, "key=text", taken exactly as it stands: blanks at its end and "&" belong to the text.
// A newline ends a line; the newline after the last line ends that line and does not start an
// empty one, so a file of 34 lines ends in a newline and has 34 table lines. A CR before the
// newline and a byte-order mark at the start are not part of any line.

// Appends the lines of the table for (Language, Page) to Lines, in table order. A pair without
// a table appends nothing. Never fails.
void LoadPageTexts(TLanguageType Language, TLanguagePageType Page, QStringList& Lines);

// Whether the language has its own tables. A language without them would show every caption
// and message empty, so no front end offers it.
bool HasTextTables(TLanguageType Language);

// The languages that have their own tables, in the order of their ordinals.
QList<TLanguageType> LanguagesWithTexts();

// The table lines of a table file's content, by the rules above.
QStringList SplitTableLines(QString Content);
