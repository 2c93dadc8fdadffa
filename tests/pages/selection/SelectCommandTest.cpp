#include "app/cli/SelectCommand.h"
#include "app/cli/DemoCommand.h"
#include "core/RegionalSettings.h"
#include "settings/Edition.h"
#include "tests/support/OperatingPoints.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString ShippedIniFiles = QStringLiteral(AIRCOOLER_SHIPPED_DATA_DIR "/IniFiles/");

struct TRun {
    int Code;
    QString Out;
    QString Err;
};

class SelectCommand : public testing::Test {
protected:
    TRun Run(const QStringList& arguments) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int code = RunSelectCommand(arguments, ShippedIniFiles, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return {code, out, err};
    }

    QJsonObject RunJson(QStringList arguments, int expectedCode) {
        const TRun run = Run(arguments << "--json");
        EXPECT_EQ(run.Code, expectedCode) << run.Out.toStdString() << run.Err.toStdString();
        return QJsonDocument::fromJson(run.Out.toUtf8()).object();
    }

    static QStringList ModelsOf(const QJsonObject& document) {
        QStringList models;
        for (const QJsonValue& candidate : document["candidates"].toArray())
            models.append(candidate["model"].toString());
        return models;
    }

    TScopedRegionalSettings Point{QLatin1Char('.')};
};

TEST_F(SelectCommand, ChoosesTheSmallestCoolerAndListsItsNeighbours) {
    const TRun run = Run(VamPoint);
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Err, "");
    const QStringList lines = run.Out.split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], "  Cooler type  Sp. heat dissipation  Inlet oil temperature  LpA, 1 m  "
                        "Oil pressure drop");
    EXPECT_TRUE(lines[1].startsWith("  KVAM 350-B   0.72 kW/°C")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("  KVAM 400-B ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("* KVAM 300-B ")) << lines[3].toStdString();
    EXPECT_TRUE(run.Out.contains("Calculated data: KVAM 350-B\n"));
    // The value column lines up after the longest caption, which depends on the edition.
    EXPECT_TRUE(run.Out.contains(QRegularExpression("\n  Inlet oil temperature +58 °C\n")));
    EXPECT_TRUE(run.Out.contains(QRegularExpression("\n  Air flow +2.56 m³/s\n")));
}

TEST_F(SelectCommand, JsonHoldsCandidatesResultsAndMessages) {
    const QJsonObject document = RunJson(VamPoint, 0);
    EXPECT_EQ(ModelsOf(document), (QStringList{"KVAM 350-B", "KVAM 400-B", "KVAM 300-B"}));
    const QJsonArray candidates = document["candidates"].toArray();
    EXPECT_FALSE(candidates[0]["undersized"].toBool());
    EXPECT_TRUE(candidates[2]["undersized"].toBool());
    EXPECT_EQ(candidates[0]["heat"].toString(), "0.72 kW/°C");
    EXPECT_EQ(candidates[0]["inletTemp"].toString(), "58 °C");

    const QJsonObject results = document["results"].toObject();
    EXPECT_EQ(results.keys(), (QStringList{"AirFlowStr", "AirTempOutStr", "HeatLoadStr",
                                           "MotorCapacityStr", "NoiseLevelStr", "OilTempInStr",
                                           "OilTempOutStr", "PressureDropStr", "ProtectionStr"}));
    EXPECT_EQ(results["OilTempInStr"].toString(), candidates[0]["inletTemp"].toString());
    EXPECT_EQ(results["NoiseLevelStr"].toString(), candidates[0]["noise"].toString());
    EXPECT_EQ(results["PressureDropStr"].toString(), candidates[0]["pressureDrop"].toString());
    // The US edition shows no motor protection.
    EXPECT_EQ(results["ProtectionStr"].toString(), BuildIsUSEdition() ? "" : "IP 55");
    EXPECT_TRUE(document["messages"].toArray().isEmpty());
}

// The whole number a temperature text such as "54 °C" starts with.
int ShownDegrees(const QJsonValue& text) {
    return text.toString().section(' ', 0, 0).toInt();
}

// Whatever the operating point, a cooler listed as meeting the duty keeps the maximum inlet oil
// temperature; the outlet margin may raise the inlet temperature of the others, which are
// marked, and their inlet temperature shown in red.
TEST_F(SelectCommand, NoCoolerListedAsMeetingTheDutyExceedsTheMaximumInletTemperature) {
    int sized = 0;
    for (const char* series : {"VAM", "VDM", "VHM"}) {
        for (const char* flow : {"20", "60", "100", "200"}) {
            for (int maxTemp : {50, 52, 55, 60}) {
                for (const char* airTemp : {"40", "45", "48"}) {
                    for (const char* heat : {"1", "5", "20"}) {
                        const QStringList arguments{
                            "--series",   series,  "--oil",          "ISO VG 46",
                            "--flow",     flow,    "--max-oil-temp", QString::number(maxTemp),
                            "--air-temp", airTemp, "--altitude",     "0",
                            "--heat",     heat,    "--json"};
                        const std::string point = arguments.join(' ').toStdString();
                        const TRun run = Run(arguments);
                        const QJsonObject document =
                            QJsonDocument::fromJson(run.Out.toUtf8()).object();
                        for (const QJsonValue candidate : document["candidates"].toArray()) {
                            const QJsonObject row = candidate.toObject();
                            if (!row["undersized"].toBool()) {
                                EXPECT_LE(ShownDegrees(row["inletTemp"]), maxTemp) << point;
                            }
                        }
                        if (run.Code != 0)
                            continue;
                        ++sized;
                        EXPECT_TRUE(document["highlighted"].toArray().contains("OilTempInStr") ||
                                    ShownDegrees(document["results"]["OilTempInStr"]) <= maxTemp)
                            << point;
                    }
                }
            }
        }
    }
    EXPECT_GT(sized, 100); // the sweep sizes coolers, not only messages
}

TEST_F(SelectCommand, AirTooCloseToTheMaximumNamesTheDifferenceNeeded) {
    const struct {
        QStringList Temperatures;
        QString Difference;
    } cases[] = {
        {{"--max-oil-temp", "52", "--air-temp", "50"}, "4 K"},
        {{"--max-oil-temp", "51", "--air-temp", "50"}, "4 K"},
        {{"--max-oil-temp", "125.6", "--oil-temp-unit", "F", "--air-temp", "122", "--air-temp-unit",
          "F"},
         "7 °F"},
    };
    for (const auto& c : cases) {
        const QJsonObject document =
            RunJson(QStringList{"--series", "VAM", "--oil", "ISO VG 46", "--flow", "99.9",
                                "--altitude", "0", "--heat", "1"}
                        << c.Temperatures,
                    1);
        EXPECT_EQ(document["messages"].toArray(),
                  QJsonArray{"The air is too close to the max. inlet oil temp.: this series "
                             "needs at least " +
                             c.Difference + " between them."});
        EXPECT_TRUE(document["candidates"].toArray().isEmpty());
    }
}

TEST_F(SelectCommand, CalculatesAGivenModel) {
    const QJsonObject document = RunJson(With(VamPoint, "--model", "kvam 400-b"), 0);
    EXPECT_TRUE(document["candidates"].toArray().isEmpty());
    EXPECT_EQ(document["results"]["OilTempInStr"].toString(), "52 °C");

    // Too small: the inlet temperature at which it would remove 20 kW lies above 120 degC. It
    // is a result, shown in red; the maximum typed is not to blame.
    const QJsonObject tooSmall =
        RunJson(With(With(VamPoint, "--flow", "80"), "--model", "KVAM 100-A"), 0);
    EXPECT_TRUE(tooSmall["messages"].toArray().isEmpty());
    EXPECT_EQ(tooSmall["results"]["OilTempInStr"].toString(), "162 °C");
    EXPECT_EQ(tooSmall["highlighted"].toArray(), QJsonArray{"OilTempInStr"});

    // A small duty: the solved inlet temperature lies below 10 degC, which is no entry either.
    const QJsonObject smallDuty =
        RunJson({"--series", "VAM", "--oil", "ISO VG 46", "--flow", "100", "--max-oil-temp", "60",
                 "--air-temp", "0", "--altitude", "0", "--heat", "1", "--model", "KVAM 300-B"},
                0);
    EXPECT_TRUE(smallDuty["messages"].toArray().isEmpty());
    EXPECT_EQ(smallDuty["results"]["OilTempInStr"].toString(), "4 °C");
    EXPECT_TRUE(smallDuty["highlighted"].toArray().isEmpty());
}

TEST_F(SelectCommand, ReadsEveryUnitOfThePage) {
    // About the same duty as above, in US units; the hydraulic-motor series.
    const QJsonObject document =
        RunJson({"--series",       "vhm",          "--oil",           "iso_vg_68",
                 "--flow",         "40",           "--flow-unit",     "US gpm",
                 "--max-oil-temp", "160",          "--oil-temp-unit", "F",
                 "--air-temp",     "95",           "--air-temp-unit", "°F",
                 "--altitude",     "1500",         "--altitude-unit", "ft",
                 "--heat",         "150000",       "--heat-unit",     "Btu/hr",
                 "--model",        "KVHM 500-1500"},
                0);
    const QJsonObject results = document["results"].toObject();
    EXPECT_TRUE(results["OilTempInStr"].toString().endsWith(" °F"));
    EXPECT_TRUE(results["PressureDropStr"].toString().endsWith(" psi"));
    EXPECT_TRUE(results["AirFlowStr"].toString().endsWith(" ft³/min"));
    EXPECT_TRUE(results["HeatLoadStr"].toString().endsWith(" BTU/hr/°F"));
    EXPECT_EQ(results["ProtectionStr"].toString(), "");
}

TEST_F(SelectCommand, CoolingSystemsAreChosenAtTheirOwnPumpFlow) {
    // ISO VG 46, at most 60 degC oil, 30 degC air, sea level: the smallest system that does the
    // job at its own pump's flow, listed first, with the smaller one that falls short.
    const QStringList point{"--series", "VCS",        "--oil", "ISO VG 46",  "--max-oil-temp",
                            "60",       "--air-temp", "30",    "--altitude", "0"};
    const struct {
        const char* Heat;
        const char* Model;
        const char* PumpFlow;
        const char* Smaller;
    } cases[] = {
        {"8", "KVCS 150-D-A", "20.0 l/min", nullptr},
        {"16", "KVCS 250-D-A", "55.0 l/min", "KVCS 200-D-B"},
        {"20", "KVCS 250-D-B", "55.0 l/min", "KVCS 250-D-A"},
        {"30", "KVCS 350-D-A", "80.0 l/min", "KVCS 300-D-B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Heat);
        const QJsonObject document = RunJson(With(point, "--heat", c.Heat), 0);
        EXPECT_EQ(document["model"].toString(), c.Model);
        EXPECT_EQ(document["pumpFlow"].toString(), c.PumpFlow);
        const QJsonArray candidates = document["candidates"].toArray();
        ASSERT_FALSE(candidates.isEmpty());
        EXPECT_EQ(candidates[0]["model"].toString(), c.Model);
        EXPECT_FALSE(candidates[0]["undersized"].toBool());
        if (c.Smaller) {
            EXPECT_EQ(candidates.last()["model"].toString(), c.Smaller);
            EXPECT_TRUE(candidates.last()["undersized"].toBool());
        }
    }

    // The text names the pump flow too, in the flow unit of the arguments.
    const TRun run = Run(With(With(point, "--heat", "16"), "--flow-unit", "US gpm"));
    EXPECT_EQ(run.Code, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(QRegularExpression("\\n  Oil flow +14\\.5 US gpm\\n")))
        << run.Out.toStdString();
}

TEST_F(SelectCommand, TypedFlowForCoolingSystemsOnlyWithAModel) {
    const QStringList point{"--series",   "VCS", "--oil",      "ISO VG 46", "--max-oil-temp", "60",
                            "--air-temp", "30",  "--altitude", "0",         "--heat",         "16"};
    for (const char* flow : {"5", "60", "300"}) {
        const TRun refused = Run(With(point, "--flow", flow));
        EXPECT_EQ(refused.Code, 2);
        EXPECT_TRUE(refused.Err.startsWith("--flow cannot be given for VCS without --model"))
            << refused.Err.toStdString();
        EXPECT_EQ(refused.Out, "");
    }

    // "Selected" calculates the model at the flow typed, rounded to whole l/min.
    const QJsonObject typed =
        RunJson(With(With(point, "--model", "KVCS 250-D-A"), "--flow", "39.6"), 0);
    EXPECT_EQ(typed["model"].toString(), "KVCS 250-D-A");
    EXPECT_EQ(typed["pumpFlow"].toString(), "39.6 l/min");
    const QJsonObject own = RunJson(With(point, "--model", "KVCS 250-D-A"), 0);
    EXPECT_EQ(own["pumpFlow"].toString(), "55.0 l/min");
    EXPECT_NE(typed["results"]["OilTempInStr"], own["results"]["OilTempInStr"]);
}

TEST_F(SelectCommand, JsonNamesTheModelOfTheResultsForEverySeries) {
    const QJsonObject chosen = RunJson(VamPoint, 0);
    EXPECT_EQ(chosen["model"].toString(), "KVAM 350-B");
    EXPECT_FALSE(chosen.contains("pumpFlow"));
    const QJsonObject picked = RunJson(With(VamPoint, "--model", "KVAM 400-B"), 0);
    EXPECT_EQ(picked["model"].toString(), "KVAM 400-B");
    const QJsonObject none = RunJson(With(VamPoint, "--heat", "5000"), 1);
    EXPECT_FALSE(none.contains("model"));
}

TEST_F(SelectCommand, SpeaksTheChosenLanguage) {
    const TRun run = Run(With(VamPoint, "--language", "SPANISH"));
    EXPECT_EQ(run.Code, 0);
    EXPECT_TRUE(run.Out.contains("Datos calculados: KVAM 350-B\n"));
    EXPECT_TRUE(run.Out.contains("  Temperatura entrada aceite"));

    const TRun limit = Run(With(With(VamPoint, "--language", "spanish"), "--altitude", "5000"));
    EXPECT_EQ(limit.Code, 1);
    EXPECT_EQ(limit.Err, "Altitud ¡Fuera de rango! (0 - 4000)\n");
}

// A model is named as the model list names it in any language, the hydraulic-motor models with
// or without their word for rpm, or by its catalogue section; the results name it in the
// language chosen.
TEST_F(SelectCommand, AModelIsNamedInAnyLanguageOrByItsSection) {
    const QStringList vhmPoint = With(VamPoint, "--series", "VHM");
    const struct {
        const char* Name;
        QStringList Arguments;
        const char* Model;
        const char* Language;
        const char* Shown;
    } cases[] = {
        {"EnglishNameInSpanish", vhmPoint, "KVHM 500-1500 rpm", "SPANISH", "KVHM 500-1500 r.p.m."},
        {"SpanishNameInEnglish", vhmPoint, "KVHM 500-1500 r.p.m.", "ENGLISH", "KVHM 500-1500 rpm"},
        {"GermanNameInAnyLetterCase", vhmPoint, "kvhm 500-1500 u/min", "SPANISH",
         "KVHM 500-1500 r.p.m."},
        {"WithoutTheWordForRpm", vhmPoint, "KVHM 500-1500", "SPANISH", "KVHM 500-1500 r.p.m."},
        {"HydraulicMotorSection", vhmPoint, "VHM_500_1500", "ENGLISH", "KVHM 500-1500 rpm"},
        {"Section", VamPoint, "vam_400_4_b", "SPANISH", "KVAM 400-B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QJsonObject document =
            RunJson(With(With(c.Arguments, "--model", c.Model), "--language", c.Language), 0);
        EXPECT_EQ(document["model"].toString(), c.Shown);
    }

    // Neither a name of the list in any language nor a section: a size without its speed, a
    // speed word no language uses, a section cut short, another series' model.
    for (const char* unknown : {"KVHM", "KVHM 500-1500 rev/min", "VHM_500", "KVAM 400-B"}) {
        SCOPED_TRACE(unknown);
        const TRun run = Run(With(With(vhmPoint, "--model", unknown), "--language", "SPANISH"));
        EXPECT_EQ(run.Code, 2);
        EXPECT_TRUE(run.Err.startsWith(QStringLiteral("Unknown model \"%1\": the series has "
                                                      "KVHM 200-1500 r.p.m., ")
                                           .arg(unknown)))
            << run.Err.toStdString();
        EXPECT_EQ(run.Out, "");
    }
}

TEST_F(SelectCommand, ToldFailuresEndWithStatusOne) {
    const struct {
        const char* Name;
        QString Option, Value;
        QString Err;
    } cases[] = {
        {"Altitude", "--altitude", "5000", "Altitude Outside the range! (0 - 4000)\n"},
        {"NoCooler", "--heat", "700",
         "No cooler can be selected! Please contact your local Brenvik office.\n"},
        {"NoFlow", "--flow", "0",
         "No cooler is recommended! Please check some of the following input data.\n"
         "Oil flow: 0\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = Run(With(VamPoint, c.Option, c.Value));
        EXPECT_EQ(run.Code, 1);
        EXPECT_EQ(run.Err, c.Err);
        EXPECT_EQ(run.Out, "");
    }
}

// A cooling system is rated at the flow entered with its model: far beyond its pump's flow,
// its conductance no longer gives a heat dissipation, which the page says in the words of the
// heat line.
TEST_F(SelectCommand, ModelThatCannotBeEvaluatedAtTheFlowEndsWithStatusOne) {
    const TRun run =
        Run({"--series", "VCS", "--oil", "ISO VG 46", "--flow", "10000000", "--max-oil-temp", "65",
             "--air-temp", "35", "--altitude", "0", "--heat", "30", "--model", "KVCS 350-D-A"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Err, "Sp. heat dissipation Outside the range!\n");
    EXPECT_EQ(run.Out, "");
}

TEST_F(SelectCommand, UnreadableArgumentsEndWithStatusTwo) {
    const struct {
        const char* Name;
        QStringList Arguments;
        QString Err;
    } cases[] = {
        {"Value", With(VamPoint, "--flow", "12;5"), "--flow: 12;5 ?"},
        {"BeyondSinglePrecision", With(VamPoint, "--flow", "1e308"), "--flow: 1e308 ?"},
        {"Series", With(VamPoint, "--series", "VXM"), "Unknown series \"VXM\""},
        {"Unit", With(VamPoint, "--flow-unit", "gallons"),
         "Unknown unit \"gallons\" for --flow-unit"},
        {"Grade", With(VamPoint, "--oil", "SAE 30"), "Unknown \"SAE 30\" as oil grade"},
        {"Model", With(VamPoint, "--model", "KVDM 100"), "Unknown model \"KVDM 100\""},
        {"Language", With(VamPoint, "--language", "KLINGON"), "Unknown language \"KLINGON\""},
        {"Missing", VamPoint.mid(0, 12), "--heat is required."},
        {"NoValue", QStringList(VamPoint) << "--model", "--model needs a value."},
        {"Twice", QStringList(VamPoint) << "--heat=30", "--heat is given twice."},
        {"Unknown", QStringList(VamPoint) << "--colour", "Unknown argument \"--colour\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = Run(c.Arguments);
        EXPECT_EQ(run.Code, 2);
        EXPECT_TRUE(run.Err.startsWith(c.Err)) << run.Err.toStdString();
        EXPECT_EQ(run.Out, "");
    }
}

TEST_F(SelectCommand, NegativeValuesAndCommasAreReadLikeEntries) {
    const QJsonObject document =
        RunJson(With(With(VamPoint, "--air-temp", "-10,5"), "--max-oil-temp", "45.5"), 0);
    EXPECT_FALSE(document["candidates"].toArray().isEmpty());
}

TEST(SelectProgram, FindsTheDataInstalledBesideIt) {
    QProcess program;
    program.start(AIRCOOLER_CLI, QStringList{"select"} << VamPoint << "--json");
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QJsonObject document = QJsonDocument::fromJson(program.readAllStandardOutput()).object();
    EXPECT_EQ(document["candidates"].toArray().size(), 3);
}

TEST(DemoCommand, SizesOneCoolerOfEachSeries) {
    const TScopedRegionalSettings point(QLatin1Char('.'));
    QString out;
    QTextStream stream(&out);
    EXPECT_EQ(RunDemoCommand(ShippedIniFiles, stream), 0);
    stream.flush();
    for (const char* series : {"KVAM", "KVDM", "KVHM", "KVCS"})
        EXPECT_TRUE(out.contains(QStringLiteral("Calculated data: %1 ").arg(series))) << series;
}

} // namespace

namespace {

// Every number of select --json reads as its text shows it: the text is the number rounded to
// the decimals it shows, in the unit it names, for the results and for each candidate, in
// every unit of every list.
TEST_F(SelectCommand, ValuesAreTheNumbersTheTextsShow) {
    const struct {
        const char* Name;
        QStringList Arguments;
    } cases[] = {
        {"Metric",
         {"--series", "VAM", "--oil", "ISO VG 46", "--flow", "100", "--max-oil-temp", "60",
          "--air-temp", "30", "--altitude", "0", "--heat", "20"}},
        {"US", {"--series",       "VAM",   "--oil",           "ISO VG 46",
                "--flow",         "26.4",  "--flow-unit",     "US gpm",
                "--max-oil-temp", "140",   "--oil-temp-unit", "F",
                "--air-temp",     "86",    "--air-temp-unit", "F",
                "--altitude",     "0",     "--altitude-unit", "ft",
                "--heat",         "68200", "--heat-unit",     "Btu/hr"}},
        {"OtherUnits",
         {"--series", "VHM", "--oil", "ISO VG 68", "--flow", "9", "--flow-unit", "m3/h",
          "--max-oil-temp", "70", "--air-temp", "35", "--altitude", "500", "--heat", "40000",
          "--heat-unit", "kcal/hr"}},
        {"CoolingSystemInWatts",
         {"--series", "VCS", "--oil", "ISO VG 46", "--max-oil-temp", "65", "--air-temp", "35",
          "--altitude", "0", "--heat", "16000", "--heat-unit", "W", "--flow-unit", "kg/s"}},
    };
    const QRegularExpression shown(QStringLiteral("^\\s*([-0-9.]+) (.+)$"));
    const auto check = [&](const QJsonObject& values, const QJsonObject& texts,
                           const QList<std::pair<QString, QString>>& keys) {
        for (const auto& [valueKey, textKey] : keys) {
            SCOPED_TRACE(valueKey.toStdString());
            // A pressure drop beyond what the catalogue covers shows its limit ("> 200 psi").
            if (texts[textKey].toString().startsWith('>') ||
                texts[textKey].toString().startsWith('<'))
                continue;
            const QJsonObject value = values[valueKey].toObject();
            const QRegularExpressionMatch text = shown.match(texts[textKey].toString());
            ASSERT_TRUE(text.hasMatch()) << texts[textKey].toString().toStdString();
            EXPECT_EQ(value["unit"].toString(), text.captured(2));
            const QString number = text.captured(1);
            const int decimals = number.contains('.') ? number.size() - number.indexOf('.') - 1 : 0;
            EXPECT_NEAR(value["value"].toDouble(), number.toDouble(),
                        0.5 * std::pow(10.0, -decimals) + 1e-9)
                << number.toStdString();
        }
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QJsonObject document = RunJson(c.Arguments, 0);
        EXPECT_EQ(document["verdict"].toString(), "fits");
        check(document["values"].toObject(), document["results"].toObject(),
              {{"inletOilTemp", "OilTempInStr"},
               {"outletOilTemp", "OilTempOutStr"},
               {"outletAirTemp", "AirTempOutStr"},
               {"heat", "HeatLoadStr"},
               {"pressureDrop", "PressureDropStr"},
               {"airFlow", "AirFlowStr"},
               {"motorPower", "MotorCapacityStr"},
               {"noise", "NoiseLevelStr"}});
        const QJsonArray candidates = document["candidates"].toArray();
        ASSERT_FALSE(candidates.isEmpty());
        for (const QJsonValue& candidate : candidates) {
            const QJsonObject object = candidate.toObject();
            check(object["values"].toObject(), object,
                  {{"inletOilTemp", "inletTemp"},
                   {"heat", "heat"},
                   {"noise", "noise"},
                   {"pressureDrop", "pressureDrop"}});
            EXPECT_EQ(object["verdict"].toString() != "fits", object["undersized"].toBool());
        }
    }
}

// A cooling system's pump flow is given as a number too, the flow its results are rated at.
TEST_F(SelectCommand, APumpFlowIsAValueInTheFlowUnit) {
    const QJsonObject document =
        RunJson({"--series", "VCS", "--oil", "ISO VG 46", "--max-oil-temp", "65", "--air-temp",
                 "35", "--altitude", "0", "--heat", "16", "--flow-unit", "US gpm"},
                0);
    const QJsonObject pumpFlow = document["values"]["pumpFlow"].toObject();
    EXPECT_EQ(pumpFlow["unit"].toString(), "US gpm");
    EXPECT_EQ(document["pumpFlow"].toString(),
              QString::number(pumpFlow["value"].toDouble(), 'f', 1) + " US gpm");
}

} // namespace
