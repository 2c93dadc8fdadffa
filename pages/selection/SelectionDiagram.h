#pragma once

#include "engine/OilGrade.h"
#include "engine/OperatingPoint.h"
#include "engine/ThermalModel.h"

#include <QList>
#include <QString>

#include <optional>

// A point of the selection diagram: an oil flow in the page's flow unit and a specific heat
// dissipation in kW/K.
struct TDiagramPoint {
    double Flow = 0;
    double SpecificDissipation = 0;
    bool operator==(const TDiagramPoint&) const = default;
};

// A candidate's specific heat dissipation over its permitted oil flow, smallest flow first; a
// cooling system runs at its own pump's flow only, so it is that one point.
struct TDiagramCurve {
    QString Model;
    bool Chosen = false; // the model the results belong to
    QList<TDiagramPoint> Points;
    bool operator==(const TDiagramCurve&) const = default;
};

// How engineers read a catalogue: each candidate's curve against the oil flow, and the operating
// point, whose specific dissipation is the cooling required over the difference between the
// maximum inlet oil temperature and the ambient air. A curve that passes above the point belongs
// to a model that does the job; the distance is its reserve.
struct TSelectionDiagram {
    int FlowUnit = 0; // position in the flow unit list
    // Position in the heat unit list, which sets the unit the results give a specific dissipation
    // in (TUnitConv::SpecHeatFromkWPerK).
    int HeatUnit = 0;
    QString FlowCaption; // the page's names of the two quantities
    QString DissipationCaption;
    std::optional<TDiagramPoint> OperatingPoint; // none when the oil is no warmer than the air
    QList<TDiagramCurve> Curves;                 // smallest model first
    bool operator==(const TSelectionDiagram&) const = default;
};

// A candidate as the diagram takes it: its name and its coefficients as the walk over the
// series takes them.
struct TDiagramModel {
    QString Name;
    ChooseRecord Data;
    bool Chosen = false;
};

// Evenly spaced points of a curve from its smallest to its largest flow; the operating flow is
// added where the model admits it, so the curve is exact where it is compared with the point.
constexpr int DiagramCurvePoints = 25;

// The diagram of `Models`, smallest first, at `Point` with the oil `Oil`, evaluated as the walk
// over a series evaluates a model; the point's flow is the one the results are calculated at.
// Cooling systems are drawn at their pump's flow. Flows are shown in the flow unit `FlowUnit`.
TSelectionDiagram ComputeSelectionDiagram(const OperatingPoint& Point, const OilGrade& Oil,
                                          const QList<TDiagramModel>& Models, int FlowUnit,
                                          int HeatUnit);
