#include "tests/report/ReportTestSupport.h"

#include "report/ReportTexts.h"

#include <QGuiApplication>

#include <memory>

namespace {

// Fonts and pictures need one GUI application for the whole test program.
class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override { App = std::make_unique<QGuiApplication>(Argc, Argv); }
    void TearDown() override { App.reset(); }

private:
    int Argc = 1;
    char Name[13] = "report_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QGuiApplication> App;
};

[[maybe_unused]] const auto* const Environment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

} // namespace

TSelectionReportData KvamReportData() {
    TSelectionReportData data;
    data.ModelName = QStringLiteral("KVAM 300-B");
    data.CatalogueName = QStringLiteral("VAM_300_4_B");
    data.OilGrade = QStringLiteral("ISO VG 46");
    data.Inputs = {{{QStringLiteral("100"), QStringLiteral("l/min")},
                    {QStringLiteral("60"), QStringLiteral("°C")},
                    {QStringLiteral("30"), QStringLiteral("°C")},
                    {QStringLiteral("0"), QStringLiteral("m")},
                    {QStringLiteral("20"), QStringLiteral("kW")}}};
    data.OilInletTemp = QStringLiteral("58.4 °C");
    data.OilOutletTemp = QStringLiteral("52.0 °C");
    data.AirOutletTemp = QStringLiteral("39.7 °C");
    data.HeatLoad = QStringLiteral(" 0.71 kW/°C");
    data.OilPressure = QStringLiteral("0.61 bar");
    data.AirFlow = QStringLiteral("1.82 m³/s");
    data.MotorCapacity = QStringLiteral("0.75 kW");
    data.NoiseLevel = QStringLiteral("75 dB(A)");
    data.Protection = QStringLiteral("IP 55");
    return data;
}

TReportTexts ReportTextsIn(TLanguageType Language) {
    TLanguage store;
    store.SetLanguageType(Language);
    return ReadReportTexts(store);
}

TSelectionReport ReportTest::KvamReport(TLanguageType Language) {
    TSelectionReport report;
    report.Data = KvamReportData();
    report.Texts = ReportTextsIn(Language);
    report.CatalogueDirectory = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");
    return report;
}
