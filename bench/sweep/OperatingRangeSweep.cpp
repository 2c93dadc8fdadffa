// A sweep of the whole operating range, over and beyond every limit: operating points through
// the rating of every model (its checks and the thermal model) and the texts the page writes of
// it, and whole selections through the selection page's logic on a headless page. Each must end in
// a result or a message, and no text may show a NaN or an infinity.
//
//   sweep_operating_range           the full sweep (over 10^6 points, 10^4 selections)
//   sweep_operating_range --short   a tenth of each, for CI
#include "core/MessageService.h"
#include "core/RegionalSettings.h"
#include "engine/CoolerCatalogue.h"
#include "engine/OilGrade.h"
#include "engine/Sizing.h"
#include "engine/VerDep.h"
#include "pages/selection/HeadlessSelectionView.h"
#include "pages/selection/ResultPresentation.h"
#include "pages/selection/SelectionController.h"
#include "pages/selection/SelectionLimits.h"
#include "pages/selection/SelectionModelLists.h"
#include "pages/selection/SelectionPageItems.h"
#include "pages/selection/SelectionTexts.h"
#include "texts/Language.h"
#include "units/NumericText.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <span>
#include <vector>

namespace {

const QString IniFilePath = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");
constexpr float Infinity = std::numeric_limits<float>::infinity();

// Values of each quantity in base units, from far below its limits to far above them, the
// limits themselves and their nearest neighbours included.
constexpr float Flows[] = {-Infinity, -50, 0,    0.005f, 0.01f, 0.5f,    5,   10,
                           20,        40,  60,   80,     100,   150,     250, 400,
                           600,       601, 2000, 2e5f,   1e9f,  Infinity}; // l/min
constexpr float OilTemps[] = {-300, -30, 0,   9.99f, 10,      25,  40,  55,
                              70,   90,  110, 120,   120.01f, 200, 1e6f};            // degC
constexpr float AirTemps[] = {-300, -30.01f, -30, -10, 0, 20, 35, 50, 50.01f, 130};  // degC
constexpr float Altitudes[] = {-1, 0, 250, 500, 1500, 3000, 4000, 4000.5f, 1e5f};    // m
constexpr float Heats[] = {-1, 0, 0.1f, 1, 5, 20, 60, 150, 400, 800, 800.01f, 1e7f}; // kW

// Duties an engineer would type, for selections that mostly find a cooler.
constexpr float TypicalFlows[] = {20, 40, 60, 100, 150, 250};
constexpr float TypicalOilTemps[] = {40, 55, 60, 70, 90};
constexpr float TypicalAirTemps[] = {-10, 20, 30, 35, 45};
constexpr float TypicalAltitudes[] = {0, 300, 1500};
constexpr float TypicalHeats[] = {1, 3.5f, 10, 20, 40, 80};

struct TFindings {
    long Results = 0;
    long Messages = 0;
    long Faults = 0;

    void Fault(const QString& what) {
        if (++Faults <= 10)
            std::fprintf(stderr, "FAULT: %s\n", qPrintable(what));
    }
};

bool ShowsOnlyNumbers(const QString& text) {
    static const QRegularExpression invalid(QStringLiteral("\\b(NAN|INF)\\b"));
    return !invalid.match(text).hasMatch();
}

// One series with its models' catalogue records.
struct TSeriesData {
    TCoolerType Series;
    std::vector<ModelRecord> Records;
};

std::vector<TSeriesData> ReadCatalogue() {
    std::vector<TSeriesData> catalogue;
    for (TCoolerType series : {AC_Cooler, DC_Cooler, Cooler_System, VCS_Cooler}) {
        QStringList models;
        QStringList sections;
        BuiltInModelLists().FillComboBoxDim(series, QStringLiteral("rpm"), models, sections);
        TSeriesData data{series, {}};
        for (const QString& section : sections)
            data.Records.push_back(ReadModelRecord(TVerDep().ChangeToSectionName(section, series),
                                                   IniFilePath,
                                                   TVerDep().ChangeToCoolerIniFilename(series)));
        catalogue.push_back(data);
    }
    return catalogue;
}

std::vector<OilGrade> ReadOilGrades() {
    std::vector<OilGrade> grades;
    for (const QString& grade : OilGradeItems())
        grades.push_back(OilGrade::Read(TVerDep().ChangeToValidFilename(grade), IniFilePath));
    return grades;
}

void CheckCalculation(TFindings& findings, const OperatingPoint& point, const Rating& rating,
                      const ModelRecord& record, const PresentationStyle& style) {
    if (const std::optional<RatingRefusal> refusal =
            rating.Refusal ? rating.Refusal : rating.SolvingRefusal) {
        // The page words the refusal with the flow range of the model.
        const QString range =
            FlowLimitText(static_cast<float>(refusal->MinFlow), style.Units.Flow) +
            QStringLiteral(" - ") +
            FlowLimitText(static_cast<float>(refusal->MaxFlow), style.Units.Flow);
        if (refusal->Code == LR_OK || refusal->Code == LR_UNKNOWN_ERR || !ShowsOnlyNumbers(range))
            findings.Fault(
                QStringLiteral("refusal %1 with the range \"%2\"").arg(refusal->Code).arg(range));
        ++findings.Messages;
        return;
    }
    const PresentedResult shown = PresentRating(rating, record, point.Series, style);
    for (int line = 0; line < static_cast<int>(TResultLine::ProtectionStd); ++line) {
        const QString& text = shown.Values[line];
        if (text.trimmed().isEmpty() || !ShowsOnlyNumbers(text))
            findings.Fault(QStringLiteral("result text \"%1\" at %2 l/min, %3/%4 degC, %5 m, "
                                          "%6 kW")
                               .arg(text)
                               .arg(point.OilFlow)
                               .arg(point.MaxInletOilTemp)
                               .arg(point.AirTemp)
                               .arg(point.Altitude)
                               .arg(point.CoolingRequired));
    }
    ++findings.Results;
}

// Every operating point of the grid with every series; the model, oil grade, units and mode
// turn with the point, so each is met across the whole range. `Step` thins the grid.
TFindings SweepCalculations(int Step) {
    const std::vector<TSeriesData> catalogue = ReadCatalogue();
    const std::vector<OilGrade> grades = ReadOilGrades();
    TFindings findings;
    long index = 0;
    for (const TSeriesData& series : catalogue) {
        OperatingPoint point;
        point.Series = series.Series;
        for (float flow : Flows)
            for (float oilTemp : OilTemps)
                for (float airTemp : AirTemps)
                    for (float altitude : Altitudes)
                        for (float heat : Heats) {
                            if (index++ % Step != 0)
                                continue;
                            point.OilFlow = flow;
                            point.MaxInletOilTemp = oilTemp;
                            point.AirTemp = airTemp;
                            point.Altitude = altitude;
                            point.CoolingRequired = heat;
                            point.InletTempHeld = index / 7 % 2 == 0;
                            PresentationStyle style;
                            style.Units.Flow = static_cast<int>(index % 6);
                            style.Units.OilTemp = static_cast<int>(index / 6 % 2);
                            style.Units.AirTemp = static_cast<int>(index / 12 % 2);
                            style.Units.Heat = static_cast<int>(index / 3 % 5);
                            style.InletTempHeld = point.InletTempHeld;
                            style.USEdition = index / 11 % 2 == 0;
                            const ModelRecord& record =
                                series.Records[index % series.Records.size()];
                            const OilGrade& oil = grades[index % grades.size()];
                            CheckCalculation(findings, point, Rate(point, record, oil), record,
                                             style);
                        }
    }
    return findings;
}

// How a user might type a value: plainly, with a comma, with too many digits, or not as a
// number at all.
QString Typed(std::mt19937& random, float value) {
    if (std::isinf(value)) // typed as a number that overflows once converted from m³/h or gpm
        return value > 0 ? QStringLiteral("1e38") : QStringLiteral("-1e38");
    switch (random() % 16) {
    case 0:
        return QStringLiteral("abc");
    case 1:
        return QString();
    case 2:
    case 3:
        return FormatFixed(value, 10, 2).replace(QLatin1Char('.'), QLatin1Char(','));
    default:
        return FormatFixed(value, 10, static_cast<int>(random() % 4));
    }
}

// Half the time a typical duty, otherwise anything over and beyond the limits.
template <std::size_t N, std::size_t M>
float Pick(std::mt19937& random, const float (&typical)[N], const float (&range)[M]) {
    return random() % 2 == 0 ? typical[random() % N] : range[random() % M];
}

// Whole selections as a user makes them on one page: a series, a grade, units, the five
// entries, then "Calculate New Cooler" or, now and then, "Calculate Selected Cooler".
TFindings SweepSelections(int Count) {
    TRecordingMessages messages;
    TLanguage language;
    THeadlessSelectionView view;
    view.CatalogueDirectory = IniFilePath;
    view.Language = &language;
    TMemoryStoredValues settings;
    TSelectionController controller(view, settings, messages);
    view.OnApplyLanguageTexts = [&] { ApplySelectionTexts(view); };
    view.ApplyLanguageTexts();
    controller.InitialisePage();

    std::mt19937 random(12);
    TFindings findings;
    for (int n = 0; n < Count; ++n) {
        const auto series = static_cast<TCoolerType>(random() % 4);
        view.SetSelectedSeries(series);
        controller.SeriesClick(series);
        view.SetListIndex(TSelectionList::Oil, static_cast<int>(random() % 10));
        controller.cbOilCoolerDataChange();
        const float values[] = {
            Pick(random, TypicalFlows, Flows), Pick(random, TypicalOilTemps, OilTemps),
            Pick(random, TypicalAirTemps, AirTemps), Pick(random, TypicalAltitudes, Altitudes),
            Pick(random, TypicalHeats, Heats)};
        for (TSelectionEntry entry : SelectionEntries) {
            const int units = static_cast<int>(view.ListItems(UnitListOf(entry)).size());
            view.SetListIndex(UnitListOf(entry), static_cast<int>(random() % units));
            controller.UnitChange(entry);
            if (entry == TSelectionEntry::OilFlow && series == VCS_Cooler)
                continue; // the pump's flow
            view.SetEntryText(entry, Typed(random, values[static_cast<int>(entry)]));
            controller.EntryChange(entry);
            controller.EntryExit(entry);
        }
        messages.Shown.clear();
        const bool picked = random() % 5 == 0;
        if (picked) {
            const auto models = static_cast<unsigned>(view.ListItems(TSelectionList::Model).size());
            view.SetListIndex(TSelectionList::Model, static_cast<int>(random() % models));
            controller.cbTypeCoolerDataChange();
            controller.btCalcSelectedCoolerClick();
        } else {
            controller.btCalcNewCoolerClick();
        }

        QStringList shown = messages.Texts();
        for (int line = 0; line < ResultLineCount; ++line)
            shown.append(view.ResultValue(static_cast<TResultLine>(line)));
        for (const TSampleRow& row : view.GridRows)
            shown.append(QStringList(row.Cells.begin(), row.Cells.end()));
        for (TSelectionEntry entry : SelectionEntries)
            shown.append(view.EntryText(entry));
        for (const QString& text : shown) {
            if (!ShowsOnlyNumbers(text))
                findings.Fault(QStringLiteral("selection %1 shows \"%2\"").arg(n).arg(text));
        }
        const bool result = !view.ResultValue(TResultLine::OilInletTemp).isEmpty();
        if (result)
            ++findings.Results;
        else if (!messages.Shown.isEmpty())
            ++findings.Messages;
        else
            findings.Fault(QStringLiteral("selection %1 (%2) ended without a result or a message")
                               .arg(n)
                               .arg(picked ? "selected" : "new"));
    }
    return findings;
}

bool Report(const char* what, const TFindings& findings, qint64 milliseconds) {
    std::printf("%-12s %9ld (%ld results, %ld messages) in %.1f s, %ld faults\n", what,
                findings.Results + findings.Messages, findings.Results, findings.Messages,
                milliseconds / 1000.0, findings.Faults);
    return findings.Faults == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool quick = argc > 1 && QByteArray(argv[1]) == "--short";
    const TScopedRegionalSettings regional(QLatin1Char('.'));

    QElapsedTimer timer;
    timer.start();
    const TFindings calculations = SweepCalculations(quick ? 10 : 1);
    const qint64 calculationTime = timer.restart();
    const TFindings selections = SweepSelections(quick ? 1000 : 10000);
    const qint64 selectionTime = timer.elapsed();

    const bool calculationsClean = Report("points", calculations, calculationTime);
    const bool selectionsClean = Report("selections", selections, selectionTime);
    return calculationsClean && selectionsClean ? 0 : 1;
}
