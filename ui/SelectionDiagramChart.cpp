#include "ui/SelectionDiagramChart.h"

#include "core/RegionalSettings.h"
#include "units/NumericText.h"
#include "units/QuantityTexts.h"
#include "units/UnitConv.h"
#include "units/UnitLabels.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal ChosenLineWidth = 3.5;
constexpr qreal LineWidth = 1.5;
constexpr qreal ChosenMarkerSize = 14;
constexpr qreal MarkerSize = 9;
constexpr qreal OperatingPointSize = 13;
// The diagram shares the page with the inputs and the candidates: small type leaves the curves
// the room.
constexpr qreal TextScale = 0.85;

QString AxisTitle(const QString& caption, const QString& unit) {
    return caption.isEmpty() ? unit : caption + QStringLiteral(" [") + unit + QLatin1Char(']');
}

// Labels with the decimals their ticks need and no more: "2000", "0.25".
QString LabelFormat(const QValueAxis& axis) {
    const double step = (axis.max() - axis.min()) / std::max(axis.tickCount() - 1, 1);
    const int decimals = step > 0 ? std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 6) : 0;
    return QStringLiteral("%.%1f").arg(decimals);
}

QFont Smaller(QFont font) {
    font.setPointSizeF(font.pointSizeF() * TextScale);
    return font;
}

// The operating point's values as the page writes them, which the diagram's title gives beside
// the point's own marker.
QString OperatingPointText(const TSelectionDiagram& diagram, const TDiagramPoint& point) {
    const int decimals = TUnitConv::GetNoOfDeciSer1(static_cast<float>(point.Flow));
    return FormatFixed(point.Flow, 10, decimals) + QLatin1Char(' ') +
           FlowUnitLabels().value(diagram.FlowUnit) + QStringLiteral(", ") +
           SpecificDissipationText(point.SpecificDissipation, diagram.HeatUnit).trimmed();
}

class TDiagramChart {
public:
    explicit TDiagramChart(const TSelectionDiagram& Diagram) : Diagram(Diagram) {
        Chart->setBackgroundRoundness(0);
        Chart->setMargins(QMargins(4, 4, 4, 4));
        Chart->layout()->setContentsMargins(0, 0, 0, 0);
        // The axes' numbers with the decimal separator of every other number the program writes.
        QLocale numbers = Regional().DecimalSeparator == QLatin1Char(',') ? QLocale(QLocale::German)
                                                                          : QLocale::c();
        numbers.setNumberOptions(QLocale::OmitGroupSeparator);
        Chart->setLocale(numbers);
        Chart->setLocalizeNumbers(true);
        Chart->legend()->setAlignment(Qt::AlignBottom);
        Chart->legend()->setFont(Smaller(Chart->legend()->font()));
        AddAxis(FlowAxis, Qt::AlignBottom,
                AxisTitle(Diagram.FlowCaption, FlowUnitLabels().value(Diagram.FlowUnit)));
        AddAxis(DissipationAxis, Qt::AlignLeft,
                AxisTitle(Diagram.DissipationCaption, SpecHeatUnitStr(Diagram.HeatUnit)));
    }

    QChart* Make() {
        for (const TDiagramCurve& curve : Diagram.Curves)
            AddCurve(curve);
        if (Diagram.OperatingPoint)
            AddOperatingPoint(*Diagram.OperatingPoint);
        // Both axes start at zero, so the distances between the curves and the point read true.
        FlowAxis->setRange(0, LargestFlow > 0 ? LargestFlow * 1.05 : 1);
        DissipationAxis->setRange(0, LargestDissipation > 0 ? LargestDissipation * 1.1 : 1);
        for (QValueAxis* axis : {FlowAxis, DissipationAxis}) {
            axis->applyNiceNumbers();
            axis->setLabelFormat(LabelFormat(*axis));
        }
        return Chart;
    }

private:
    void AddAxis(QValueAxis* axis, Qt::Alignment side, const QString& title) {
        axis->setTitleText(title);
        axis->setTitleFont(Smaller(axis->titleFont()));
        axis->setLabelsFont(Smaller(axis->labelsFont()));
        Chart->addAxis(axis, side);
    }

    // A cooling system, at its one pump flow, is a marker; every other model a line. The pens
    // are widened once the chart's theme has coloured them.
    void AddCurve(const TDiagramCurve& curve) {
        QXYSeries* series = nullptr;
        if (curve.Points.size() == 1)
            series = new QScatterSeries;
        else
            series = new QLineSeries;
        series->setName(curve.Model);
        for (const TDiagramPoint& point : curve.Points)
            series->append(Shown(point));
        Attach(series);
        if (auto* marker = qobject_cast<QScatterSeries*>(series)) {
            marker->setMarkerSize(curve.Chosen ? ChosenMarkerSize : MarkerSize);
        } else {
            QPen pen = series->pen();
            pen.setWidthF(curve.Chosen ? ChosenLineWidth : LineWidth);
            series->setPen(pen);
        }
        if (curve.Chosen) {
            for (QLegendMarker* entry : Chart->legend()->markers(series)) {
                QFont font = entry->font();
                font.setBold(true);
                entry->setFont(font);
            }
        }
    }

    // The legend names the models; the point, longer to name, is named in the title.
    void AddOperatingPoint(const TDiagramPoint& point) {
        auto* series = new QScatterSeries;
        series->append(Shown(point));
        Attach(series);
        series->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        series->setMarkerSize(OperatingPointSize);
        series->setColor(Qt::black);
        series->setBorderColor(Qt::white);
        for (QLegendMarker* entry : Chart->legend()->markers(series))
            entry->setVisible(false);
        Chart->setTitleFont(Smaller(Chart->titleFont()));
        Chart->setTitle(QStringLiteral("\u25C6 ") + OperatingPointText(Diagram, point));
    }

    void Attach(QAbstractSeries* series) {
        Chart->addSeries(series);
        series->attachAxis(FlowAxis);
        series->attachAxis(DissipationAxis);
    }

    // A point in the units shown: the specific dissipation as the results give it.
    QPointF Shown(const TDiagramPoint& point) {
        const QPointF shown(
            point.Flow, TUnitConv::SpecHeatFromkWPerK(point.SpecificDissipation, Diagram.HeatUnit));
        LargestFlow = std::max(LargestFlow, shown.x());
        LargestDissipation = std::max(LargestDissipation, shown.y());
        return shown;
    }

    const TSelectionDiagram& Diagram;
    QChart* Chart = new QChart;
    QValueAxis* FlowAxis = new QValueAxis;
    QValueAxis* DissipationAxis = new QValueAxis;
    qreal LargestFlow = 0;
    qreal LargestDissipation = 0;
};

} // namespace

QChart* NewSelectionDiagramChart(const TSelectionDiagram& Diagram) {
    return TDiagramChart(Diagram).Make();
}

void PaintSelectionDiagram(const TSelectionDiagram& Diagram, QPainter& Painter,
                           const QRectF& Target) {
    QGraphicsScene scene;
    QChart* chart = NewSelectionDiagramChart(Diagram);
    scene.addItem(chart);
    const QRectF area(QPointF(0, 0), Target.size());
    chart->setGeometry(area);
    // Without a window, nothing lays the chart out before it is drawn.
    chart->layout()->activate();
    scene.setSceneRect(area);
    scene.render(&Painter, Target, area);
}

QImage RenderSelectionDiagram(const TSelectionDiagram& Diagram, const QSize& Size, qreal Scale) {
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Scale, Scale);
    PaintSelectionDiagram(Diagram, painter, QRectF(QPointF(0, 0), QSizeF(Size) / Scale));
    return image;
}
