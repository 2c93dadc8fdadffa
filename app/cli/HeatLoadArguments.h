#pragma once

#include "core/CoolerTypes.h"
#include "pages/heatload/HeatLoadView.h"

#include <QMap>
#include <QString>
#include <QStringList>

// What `aircooler-cli heatload` is asked to do, in the terms of the heat-load page: the texts to
// type into the entries and the positions to pick in the unit lists.
struct THeatLoadRequest {
    QMap<THeatLoadEntry, QString> Typed; // entry texts exactly as given; absent ones keep theirs
    QMap<THeatLoadEntry, int> UnitIndex; // the position of every unit list, the result's too
    TLanguageType Language = ENGLISH;
    bool Json = false;
};

// Reads the arguments after "heatload". On failure `Error` says what is wrong.
bool ParseHeatLoadArguments(const QStringList& Arguments, THeatLoadRequest& Request,
                            QString& Error);

QString HeatLoadUsage();

// The option that gives the text of an entry ("--volume" for the oil volume).
QString HeatLoadValueOption(THeatLoadEntry Entry);
