#pragma once

#include "core/CoolerTypes.h"
#include "pages/selection/SelectionView.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What `aircooler-cli select` is asked to do, in the terms of the selection page: the series,
// grade and unit positions to pick, the texts to type into the entries and the model, if any,
// to calculate instead of choosing one.
struct TSelectRequest {
    TCoolerType Series = AC_Cooler;
    int OilGrade = 0;
    QMap<TSelectionEntry, QString> Typed; // entry texts exactly as given
    QMap<TSelectionEntry, int> UnitIndex; // positions of the unit lists
    QString Model;                        // empty: "Calculate New Cooler"
    TLanguageType Language = ENGLISH;
    bool Json = false;
};

// Options with a value that a command built on select reads itself: their names, and the
// values given for them.
struct TMoreOptions {
    QStringList Names;
    QMap<QString, QString> Values;
};

// Reads the arguments after "select"; with `More`, also the values of its options. On failure
// `Error` says what is wrong.
bool ParseSelectArguments(const QStringList& Arguments, TSelectRequest& Request, QString& Error,
                          TMoreOptions* More = nullptr);

// The request of select's options given as their values by option name ("--flow" -> "100"),
// each option of SelectValueOptions() at most once. On failure `Error` says what is wrong.
bool ReadSelectOptions(const QMap<QString, QString>& Values, TSelectRequest& Request,
                       QString& Error);

QString SelectUsage();

// The option that gives the text of an entry ("--flow" for the oil flow).
QString EntryValueOption(TSelectionEntry Entry);

// The options of select that take a value ("--series", "--flow", ...).
QStringList SelectValueOptions();
