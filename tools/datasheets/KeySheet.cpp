#include "tools/datasheets/KeySheet.h"

#include "tools/datasheets/SheetPainter.h"
#include "units/NumericText.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <array>

namespace {

constexpr int Resolution = 600;

// One character group of a model name and what it tells.
struct TKeyGroup {
    QString Example;
    QString Meaning;
};

struct TSeriesKey {
    QString Title;
    QList<TKeyGroup> Groups; // in the order the name spells them
    QString Separators;      // between the groups of the example, in order
};

TSeriesKey KeyOf(TCoolerType Series) {
    switch (Series) {
    case AC_Cooler:
        return {QStringLiteral("Air-oil coolers with A.C. motor"),
                {{QStringLiteral("KVAM"),
                  QStringLiteral("Series: air-oil cooler, fan driven by a three-phase A.C. motor")},
                 {QStringLiteral("300"),
                  QStringLiteral("Size 100 to 900: grows with the cooling area and the fan")},
                 {QStringLiteral("B"),
                  QStringLiteral("Frame: A sizes 100-250 and B sizes 300-400 with a 4-pole motor; "
                                 "C sizes 500-900 with a 6-pole motor")}},
                QStringLiteral(" -")};
    case DC_Cooler:
        return {QStringLiteral("Air-oil coolers with D.C. motor"),
                {{QStringLiteral("KVDM"),
                  QStringLiteral("Series: air-oil cooler, fan driven by a 12 V or 24 V D.C. "
                                 "motor (state the voltage when ordering)")},
                 {QStringLiteral("200"),
                  QStringLiteral("Size 100 to 350: grows with the cooling area and the fan")}},
                QStringLiteral(" ")};
    case Cooler_System:
        return {QStringLiteral("Air-oil coolers with hydraulic motor"),
                {{QStringLiteral("KVHM"),
                  QStringLiteral("Series: air-oil cooler, fan driven by a hydraulic motor")},
                 {QStringLiteral("400"),
                  QStringLiteral("Size 200 to 800: grows with the cooling area and the fan")},
                 {QStringLiteral("1200 rpm"),
                  QStringLiteral("Fan speed: two speeds per size; choose the motor variant for "
                                 "your circuit from the motor data table")}},
                QStringLiteral(" -")};
    default:
        return {QStringLiteral("Cooling systems with their own pump"),
                {{QStringLiteral("KVCS"),
                  QStringLiteral("Series: cooling system, air-oil cooler with its own pump")},
                 {QStringLiteral("400"),
                  QStringLiteral("Size 150 to 800: grows with the cooling area and the pump")},
                 {QStringLiteral("A"),
                  QStringLiteral("Frame: D fan and pump on one 4-pole motor (sizes 150-350); A "
                                 "pump with its own 4-pole motor, fan on a 6-pole motor")},
                 {QStringLiteral("B"),
                  QStringLiteral("Fan: A standard; B steeper-pitched, about 20 % more air")}},
                QStringLiteral(" --")};
    }
}

QString Figure(double Value, int Decimals) {
    return FormatFixed(Value, 15, Decimals);
}

// The example name drawn large, each group bracketed below with its number, and the numbered
// meanings under it.
double ExplainGroups(TSheetPainter& S, QPainter& Painter, const TSeriesKey& Key, double Top) {
    QFont big(QStringLiteral("Arial"));
    big.setPointSizeF(26);
    big.setBold(true);
    const QFontMetricsF metrics(big, Painter.device());
    const double mmPerUnit = 25.4 / Resolution;
    double x = 30;
    std::array<std::pair<double, double>, 4> spans{};
    for (int group = 0; group < Key.Groups.size(); ++group) {
        const QString text = Key.Groups[group].Example;
        S.Text(x, Top, text, 26, true);
        const double width = metrics.horizontalAdvance(text) * mmPerUnit;
        spans[group] = {x, x + width};
        x += width;
        if (group < Key.Separators.size()) {
            const QString separator(Key.Separators[group]);
            S.Text(x, Top, separator, 26, true);
            x += metrics.horizontalAdvance(separator) * mmPerUnit;
        }
    }
    S.SetPen(0.3);
    double y = Top + 22;
    for (int group = 0; group < Key.Groups.size(); ++group) {
        const auto [left, right] = spans[group];
        const double bracket = Top + 4;
        S.Line(left + 0.5, bracket, left + 0.5, bracket + 2);
        S.Line(right - 0.5, bracket, right - 0.5, bracket + 2);
        S.Line(left + 0.5, bracket + 2, right - 0.5, bracket + 2);
        S.CentredText((left + right) / 2, bracket + 7, QString::number(group + 1), 9, true);
        S.Text(30, y, QStringLiteral("%1  %2").arg(group + 1).arg(Key.Groups[group].Example), 9,
               true);
        y += 4.5 * S.WrappedText(62, y, Key.Groups[group].Meaning, 8.5, 125, 4.5) + 2.5;
    }
    return y;
}

void ModelList(TSheetPainter& S, TCoolerType Series, const QList<TSheetModel>& Models,
               const QStringList& DrawingNames, double Top) {
    using namespace Catalogue;
    const std::array<double, 6> x{22, 62, 98, 140, 162, 182};
    const std::array<QString, 6> headings{QStringLiteral("Model"),
                                          QStringLiteral("Catalogue name"),
                                          QStringLiteral("Drawing"),
                                          Series == Cooler_System ? QStringLiteral("Fan power kW")
                                                                  : QStringLiteral("Motor kW"),
                                          QStringLiteral("Weight kg"),
                                          QStringLiteral("Air m³/s")};
    S.SetPen(0.3);
    S.Line(20, Top - 5, 190, Top - 5);
    for (int column = 0; column < 6; ++column)
        S.Text(x[column], Top, headings[column], 8, true);
    S.Line(20, Top + 2, 190, Top + 2);
    double y = Top + 8;
    for (qsizetype i = 0; i < Models.size(); ++i) {
        const TTableValue& v = Models[i].Values;
        const std::array<QString, 6> cells{Models[i].Name,       Models[i].Section,
                                           DrawingNames[i],      Figure(v[MotorPower], 2),
                                           Figure(v[Weight], 0), Figure(v[AirFlow], 2)};
        for (int column = 0; column < 6; ++column)
            S.Text(x[column], y, cells[column], 8);
        y += 6;
    }
}

} // namespace

bool WriteKeySheet(const QString& FileName, TCoolerType Series, const QList<TSheetModel>& Models,
                   const QStringList& DrawingNames) {
    QPdfWriter writer(FileName);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    const TSeriesKey key = KeyOf(Series);
    writer.setTitle(SeriesName(Series) + QStringLiteral(" ordering key"));
    writer.setCreator(QStringLiteral("Air Oil Cooler Software"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    TSheetPainter sheet(painter, Resolution);
    sheet.SetPen(0.7);
    sheet.Rect(10, 10, 190, 277);
    sheet.Text(20, 26, SeriesName(Series) + QStringLiteral(" ordering key"), 20, true);
    sheet.Text(20, 34, key.Title, 11);
    const double explained = ExplainGroups(sheet, painter, key, 58);
    sheet.Text(20, explained + 8, QStringLiteral("Models"), 12, true);
    ModelList(sheet, Series, Models, DrawingNames, explained + 18);
    sheet.Text(20, 280,
               QStringLiteral("Order by the model name. Drawings and data are subject to "
                              "alteration without notice."),
               7);
    return painter.end();
}
