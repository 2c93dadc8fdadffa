#pragma once

#include "core/CoolerTypes.h"
#include "engine/CatalogueRecord.h"

#include <QString>

// The outline of a cooler in millimetres, derived from its catalogue values: a square core
// of the catalogue's cooling area in a frame standing on two feet, the fan in its shroud
// behind the core and the drive behind the fan. Figures are rounded to 5 mm as a data sheet
// gives them.
struct TCoolerFigures {
    double CoreSide = 0; // face of the core, square
    double CoreDepth = 0;
    double Frame = 0;      // frame around the core, each side
    double FootHeight = 0; // under the frame
    double Width = 0;      // overall
    double Height = 0;     // overall, feet included
    double FanDiameter = 0;
    double ShroudDepth = 0;
    double DriveLength = 0; // motor, hydraulic motor, or motor and pump
    double DriveDiameter = 0;
    double Depth = 0;       // overall
    double InletHeight = 0; // oil connections on the side, above the floor
    double OutletHeight = 0;
    double PortSetback = 0; // from the core's air inlet face
    QString Thread;         // of both oil connections
    double FootHoleSpacing = 0;
    double FootHoleDiameter = 0;
};

TCoolerFigures FiguresOf(const TTableValue& Values, TCoolerType Series);
