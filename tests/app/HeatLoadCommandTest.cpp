#include "app/cli/HeatLoadCommand.h"
#include "app/cli/HeatLoadArguments.h"
#include "core/RegionalSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct TRun {
    int Code;
    QString Out;
    QString Err;
};

TRun HeatLoad(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = RunHeatLoadCommand(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

// 200 litres warming from 20 °C to 50 °C in 30 minutes.
const QStringList Example{"--volume",   "200", "--start-temp", "20",
                          "--end-temp", "50",  "--time",       "30"};

class HeatLoadCommand : public testing::Test {
protected:
    TScopedRegionalSettings Point{QLatin1Char('.')};
};

TEST_F(HeatLoadCommand, PrintsTheResultAsThePageShowsIt) {
    const struct {
        const char* Name;
        QStringList Extra;
        const char* Printed;
    } cases[] = {
        {"Defaults", {}, "Required cooling capacity: 6.17 kW\n"},
        {"Watts", {"--result-unit", "W"}, "Required cooling capacity: 6171 W\n"},
        {"BtuTypedPlainly", {"--result-unit", "btu/h"}, "Required cooling capacity: 21054 BTU/h\n"},
        {"UnitsOfTheLists",
         {"--volume-unit",        "US gal",   "--volume",        "52,84",
          "--density-unit",       "lb/ft3",   "--density",       "55.56",
          "--heat-capacity-unit", "Btu/lb°F", "--heat-capacity", "0.5",
          "--start-temp-unit",    "F",        "--start-temp",    "68",
          "--end-temp-unit",      "°F",       "--end-temp",      "122"},
         "Required cooling capacity: 6.17 kW\n"},
        {"Spanish", {"--language", "spanish"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        // Later options would be given twice; the extra ones replace the example's.
        QStringList arguments = c.Extra;
        for (qsizetype i = 0; i < Example.size(); i += 2) {
            if (!arguments.contains(Example[i]))
                arguments << Example[i] << Example[i + 1];
        }
        const TRun run = HeatLoad(arguments);
        EXPECT_EQ(run.Code, 0);
        EXPECT_EQ(run.Err, "");
        if (c.Printed) {
            EXPECT_EQ(run.Out, QString::fromUtf8(c.Printed));
        } else {
            EXPECT_TRUE(run.Out.endsWith(": 6.17 kW\n") && !run.Out.startsWith("Required"))
                << run.Out.toStdString();
        }
    }
}

TEST_F(HeatLoadCommand, JsonCarriesTheShownTextAndTheCalculatedNumber) {
    const TRun run = HeatLoad(QStringList(Example) << "--json");
    ASSERT_EQ(run.Code, 0) << run.Err.toStdString();
    const QJsonObject document = QJsonDocument::fromJson(run.Out.toUtf8()).object();
    EXPECT_EQ(document["result"].toString(), "6.17");
    EXPECT_EQ(document["unit"].toString(), "kW");
    // The calculated value as single precision holds it, in its shortest form.
    EXPECT_TRUE(run.Out.contains("\"kW\": 6.170666,")) << run.Out.toStdString();
    EXPECT_EQ(document["messages"].toArray(), QJsonArray());
}

TEST_F(HeatLoadCommand, ValueOutOfRangeGivesThePagesMessageAndNoResult) {
    QStringList arguments = Example;
    arguments[arguments.indexOf("--end-temp") + 1] = "10";
    const TRun text = HeatLoad(arguments);
    EXPECT_EQ(text.Code, 1);
    EXPECT_EQ(text.Out, "");
    EXPECT_EQ(text.Err, "Final oil temperature Outside the range! (10 - 20)\n");

    const TRun json = HeatLoad(arguments << "--json");
    EXPECT_EQ(json.Code, 1);
    const QJsonObject document = QJsonDocument::fromJson(json.Out.toUtf8()).object();
    EXPECT_EQ(document.keys(), QStringList{"messages"});
    EXPECT_EQ(document["messages"].toArray(),
              QJsonArray{"Final oil temperature Outside the range! (10 - 20)"});
}

TEST_F(HeatLoadCommand, UnreadableArgumentsExitWithTwo) {
    const struct {
        const char* Name;
        QStringList Arguments;
        const char* Error; // the first line written to the standard error
    } cases[] = {
        {"MissingVolume",
         {"--start-temp", "20", "--end-temp", "50", "--time", "30"},
         "--volume is required."},
        {"UnknownUnit",
         QStringList(Example) << "--volume-unit"
                              << "barrel",
         "Unknown unit \"barrel\" for --volume-unit: use one of \"liter\", \"m³\", \"quarts\", "
         "\"in³\", \"US gal\"."},
        {"NoTimeUnitToChoose",
         QStringList(Example) << "--time-unit"
                              << "min",
         "Unknown argument \"--time-unit\"."},
        {"UnreadableNumber",
         {"--volume", "2OO", "--start-temp", "20", "--end-temp", "50", "--time", "30"},
         "--volume: 2OO ?"},
        {"NumberBeyondSinglePrecision",
         {"--volume", "200", "--start-temp", "20", "--end-temp", "50", "--time", "1e39"},
         "--time: 1e39 ?"},
        {"UnknownLanguage",
         QStringList(Example) << "--language"
                              << "Klingon",
         nullptr},
        {"ValueMissing", QStringList(Example) << "--density", "--density needs a value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TRun run = HeatLoad(c.Arguments);
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_FALSE(run.Err.isEmpty());
        if (c.Error) {
            EXPECT_EQ(run.Err.section('\n', 0, 0), QString::fromUtf8(c.Error));
        }
    }
}

TEST(HeatLoadArguments, SecondMentionOfAnOptionIsRefused) {
    THeatLoadRequest request;
    QString error;
    EXPECT_FALSE(ParseHeatLoadArguments(QStringList(Example) << "--time=40", request, error));
    EXPECT_EQ(error, "--time is given twice.");
}

TEST(HeatLoadProgram, RunsFromTheCommandLine) {
    QProcess program;
    program.start(QStringLiteral(AIRCOOLER_CLI), QStringList{"heatload"} << Example << "--json");
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QJsonObject document = QJsonDocument::fromJson(program.readAllStandardOutput()).object();
    EXPECT_DOUBLE_EQ(document["kW"].toDouble(), 6.170666);

    program.start(QStringLiteral(AIRCOOLER_CLI), {"--help"});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_TRUE(program.readAllStandardOutput().contains("heatload"));
}

} // namespace
