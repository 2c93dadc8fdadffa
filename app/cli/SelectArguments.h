#pragma once

#include "core/CoolerTypes.h"
#include "pages/selection/SelectionView.h"

#include <QMap>
#include <QString>
#include <QStringList>

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

// Reads the arguments after "select". On failure `Error` says what is wrong.
bool ParseSelectArguments(const QStringList& Arguments, TSelectRequest& Request, QString& Error);

QString SelectUsage();

// The options of select that take a value ("--series", "--flow", ...).
QStringList SelectValueOptions();
