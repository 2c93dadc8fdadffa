#pragma once

#include "pages/selection/SelectionDiagram.h"

#include <QWidget>

#include <optional>

class QChartView;

// The place beside the candidates where the selection diagram appears. The chart is made with
// the first diagram shown, so that the window's start does not wait for the charts' machinery.
class TSelectionDiagramPanel : public QWidget {
public:
    explicit TSelectionDiagramPanel(QWidget* Parent);

    void ShowDiagram(const TSelectionDiagram& Diagram);
    void ClearDiagram();

    // What the page shows, for the report's picture (RenderSelectionDiagram); none while cleared.
    const std::optional<TSelectionDiagram>& ShownDiagram() const { return Shown; }

    // None before the first diagram.
    QChartView* ChartView() const { return View; }

private:
    std::optional<TSelectionDiagram> Shown;
    QChartView* View = nullptr;
};
