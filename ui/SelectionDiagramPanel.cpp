#include "ui/SelectionDiagramPanel.h"

#include "ui/SelectionDiagramChart.h"

#include <QChart>
#include <QChartView>
#include <QVBoxLayout>

TSelectionDiagramPanel::TSelectionDiagramPanel(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("pnlSelectionDiagram"));
    setMinimumSize(320, 220);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    hide();
}

void TSelectionDiagramPanel::ShowDiagram(const TSelectionDiagram& Diagram) {
    if (!View) {
        View = new QChartView(this);
        View->setRenderHint(QPainter::Antialiasing);
        layout()->addWidget(View);
    }
    // The view lets go of the chart it showed.
    QChart* previous = View->chart();
    View->setChart(NewSelectionDiagramChart(Diagram));
    delete previous;
    Shown = Diagram;
    show();
}

void TSelectionDiagramPanel::ClearDiagram() {
    Shown.reset();
    hide();
}
