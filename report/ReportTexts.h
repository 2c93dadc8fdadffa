#pragma once

#include "core/CoolerTypes.h"

#include <QString>

class TLanguage;

// The report's labels and notes in one language. The report borrows the labels of the pages
// whose values it prints; where a page words a line by the calculation mode or the series,
// both wordings are kept and the report picks the one of its data.
struct TReportTexts {
    // The main group's report texts.
    TPrnStr Date;
    TPrnStr YourRef;
    TPrnStr OurRef;
    TPrnStr Information;
    QString CatalogueNote;
    QString AlterationsNote;
    TPrnStr InputData;
    TPrnStr HydraulicOil;
    // The note on a shortfall names what the user can change: the cooling when the inlet
    // temperature is held, the inlet temperature when the cooling is.
    QString HeatLoadTooLowNote;
    QString InletTempTooHighNote;

    // The selection page's captions.
    TPrnStr OilFlow;
    TPrnStr MaxInletTemp;
    TPrnStr AirTemp;
    TPrnStr Altitude;
    TPrnStr CoolingRequired;
    TPrnStr CalculatedData; // ends in a colon
    TPrnStr InletOilTemp;
    TPrnStr OutletOilTemp;
    TPrnStr OutletAirTemp;
    TPrnStr HeatDissiAtFixedTemp; // the inlet temperature held
    TPrnStr SpecificHeatDissi;    // the cooling held
    TPrnStr OilPressure;
    TPrnStr AirFlow;
    TPrnStr MotorCapacity;
    TPrnStr FanPower; // the hydraulic-motor series
    TPrnStr NoiseLevel;
    TPrnStr Protection;

    // The dimensions page's.
    TPrnStr Weight;

    bool operator==(const TReportTexts&) const = default;
};

// The report's texts in the store's current language. Leaves Page_3 loaded.
TReportTexts ReadReportTexts(TLanguage& Store);
