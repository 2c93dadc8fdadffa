#include "tools/datasheets/DrawingSheet.h"

#include "tools/datasheets/CoolerFigures.h"
#include "tools/datasheets/SheetPainter.h"
#include "units/NumericText.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace {

constexpr int Resolution = 600;
constexpr double PageWidth = 297; // A4 landscape, mm
constexpr double PageHeight = 210;
constexpr double ViewSize = 95; // the largest length a view may take on the sheet, mm

QString Figure(double Value, int Decimals = 0) {
    return FormatFixed(Value, 15, Decimals);
}

// The smallest common drawing scale at which the cooler fits the views.
int ScaleFor(const TCoolerFigures& f) {
    const double largest = std::max({f.Width, f.Height, f.Depth});
    for (int scale : {2, 5, 10, 15, 20, 25, 30})
        if (largest / scale <= ViewSize)
            return scale;
    return 40;
}

// The bolt size a foot hole is drilled for (medium clearance).
int BoltFor(double HoleDiameter) {
    return HoleDiameter <= 11 ? 10 : HoleDiameter <= 14 ? 12 : 16;
}

QString PowerHeading(TCoolerType Series) {
    return Series == Cooler_System ? QStringLiteral("Fan power kW") : QStringLiteral("Motor kW");
}

class TDrawing {
public:
    TDrawing(TSheetPainter& Sheet, const TCoolerFigures& Figures, int Scale)
        : S(Sheet), F(Figures), K(1.0 / Scale) {}

    // Looking at the air inlet face: frame, core, the fan behind it, feet and connections.
    void FrontView(double Left, double Floor) {
        const double w = F.Width * K;
        const double top = Floor - F.Height * K;
        const double frameBottom = Floor - F.FootHeight * K;
        const double frame = F.Frame * K;
        const double core = F.CoreSide * K;
        S.CentredText(Left + w / 2, top - 18, QStringLiteral("FRONT VIEW (air inlet)"), 7, true);
        S.SetPen(0.5);
        S.Rect(Left, top, w, frameBottom - top);
        S.SetPen(0.35);
        S.Rect(Left + frame, top + frame, core, core);
        // Fins of the core as a light hatch.
        S.SetPen(0.1);
        for (double x = Left + frame + 2; x < Left + frame + core; x += 2)
            S.Line(x, top + frame, x, top + frame + core);
        // The fan behind the core, hidden.
        S.SetPen(0.25, Qt::DashLine);
        S.Circle(Left + w / 2, top + frame + core / 2, F.FanDiameter * K);
        S.SetPen(0.18, Qt::DashDotLine);
        S.Line(Left + w / 2, top - 3, Left + w / 2, Floor + 3);
        S.Line(Left - 3, top + frame + core / 2, Left + w + 3, top + frame + core / 2);
        // Feet under both ends of the frame, with their holes' centre lines.
        const double foot = std::max(frame, 4.0);
        S.SetPen(0.5);
        S.Rect(Left, frameBottom, foot, Floor - frameBottom);
        S.Rect(Left + w - foot, frameBottom, foot, Floor - frameBottom);
        const double holeLeft = Left + frame / 2;
        const double holeRight = holeLeft + F.FootHoleSpacing * K;
        S.SetPen(0.18, Qt::DashDotLine);
        S.Line(holeLeft, frameBottom - 2, holeLeft, Floor + 2);
        S.Line(holeRight, frameBottom - 2, holeRight, Floor + 2);
        // The oil connections on the right-hand side.
        S.SetPen(0.35);
        for (const auto& [height, label] : {std::pair{F.InletHeight, QStringLiteral("IN")},
                                            std::pair{F.OutletHeight, QStringLiteral("OUT")}}) {
            const double y = Floor - height * K;
            S.Rect(Left + w, y - 1.5, 3, 3);
            S.Text(Left + w + 4, y + 1, label, 6, true);
        }

        S.HorizontalDimension(Left + frame, Left + frame + core, top, -5, Figure(F.CoreSide));
        S.HorizontalDimension(Left, Left + w, Floor, 7, Figure(F.Width));
        S.HorizontalDimension(holeLeft, holeRight, Floor, 14,
                              Figure(F.FootHoleSpacing) + QStringLiteral("  (4x Ø") +
                                  Figure(F.FootHoleDiameter) + QLatin1Char(')'));
        S.VerticalDimension(top, Floor, Left, -6, Figure(F.Height));
        S.VerticalDimension(Floor - F.InletHeight * K, Floor, Left + w, 12, Figure(F.InletHeight));
        S.VerticalDimension(Floor - F.OutletHeight * K, Floor, Left + w, 19,
                            Figure(F.OutletHeight));
    }

    // From the right: core, fan shroud and drive, with the connections' setback.
    void SideView(double Left, double Floor) {
        const double top = Floor - F.Height * K;
        const double frameBottom = Floor - F.FootHeight * K;
        const double coreDepth = F.CoreDepth * K;
        const double centreY = top + (F.Frame + F.CoreSide / 2) * K;
        S.CentredText(Left + F.Depth * K / 2, top - 18, QStringLiteral("SIDE VIEW"), 7, true);
        S.SetPen(0.5);
        S.Rect(Left, top, coreDepth, frameBottom - top);
        const double shroudHalf = (F.FanDiameter / 2 + 20) * K;
        S.Rect(Left + coreDepth, centreY - shroudHalf, F.ShroudDepth * K, 2 * shroudHalf);
        const double driveHalf = F.DriveDiameter / 2 * K;
        S.Rect(Left + coreDepth + F.ShroudDepth * K, centreY - driveHalf, F.DriveLength * K,
               2 * driveHalf);
        S.Rect(Left, frameBottom, coreDepth, Floor - frameBottom);
        S.SetPen(0.18, Qt::DashDotLine);
        S.Line(Left - 3, centreY, Left + F.Depth * K + 3, centreY);
        S.SetPen(0.35);
        for (double height : {F.InletHeight, F.OutletHeight})
            S.Circle(Left + F.PortSetback * K, Floor - height * K, 2.5);

        S.HorizontalDimension(Left, Left + F.Depth * K, Floor, 7, Figure(F.Depth));
        S.HorizontalDimension(Left, Left + coreDepth, top, -5, Figure(F.CoreDepth));
        S.HorizontalDimension(Left, Left + F.PortSetback * K, top, -11, Figure(F.PortSetback));
    }

private:
    TSheetPainter& S;
    const TCoolerFigures& F;
    double K; // sheet millimetres per cooler millimetre
};

void ModelTable(TSheetPainter& S, TCoolerType Series, const QList<TSheetModel>& Models,
                double Top) {
    using namespace Catalogue;
    const std::array<double, 6> x{160, 197, 222, 244, 262, 277};
    const std::array<QString, 6> headings{QStringLiteral("Model"),     PowerHeading(Series),
                                          QStringLiteral("Air m³/s"),  QStringLiteral("LpA dB(A)"),
                                          QStringLiteral("Weight kg"), QStringLiteral("Oil l")};
    S.SetPen(0.25);
    S.Line(158, Top - 4, 287, Top - 4);
    for (int column = 0; column < 6; ++column)
        S.Text(x[column], Top, headings[column], 6, true);
    S.Line(158, Top + 1.5, 287, Top + 1.5);
    double y = Top + 6;
    for (const TSheetModel& model : Models) {
        const TTableValue& v = model.Values;
        const std::array<QString, 6> cells{model.Name,
                                           Figure(v[MotorPower], 2),
                                           Figure(v[AirFlow], 2),
                                           Figure(v[NoiseLevel]),
                                           Figure(v[Weight]),
                                           Figure(v[OilVolume], 2)};
        for (int column = 0; column < 6; ++column)
            S.Text(x[column], y, cells[column], 6.5);
        y += 4.5;
    }
}

void TitleBlock(TSheetPainter& S, TCoolerType Series, const QList<TSheetModel>& Models,
                const TCoolerFigures& F, int Scale, const QString& DrawingName) {
    using namespace Catalogue;
    const TTableValue& v = Models.first().Values;
    S.SetPen(0.5);
    S.Rect(158, 164, 129, 36);
    S.Line(158, 176, 287, 176);
    S.Line(222, 176, 222, 200);
    QStringList names;
    for (const TSheetModel& model : Models)
        names.append(model.Name);
    S.Text(161, 171.5, names.join(QStringLiteral("  /  ")), Models.size() > 1 ? 8 : 11, true);
    const QStringList left{
        QStringLiteral("Cooling area  %1 m²").arg(Figure(v[CoolArea], 3)),
        QStringLiteral("Fan diameter  %1 mm").arg(Figure(v[FanDia])),
        QStringLiteral("Oil connections  %1 (IN/OUT)").arg(F.Thread),
        QStringLiteral("Oil volume  %1 l").arg(Figure(v[OilVolume], 2)),
    };
    const QStringList right{
        QStringLiteral("Drawing  %1").arg(DrawingName),
        QStringLiteral("Scale  1:%1").arg(Scale),
        QStringLiteral("Dimensions in mm"),
        QStringLiteral("Series  %1").arg(SeriesName(Series)),
    };
    for (int line = 0; line < 4; ++line) {
        S.Text(161, 181 + 5 * line, left[line], 7);
        S.Text(225, 181 + 5 * line, right[line], 7);
    }
}

} // namespace

bool WriteDrawingSheet(const QString& FileName, TCoolerType Series,
                       const QList<TSheetModel>& Models) {
    QPdfWriter writer(FileName);
    writer.setResolution(Resolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    writer.setTitle(Models.first().Name);
    writer.setCreator(QStringLiteral("Air Oil Cooler Software"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    TSheetPainter sheet(painter, Resolution);

    // The larger speed of a hydraulic-motor size has the larger drive; the drawing shows it.
    const TCoolerFigures figures = FiguresOf(Models.last().Values, Series);
    const int scale = ScaleFor(figures);
    sheet.SetPen(0.7);
    sheet.Rect(10, 10, PageWidth - 20, PageHeight - 20);

    TDrawing drawing(sheet, figures, scale);
    const double floor = 135;
    drawing.FrontView(30, floor);
    drawing.SideView(170, floor);
    ModelTable(sheet, Series, Models, 150);
    TitleBlock(sheet, Series, Models, figures, scale, QFileInfo(FileName).fileName());
    sheet.Text(14, 196,
               QStringLiteral("Leave free space of at least half the core height in "
                              "front of and behind the cooler."),
               6.5);
    sheet.Text(14, 192,
               QStringLiteral("Female threaded oil connections. Feet for M%1 bolts.")
                   .arg(BoltFor(figures.FootHoleDiameter)),
               6.5);
    return painter.end();
}
