#pragma once

#include "core/CoolerTypes.h"
#include "engine/ModelLists.h"
#include "pages/selection/SelectionView.h"

#include <QString>

#include <array>

class TLanguage;

// The selection page's texts in one language: the captions its results and messages are
// worded with and the texts of its messages. Read once from a language's text store, they
// serve any number of sizings.
struct SelectionCaptions {
    std::array<QString, 8> Groups; // by TSelectionGroup
    QString OilInletTemp;
    QString OilOutletTemp;
    QString AirOutletTemp;
    QString HeatAtHeldInlet;     // the heat line when the inlet temperature is held
    QString SpecificDissipation; // the heat line otherwise, and the diagram's axis
    QString OilPressure;
    QString AirFlow;
    QString MotorCapacity;
    QString FanPower; // the motor line of hydraulic-motor coolers
    QString NoiseAt1m;
    QString NoiseAt3ft;
    QString Protection;
    QString OutOfRange;
    QString NoCooler;
    QString NotRecommended;
    QString AirTooClose;       // "%1" stands for the oil-air difference needed
    QString RpmWord;           // ends the hydraulic-motor model names
    QString ThousandsReadings; // offers the two readings of "68,200": "Write %1 or %2"
    QString AlterationsNote;
    // The models of each series by TCoolerType, named in this language (the hydraulic-motor
    // models end in the word for rpm); made once here, as sizing row after row would otherwise
    // make them for each.
    std::array<SeriesModelList, 4> SeriesModels;

    // Reads the texts of the store's language; leaves the selection page's texts loaded.
    static SelectionCaptions Read(TLanguage& Language);

    const QString& Group(TSelectionGroup Group) const { return Groups[static_cast<int>(Group)]; }
    const SeriesModelList& ModelsOf(TCoolerType Series) const { return SeriesModels[Series]; }
    // The caption of a result line for `Series`, with the altitude in feet or metres and the
    // inlet temperature held or not. The protection line has none for hydraulic motors.
    QString ResultCaption(TResultLine Line, TCoolerType Series, bool AltitudeInFeet,
                          bool InletTempHeld) const;
};
